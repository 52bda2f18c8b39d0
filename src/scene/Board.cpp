#include "scene/Board.h"

#include "model/Model.h"
#include "scene/SetPiece.h"

Board::Board() : model(std::make_unique<Model>()) { SetPiece::load(*model, "models\\boada.txt"); }

Board::~Board() = default;

void Board::draw() { SetPiece::draw(*model); }

#include "scene/Surround.h"

#include "model/Model.h"
#include "scene/SetPiece.h"

Surround::Surround() : model(std::make_unique<Model>()) { SetPiece::load(*model, "models\\surround.txt"); }

Surround::~Surround() = default;

void Surround::draw() { SetPiece::draw(*model); }

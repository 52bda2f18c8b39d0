#include "scene/Board.h"

Board::Board() : SetPiece("models\\boada.txt") {}

#include "scene/Surround.h"

Surround::Surround() : SetPiece("models\\surround.txt") {}

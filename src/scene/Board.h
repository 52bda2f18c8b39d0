// Board: the rider on the snowboard, drawn by the World at the rider's pose.
#pragma once

#include "scene/SetPiece.h"

class Board : public SetPiece {
public:
    Board();  // loads "models\boada.txt"
};

// Surround: the snowy scenery around the course.
#pragma once

#include "scene/SetPiece.h"

class Surround : public SetPiece {
public:
    Surround();  // loads "models\surround.txt"
};

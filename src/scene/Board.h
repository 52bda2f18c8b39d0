// Board: the rider on the snowboard, drawn by the World at the rider's pose.
#pragma once

#include <memory>

class Model;

class Board {
public:
    Board();  // loads "models\boada.txt"
    virtual ~Board();

    void draw();

private:
    std::unique_ptr<Model> model;
};

// Surround: the snowy scenery around the course.
#pragma once

#include <memory>

class Model;

class Surround {
public:
    Surround();  // loads "models\surround.txt"
    virtual ~Surround();

    void draw();

private:
    std::unique_ptr<Model> model;
};

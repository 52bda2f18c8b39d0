#include "scene/SetPiece.h"

#include "model/Model.h"

#include <GL/gl.h>

#include <cstdio>

SetPiece::SetPiece(const char* fileName) : model(std::make_unique<Model>()) { load(*model, fileName); }

SetPiece::~SetPiece() = default;

void SetPiece::draw() { draw(*model); }

void SetPiece::load(Model& model, const char* fileName) {
    if (model.load(fileName)) return;
    std::fputs("Couldn't load the model\n", stdout);
    std::fflush(stdout);
}

void SetPiece::draw(Model& model) {
    glCullFace(GL_BACK);
    model.draw();
    glCullFace(GL_FRONT);
}

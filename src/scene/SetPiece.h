// SetPiece: a part of the course drawn from one model file, loaded with its
// one-line complaint and drawn with back faces culled. The Board and the
// Surround are set pieces; the Kicker takes the same two steps for its models.
#pragma once

#include <memory>

class Model;

class SetPiece {
public:
    // Loads the model file (needs the GL context for the material textures).
    explicit SetPiece(const char* fileName);
    virtual ~SetPiece();
    SetPiece(const SetPiece&) = delete;
    SetPiece& operator=(const SetPiece&) = delete;

    void draw();

    // Model::load; on failure "Couldn't load the model" on standard output, and
    // the game goes on with whatever the model holds.
    static void load(Model& model, const char* fileName);

    // The models are wound the other way from the rest of the scene.
    static void draw(Model& model);

private:
    std::unique_ptr<Model> model;
};

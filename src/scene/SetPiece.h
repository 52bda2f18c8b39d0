// SetPiece: what the model-backed parts of the course share: loading a model
// file with its one-line complaint, and drawing with back faces culled.
#pragma once

class Model;

class SetPiece {
public:
    // Model::load; on failure "Couldn't load the model" on standard output, and
    // the game goes on with whatever the model holds.
    static void load(Model& model, const char* fileName);

    // The models are wound the other way from the rest of the scene.
    static void draw(Model& model);
};

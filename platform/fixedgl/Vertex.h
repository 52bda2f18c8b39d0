// Vertex: one corner as the layer hands it to GLES, already in eye space
// (the modelview is applied as each vertex arrives, so a matrix change never
// breaks a batch), with the current colour and texture coordinate.
#pragma once

namespace fixedgl {

struct Vertex {
    float position[4];
    float normal[3];
    float colour[4];
    float texCoord[2];
};

}  // namespace fixedgl

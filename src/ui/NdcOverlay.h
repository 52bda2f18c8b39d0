// NdcOverlay: saves both matrices and makes drawing coordinates normalized device coordinates.
#pragma once

class NdcOverlay {
public:
    // Pushes the projection and modelview matrices and loads the identity
    // into both; the modelview matrix is current afterwards.
    static void begin();
    // The same, with an area of width x height units, origin at the lower
    // left, stretched over the whole window.
    static void beginArea(double width, double height);
    // Pops the projection matrix, then the modelview matrix, which stays current.
    static void end();
};

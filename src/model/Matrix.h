// Matrix: a 4x4 affine transform in OpenGL's column-major order.
#pragma once

#include "common/Vec3.h"

class Matrix {
public:
    // The identity.
    Matrix();

    float operator[](int index) const { return elements[index]; }
    float& operator[](int index) { return elements[index]; }
    const float* data() const { return elements; }

    // this = this x m, both taken as affine (bottom row 0, 0, 0, 1).
    void postMultiply(const Matrix& m);

    // Elements 12, 13, 14; the rest is kept.
    void setTranslation(const float t[3]);

    // The rotation part from Euler angles in radians (Rz * Ry * Rx); the rest is kept.
    void setRotationRadians(const float a[3]);

    // The point moved by this transform.
    Vec3 transform(const Vec3& p) const;

    // The point moved back by this transform, which must be rigid (rotation
    // and translation only): the transposed rotation of p minus the translation.
    Vec3 inverseTransformRigid(const Vec3& p) const;

private:
    float elements[16];
};

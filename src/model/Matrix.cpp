#include "model/Matrix.h"

#include "common/ExactMaths.h"

Matrix::Matrix() : elements{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

void Matrix::postMultiply(const Matrix& m) {
    const float* t = elements;
    float result[16];
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 3; ++r) {
            result[4 * c + r] = t[r] * m[4 * c] + t[4 + r] * m[4 * c + 1] + t[8 + r] * m[4 * c + 2];
        }
        result[4 * c + 3] = 0.0f;
    }
    for (int r = 0; r < 3; ++r) result[12 + r] += t[12 + r];
    result[15] = 1.0f;
    for (int i = 0; i < 16; ++i) elements[i] = result[i];
}

void Matrix::setTranslation(const float t[3]) {
    elements[12] = t[0];
    elements[13] = t[1];
    elements[14] = t[2];
}

void Matrix::setRotationRadians(const float a[3]) {
    float cr = exact::cos(a[0]), sr = exact::sin(a[0]);
    float cp = exact::cos(a[1]), sp = exact::sin(a[1]);
    float cy = exact::cos(a[2]), sy = exact::sin(a[2]);
    elements[0] = cp * cy;
    elements[1] = cp * sy;
    elements[2] = -sp;
    elements[4] = sr * sp * cy - cr * sy;
    elements[5] = sr * sp * sy + cr * cy;
    elements[6] = sr * cp;
    elements[8] = cr * sp * cy + sr * sy;
    elements[9] = cr * sp * sy - sr * cy;
    elements[10] = cr * cp;
}

Vec3 Matrix::transform(const Vec3& p) const {
    const float* f = elements;
    return {f[0] * p.x + f[4] * p.y + f[8] * p.z + f[12], f[1] * p.x + f[5] * p.y + f[9] * p.z + f[13],
            f[2] * p.x + f[6] * p.y + f[10] * p.z + f[14]};
}

Vec3 Matrix::inverseTransformRigid(const Vec3& p) const {
    const float* f = elements;
    float dx = p.x - f[12], dy = p.y - f[13], dz = p.z - f[14];
    return {dx * f[0] + dy * f[1] + dz * f[2], dx * f[4] + dy * f[5] + dz * f[6], dx * f[8] + dy * f[9] + dz * f[10]};
}

#include "PoseMath.h"

#include <cmath>

PoseMath PoseMath::identity() {
    PoseMath p;
    for (int i = 0; i < 4; ++i) p.m[i][i] = 1.0;
    return p;
}

PoseMath PoseMath::translation(double x, double y, double z) {
    PoseMath p = identity();
    p.m[0][3] = x;
    p.m[1][3] = y;
    p.m[2][3] = z;
    return p;
}

PoseMath PoseMath::rotationX(double a) {
    PoseMath p = identity();
    p.m[1][1] = std::cos(a);
    p.m[1][2] = -std::sin(a);
    p.m[2][1] = std::sin(a);
    p.m[2][2] = std::cos(a);
    return p;
}

PoseMath PoseMath::rotationY(double a) {
    PoseMath p = identity();
    p.m[0][0] = std::cos(a);
    p.m[0][2] = std::sin(a);
    p.m[2][0] = -std::sin(a);
    p.m[2][2] = std::cos(a);
    return p;
}

PoseMath PoseMath::rotationZ(double a) {
    PoseMath p = identity();
    p.m[0][0] = std::cos(a);
    p.m[0][1] = -std::sin(a);
    p.m[1][0] = std::sin(a);
    p.m[1][1] = std::cos(a);
    return p;
}

PoseMath PoseMath::euler(double x, double y, double z) { return rotationZ(z) * rotationY(y) * rotationX(x); }

PoseMath PoseMath::operator*(const PoseMath& other) const {
    PoseMath p;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            for (int k = 0; k < 4; ++k) p.m[r][c] += m[r][k] * other.m[k][c];
        }
    }
    return p;
}

Vec3 PoseMath::apply(const Vec3& p) const {
    double v[3];
    for (int r = 0; r < 3; ++r) v[r] = m[r][0] * p.x + m[r][1] * p.y + m[r][2] * p.z + m[r][3];
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

// PoseMath: an independent 4x4 row-major double matrix for checking the posing.
#pragma once

#include "common/Vec3.h"

#include <array>

struct PoseMath {
    std::array<std::array<double, 4>, 4> m{};

    static PoseMath identity();
    static PoseMath translation(double x, double y, double z);
    static PoseMath rotationX(double a);
    static PoseMath rotationY(double a);
    static PoseMath rotationZ(double a);
    // The rotation about x, then y, then z.
    static PoseMath euler(double x, double y, double z);

    PoseMath operator*(const PoseMath& other) const;
    Vec3 apply(const Vec3& p) const;
    // Element in row r, column c.
    double at(int r, int c) const { return m[r][c]; }
};

#include "Matrix4.h"

#include <cmath>

namespace fixedgl {

namespace {

void normalise(double v[3]) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0.0) return;
    for (int i = 0; i < 3; ++i) v[i] /= length;
}

void cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}
}  // namespace

Matrix4::Matrix4() : m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

Matrix4 Matrix4::translation(double x, double y, double z) {
    Matrix4 t;
    t.at(0, 3) = static_cast<float>(x);
    t.at(1, 3) = static_cast<float>(y);
    t.at(2, 3) = static_cast<float>(z);
    return t;
}

Matrix4 Matrix4::rotation(double degrees, double x, double y, double z) {
    double axis[3] = {x, y, z};
    normalise(axis);
    const double c = std::cos(degrees * radiansPerDegree);
    const double s = std::sin(degrees * radiansPerDegree);
    Matrix4 r;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            // c I + (1 - c) a a^T + s [a]x
            double value = (1.0 - c) * axis[row] * axis[column] + (row == column ? c : 0.0);
            const int other = 3 - row - column;
            if (row != column) value += ((column - row + 3) % 3 == 1 ? -s : s) * axis[other];
            r.at(row, column) = static_cast<float>(value);
        }
    }
    return r;
}

Matrix4 Matrix4::scaling(double x, double y, double z) {
    Matrix4 s;
    s.at(0, 0) = static_cast<float>(x);
    s.at(1, 1) = static_cast<float>(y);
    s.at(2, 2) = static_cast<float>(z);
    return s;
}

Matrix4 Matrix4::ortho(double left, double right, double bottom, double top, double zNear, double zFar) {
    Matrix4 o;
    o.at(0, 0) = static_cast<float>(2.0 / (right - left));
    o.at(1, 1) = static_cast<float>(2.0 / (top - bottom));
    o.at(2, 2) = static_cast<float>(-2.0 / (zFar - zNear));
    o.at(0, 3) = static_cast<float>(-(right + left) / (right - left));
    o.at(1, 3) = static_cast<float>(-(top + bottom) / (top - bottom));
    o.at(2, 3) = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
    return o;
}

Matrix4 Matrix4::perspective(double fovyDegrees, double aspect, double zNear, double zFar) {
    const double half = fovyDegrees / 2.0 * radiansPerDegree;
    const double cotangent = std::cos(half) / std::sin(half);
    Matrix4 p;
    p.at(0, 0) = static_cast<float>(cotangent / aspect);
    p.at(1, 1) = static_cast<float>(cotangent);
    p.at(2, 2) = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
    p.at(3, 2) = -1.0f;
    p.at(2, 3) = static_cast<float>(-2.0 * zNear * zFar / (zFar - zNear));
    p.at(3, 3) = 0.0f;
    return p;
}

Matrix4 Matrix4::lookAt(const double eye[3], const double centre[3], const double up[3]) {
    double forward[3] = {centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]};
    normalise(forward);
    double side[3];
    cross(forward, up, side);
    normalise(side);
    double trueUp[3];
    cross(side, forward, trueUp);
    Matrix4 view;
    for (int column = 0; column < 3; ++column) {
        view.at(0, column) = static_cast<float>(side[column]);
        view.at(1, column) = static_cast<float>(trueUp[column]);
        view.at(2, column) = static_cast<float>(-forward[column]);
    }
    return view * translation(-eye[0], -eye[1], -eye[2]);
}

Matrix4 Matrix4::operator*(const Matrix4& right) const {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += at(row, k) * right.at(k, column);
            product.at(row, column) = sum;
        }
    }
    return product;
}

std::array<float, 4> Matrix4::transform(const float v[4]) const {
    std::array<float, 4> out{};
    for (int row = 0; row < 4; ++row) {
        out[row] = at(row, 0) * v[0] + at(row, 1) * v[1] + at(row, 2) * v[2] + at(row, 3) * v[3];
    }
    return out;
}

std::array<float, 3> Matrix4::transformDirection(const float v[3]) const {
    std::array<float, 3> out{};
    for (int row = 0; row < 3; ++row) out[row] = at(row, 0) * v[0] + at(row, 1) * v[1] + at(row, 2) * v[2];
    return out;
}

std::array<float, 9> Matrix4::normalMatrix() const {
    // The inverse transpose is the cofactor matrix over the determinant.
    auto a = [this](int row, int column) { return static_cast<double>(at(row % 3, column % 3)); };
    double cofactor[3][3];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            cofactor[row][column] =
                a(row + 1, column + 1) * a(row + 2, column + 2) - a(row + 1, column + 2) * a(row + 2, column + 1);
        }
    }
    const double determinant = a(0, 0) * cofactor[0][0] + a(0, 1) * cofactor[0][1] + a(0, 2) * cofactor[0][2];
    const double scale = determinant == 0.0 ? 0.0 : 1.0 / determinant;
    std::array<float, 9> n{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            n[column * 3 + row] = static_cast<float>(cofactor[row][column] * scale);
    }
    return n;
}

}  // namespace fixedgl

// Matrix4: a 4 x 4 float matrix in GL's column-major order, with the
// transforms GL 1.1 and GLU build, and what vertices and normals need of it.
#pragma once

#include <array>

namespace fixedgl {

class Matrix4 {
public:
    static constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;

    Matrix4();  // identity

    static Matrix4 translation(double x, double y, double z);
    static Matrix4 rotation(double degrees, double x, double y, double z);
    static Matrix4 scaling(double x, double y, double z);
    static Matrix4 ortho(double left, double right, double bottom, double top, double zNear, double zFar);
    static Matrix4 perspective(double fovyDegrees, double aspect, double zNear, double zFar);
    static Matrix4 lookAt(const double eye[3], const double centre[3], const double up[3]);

    Matrix4 operator*(const Matrix4& right) const;
    std::array<float, 4> transform(const float v[4]) const;
    // Only the upper 3 x 3: how directions such as the spot direction move.
    std::array<float, 3> transformDirection(const float v[3]) const;
    // The inverse transpose of the upper 3 x 3, column-major, for normals.
    std::array<float, 9> normalMatrix() const;

    const float* data() const { return m.data(); }
    float& at(int row, int column) { return m[column * 4 + row]; }
    float at(int row, int column) const { return m[column * 4 + row]; }

private:
    std::array<float, 16> m;
};

}  // namespace fixedgl

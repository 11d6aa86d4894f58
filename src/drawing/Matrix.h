// An affine 2-D transform: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
// Operations prepend by default (they act first, in the current user space), as
// Graphics::translateTransform and friends do.
#pragma once

#include "drawing/DrawingTypes.h"
#include "drawing/Geometry.h"

namespace sk::drawing {

class Matrix {
public:
    Matrix() = default;
    Matrix(double m11, double m12, double m21, double m22, double dx, double dy)
        : m_m11(m11), m_m12(m12), m_m21(m21), m_m22(m22), m_dx(dx), m_dy(dy) {}

    void reset() { *this = Matrix(); }
    void translate(double dx, double dy, MatrixOrder order = MatrixOrder::Prepend);
    void rotate(double degrees, MatrixOrder order = MatrixOrder::Prepend);  // clockwise on screen
    void scale(double sx, double sy, MatrixOrder order = MatrixOrder::Prepend);
    void multiply(const Matrix& other, MatrixOrder order = MatrixOrder::Prepend);
    bool invert();  // false (and unchanged) when singular

    PointF transform(PointF p) const;
    PointF transformVector(PointF v) const;  // without the translation
    bool isIdentity() const;
    bool isInvertible() const;

    double m11() const { return m_m11; }
    double m12() const { return m_m12; }
    double m21() const { return m_m21; }
    double m22() const { return m_m22; }
    double dx() const { return m_dx; }
    double dy() const { return m_dy; }

    // a * b: first a, then b.
    static Matrix product(const Matrix& first, const Matrix& then);
    friend bool operator==(const Matrix&, const Matrix&) = default;

private:
    double m_m11 = 1, m_m12 = 0, m_m21 = 0, m_m22 = 1, m_dx = 0, m_dy = 0;
};

}  // namespace sk::drawing

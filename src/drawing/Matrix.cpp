// Affine transforms.
#include "drawing/Matrix.h"

#include <cmath>
#include <numbers>

namespace sk::drawing {

Matrix Matrix::product(const Matrix& a, const Matrix& b) {
    return {a.m_m11 * b.m_m11 + a.m_m12 * b.m_m21,        a.m_m11 * b.m_m12 + a.m_m12 * b.m_m22,
            a.m_m21 * b.m_m11 + a.m_m22 * b.m_m21,        a.m_m21 * b.m_m12 + a.m_m22 * b.m_m22,
            a.m_dx * b.m_m11 + a.m_dy * b.m_m21 + b.m_dx, a.m_dx * b.m_m12 + a.m_dy * b.m_m22 + b.m_dy};
}

void Matrix::multiply(const Matrix& other, MatrixOrder order) {
    *this = order == MatrixOrder::Prepend ? product(other, *this) : product(*this, other);
}

void Matrix::translate(double dx, double dy, MatrixOrder order) {
    multiply(Matrix(1, 0, 0, 1, dx, dy), order);
}

void Matrix::rotate(double degrees, MatrixOrder order) {
    const double r = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(r), s = std::sin(r);
    multiply(Matrix(c, s, -s, c, 0, 0), order);
}

void Matrix::scale(double sx, double sy, MatrixOrder order) {
    multiply(Matrix(sx, 0, 0, sy, 0, 0), order);
}

bool Matrix::isInvertible() const {
    const double det = m_m11 * m_m22 - m_m12 * m_m21;
    return std::isfinite(det) && std::abs(det) > 1e-12;
}

bool Matrix::invert() {
    if (!isInvertible()) return false;
    const double det = m_m11 * m_m22 - m_m12 * m_m21;
    const Matrix inv(m_m22 / det, -m_m12 / det, -m_m21 / det, m_m11 / det,
                     (m_m21 * m_dy - m_m22 * m_dx) / det, (m_m12 * m_dx - m_m11 * m_dy) / det);
    *this = inv;
    return true;
}

PointF Matrix::transform(PointF p) const {
    return {static_cast<float>(m_m11 * p.x + m_m21 * p.y + m_dx),
            static_cast<float>(m_m12 * p.x + m_m22 * p.y + m_dy)};
}

PointF Matrix::transformVector(PointF v) const {
    return {static_cast<float>(m_m11 * v.x + m_m21 * v.y), static_cast<float>(m_m12 * v.x + m_m22 * v.y)};
}

bool Matrix::isIdentity() const {
    return *this == Matrix();
}

}  // namespace sk::drawing

// Integer and float points, sizes and rectangles shared by every layer.
// A Rect is given by left, top, width and height; it contains the pixels
// left <= x < left + width and top <= y < top + height.
#pragma once

#include <algorithm>

namespace sk::drawing {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }    // one past the last column
    int bottom() const { return top + height; }   // one past the last row
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
    Point topLeft() const { return {left, top}; }
    Point center() const { return {left + width / 2, top + height / 2}; }
    Rect translated(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    Rect inflated(int dx, int dy) const { return {left - dx, top - dy, width + 2 * dx, height + 2 * dy}; }

    Rect intersected(const Rect& o) const {
        const int l = std::max(left, o.left), t = std::max(top, o.top);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return (r > l && b > t) ? Rect{l, t, r - l, b - t} : Rect{};
    }
    Rect united(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        const int l = std::min(left, o.left), t = std::min(top, o.top);
        const int r = std::max(right(), o.right()), b = std::max(bottom(), o.bottom());
        return {l, t, r - l, b - t};
    }
    static Rect fromEdges(int l, int t, int r, int b) { return {l, t, r - l, b - t}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct PointF {
    float x = 0;
    float y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    float right() const { return x + width; }
    float bottom() const { return y + height; }
    friend bool operator==(const RectF&, const RectF&) = default;
};

}  // namespace sk::drawing

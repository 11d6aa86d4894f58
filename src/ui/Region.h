// A window shape: the set of pixels of a control that belong to it, kept as
// rectangles in the control's coordinates. A control with a shape paints and
// receives the mouse only inside it.
#pragma once

#include <vector>

#include "drawing/Geometry.h"

namespace sk::ui {

class Region {
public:
    Region() = default;
    explicit Region(const drawing::Rect& r) { add(r); }

    // The classic rounded-rectangle region between (left, top) and (right, bottom),
    // right and bottom excluded, with corner ellipses of the given width and height.
    static Region roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

    void add(const drawing::Rect& r);
    bool empty() const { return m_rects.empty(); }
    bool contains(drawing::Point p) const;
    drawing::Rect bounds() const;
    const std::vector<drawing::Rect>& rects() const { return m_rects; }
    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<drawing::Rect> m_rects;
};

}  // namespace sk::ui

// Window shapes.
#include "ui/Region.h"

#include <cmath>

namespace sk::ui {

Region Region::roundRect(int left, int top, int right, int bottom, int ew, int eh) {
    Region region;
    const int width = right - left, height = bottom - top;
    if (width <= 0 || height <= 0) return region;
    ew = std::min(std::max(ew, 0), width);
    eh = std::min(std::max(eh, 0), height);
    if (ew < 2 || eh < 2) {
        region.add({left, top, width, height});
        return region;
    }
    // One span per row: inset on rows that cross a corner ellipse.
    const double a = ew / 2.0, b = eh / 2.0;
    for (int y = 0; y < height; ++y) {
        const double cy = y + 0.5;
        double dy = 0;
        if (cy < b)
            dy = b - cy;
        else if (cy > height - b)
            dy = cy - (height - b);
        int inset = 0;
        if (dy > 0) {
            const double t = std::max(0.0, 1.0 - (dy * dy) / (b * b));
            inset = static_cast<int>(std::lround(a - a * std::sqrt(t)));
        }
        if (width - 2 * inset > 0) region.add({left + inset, top + y, width - 2 * inset, 1});
    }
    return region;
}

void Region::add(const drawing::Rect& r) {
    if (r.empty()) return;
    // Rows of equal span collapse into one rectangle, which keeps hit tests short.
    if (!m_rects.empty()) {
        drawing::Rect& last = m_rects.back();
        if (last.left == r.left && last.width == r.width && last.bottom() == r.top) {
            last.height += r.height;
            return;
        }
    }
    m_rects.push_back(r);
}

bool Region::contains(drawing::Point p) const {
    for (const auto& r : m_rects)
        if (r.contains(p)) return true;
    return false;
}

drawing::Rect Region::bounds() const {
    drawing::Rect result;
    for (const auto& r : m_rects) result = result.united(r);
    return result;
}

}  // namespace sk::ui

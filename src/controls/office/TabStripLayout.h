// The geometry of a page control's tab strip: which row each tab lies in, where
// the rows stand (the selected tab's row always touches the page), the tab
// rectangles, the strip's bottom and the hit test. Pure arithmetic, so that the
// painting and the mouse handling of the page control read the same rectangles.
#pragma once

#include <vector>

#include "drawing/Geometry.h"

namespace sk::office {

struct TabStripInput {
    std::vector<int> widths;      // the full width of each tab in strip order, padding included
    int clientWidth = 0;          // the width of the page control
    int tabHeight = 0;            // the height of every row
    bool multiLine = false;       // wrap tabs that do not fit into further rows
    bool scrollOpposite = false;  // rows in front of the selected one go round to the far side
    int selected = -1;            // the selected tab, -1 for none
};

class TabStripLayout {
public:
    // The strip's own spacing: where the first tab starts, the gap kept free at the
    // right end of a row, and the padding a tab gets on each side of its content.
    static constexpr int kStripLeft = 2;
    static constexpr int kStripTop = 2;
    static constexpr int kRightReserve = 2;
    static constexpr int kTabPadding = 6;

    TabStripLayout() = default;
    explicit TabStripLayout(const TabStripInput& input) { layout(input); }

    void layout(const TabStripInput& input);

    int count() const { return static_cast<int>(m_rects.size()); }
    const drawing::Rect& tabRect(int index) const { return m_rects[static_cast<std::size_t>(index)]; }
    int rowCount() const { return m_rowCount; }
    int rowOf(int index) const { return m_rows[static_cast<std::size_t>(index)]; }

    // The bottom of the lowest row (B) and the right edge of the rightmost tab (R);
    // without tabs both describe an empty strip at the top of the control.
    int stripBottom() const { return m_stripBottom; }
    int stripRight() const { return m_stripRight; }

    // The tab under the point, or -1.
    int hitTest(drawing::Point point) const;

private:
    std::vector<drawing::Rect> m_rects;
    std::vector<int> m_rows;
    int m_rowCount = 0;
    int m_stripBottom = kStripTop;
    int m_stripRight = kStripLeft;
};

}  // namespace sk::office

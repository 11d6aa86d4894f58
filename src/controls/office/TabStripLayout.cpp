// Row wrapping, row rotation and tab rectangles of a page control's tab strip.
#include "controls/office/TabStripLayout.h"

#include <algorithm>

namespace sk::office {

void TabStripLayout::layout(const TabStripInput& input) {
    const int n = static_cast<int>(input.widths.size());
    m_rects.assign(static_cast<std::size_t>(n), drawing::Rect{});
    m_rows.assign(static_cast<std::size_t>(n), 0);
    m_rowCount = 0;
    m_stripBottom = kStripTop;
    m_stripRight = kStripLeft;
    if (n == 0) return;

    // Wrap into rows. A row always takes at least one tab, however narrow the control.
    const int rowWidth = std::max(0, input.clientWidth - kStripLeft - kRightReserve);
    std::vector<int> rowStarts{0};
    int used = 0;
    for (int i = 0; i < n; ++i) {
        const int w = std::max(0, input.widths[static_cast<std::size_t>(i)]);
        if (input.multiLine && used > 0 && used + w > rowWidth) {
            rowStarts.push_back(i);
            used = 0;
        }
        used += w;
        m_rows[static_cast<std::size_t>(i)] = static_cast<int>(rowStarts.size()) - 1;
    }
    m_rowCount = static_cast<int>(rowStarts.size());
    rowStarts.push_back(n);

    // Place the rows: distance 0 is the row that touches the page. The selected tab's
    // row moves there; with scrollOpposite the rows are turned round like a drum, so
    // those in front of the selected row go to the far side, otherwise the selected
    // row just swaps places with the front row's neighbours keeping their order.
    const int selectedRow =
        (input.selected >= 0 && input.selected < n) ? m_rows[static_cast<std::size_t>(input.selected)] : 0;
    std::vector<int> distance(static_cast<std::size_t>(m_rowCount));
    for (int row = 0; row < m_rowCount; ++row) {
        if (input.scrollOpposite)
            distance[static_cast<std::size_t>(row)] = (row - selectedRow + m_rowCount) % m_rowCount;
        else if (row == selectedRow)
            distance[static_cast<std::size_t>(row)] = 0;
        else
            distance[static_cast<std::size_t>(row)] = row < selectedRow ? row + 1 : row;
    }

    const int height = std::max(0, input.tabHeight);
    for (int row = 0; row < m_rowCount; ++row) {
        const int first = rowStarts[static_cast<std::size_t>(row)];
        const int last = rowStarts[static_cast<std::size_t>(row) + 1];
        int natural = 0;
        for (int i = first; i < last; ++i) natural += std::max(0, input.widths[static_cast<std::size_t>(i)]);
        // With more than one row every row is stretched to the full width, so that the
        // rows stack as even blocks whichever of them lies in front.
        const int extra = m_rowCount > 1 ? std::max(0, rowWidth - natural) : 0;
        const int top = kStripTop + (m_rowCount - 1 - distance[static_cast<std::size_t>(row)]) * height;
        int x = kStripLeft;
        const int tabs = last - first;
        for (int i = first; i < last; ++i) {
            const int k = i - first;
            const int share = extra * (k + 1) / tabs - extra * k / tabs;
            const int w = std::max(0, input.widths[static_cast<std::size_t>(i)]) + share;
            m_rects[static_cast<std::size_t>(i)] = {x, top, w, height};
            x += w;
        }
        m_stripRight = std::max(m_stripRight, x);
    }
    m_stripBottom = kStripTop + m_rowCount * height;
}

int TabStripLayout::hitTest(drawing::Point point) const {
    for (int i = 0; i < count(); ++i)
        if (m_rects[static_cast<std::size_t>(i)].contains(point)) return i;
    return -1;
}

}  // namespace sk::office

// Where a smooth control places its caption: the nine places of a 3 x 3 grid and
// a custom position. The smooth label and the smooth panel share the values
// (TAdvSmoothLabelLocation, TAdvSmoothPanelLocation) and their stored names.
#pragma once

#include "ui/Properties.h"

namespace sk::smooth {

enum TAdvSmoothLabelLocation {
    plTopLeft,
    plTopCenter,
    plTopRight,
    plCenterLeft,
    plCenterCenter,
    plCenterRight,
    plBottomLeft,
    plBottomCenter,
    plBottomRight,
    plCustom
};
using TAdvSmoothPanelLocation = TAdvSmoothLabelLocation;

// The stored names, in value order.
const ui::EnumNames& smoothLocationNames();

inline bool isLeftLocation(TAdvSmoothLabelLocation l) {
    return l == plTopLeft || l == plCenterLeft || l == plBottomLeft;
}
inline bool isRightLocation(TAdvSmoothLabelLocation l) {
    return l == plTopRight || l == plCenterRight || l == plBottomRight;
}
inline bool isTopLocation(TAdvSmoothLabelLocation l) {
    return l == plTopLeft || l == plTopCenter || l == plTopRight;
}
inline bool isBottomLocation(TAdvSmoothLabelLocation l) {
    return l == plBottomLeft || l == plBottomCenter || l == plBottomRight;
}

}  // namespace sk::smooth

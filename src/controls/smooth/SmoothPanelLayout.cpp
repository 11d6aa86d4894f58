// The smooth panel's geometry.
#include "controls/smooth/SmoothPanelLayout.h"

#include <algorithm>

#include "drawing/Color.h"

namespace sk::smooth {

namespace {

// The width a fill's picture takes in a row: its own or its custom width.
int pictureWidth(const TGDIPFill& fill) {
    const TAdvGDIPPicture& picture = *fill.Picture();
    return fill.PictureSize() == psCustom ? fill.PictureWidth() : picture.Width();
}

bool isLeftLocation(TAdvSmoothPanelLocation l) {
    return l == plTopLeft || l == plCenterLeft || l == plBottomLeft;
}
bool isRightLocation(TAdvSmoothPanelLocation l) {
    return l == plTopRight || l == plCenterRight || l == plBottomRight;
}
bool isTopLocation(TAdvSmoothPanelLocation l) {
    return l == plTopLeft || l == plTopCenter || l == plTopRight;
}
bool isBottomLocation(TAdvSmoothPanelLocation l) {
    return l == plBottomLeft || l == plBottomCenter || l == plBottomRight;
}

bool inTopRow(TAdvSmoothPanelLocation l) {
    return l == plTopLeft || l == plTopRight;
}
bool inBottomRow(TAdvSmoothPanelLocation l) {
    return l == plBottomLeft || l == plBottomRight;
}

}  // namespace

PanelCaptionArea captionArea(const drawing::RectF& content, const TGDIPFill& fill,
                             TAdvSmoothPanelLocation location) {
    PanelCaptionArea area{content, 0};
    if (fill.Picture()->Empty()) return area;
    const TFillPicturePosition at = fill.PicturePosition();
    const bool leftOfRow =
        (at == ppTopLeft && inTopRow(location)) || (at == ppBottomLeft && inBottomRow(location));
    const bool rightOfRow =
        (at == ppTopRight && inTopRow(location)) || (at == ppBottomRight && inBottomRow(location));
    if (!leftOfRow && !rightOfRow) return area;
    area.pictureRoom = pictureWidth(fill);
    if (leftOfRow) area.rect.x += static_cast<float>(area.pictureRoom);
    area.rect.width -= static_cast<float>(area.pictureRoom);
    return area;
}

drawing::Point placeBlock(TAdvSmoothPanelLocation location, const drawing::RectF& area, drawing::Size size,
                          drawing::Point custom) {
    if (location == plCustom) return custom;
    const int x = drawing::roundHalfEven(area.x), y = drawing::roundHalfEven(area.y);
    const int w = drawing::roundHalfEven(area.width), h = drawing::roundHalfEven(area.height);
    const int right = std::max(w - size.width, x);
    drawing::Point p;
    p.x = isLeftLocation(location) ? x : isRightLocation(location) ? right : right / 2;
    p.y = isTopLocation(location) ? y : isBottomLocation(location) ? h - size.height : (h - size.height) / 2;
    return p;
}

PanelRule captionRule(TAdvSmoothPanelLocation location, const drawing::RectF& area, int top, int textHeight) {
    return {drawing::roundHalfEven(area.x + 2), drawing::roundHalfEven(area.width - 2),
            isBottomLocation(location) ? top - 2 : top + textHeight};
}

}  // namespace sk::smooth

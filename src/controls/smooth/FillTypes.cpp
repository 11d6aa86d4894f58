// Stored names of the fill enumerations, rounded shapes and picture placement.
#include "controls/smooth/FillTypes.h"

#include "drawing/Color.h"

namespace sk::smooth {

using drawing::RectF;

const ui::EnumNames& gradientTypeNames() {
    static const ui::EnumNames names{
        "TAdvGradientType",
        {"gtSolid", "gtRadial", "gtVertical", "gtHorizontal", "gtForwardDiagonal", "gtBackwardDiagonal",
         "gtAngle", "gtHatch", "gtPath", "gtTexture", "gtNone"}};
    return names;
}

const ui::EnumNames& picturePositionNames() {
    static const ui::EnumNames names{
        "TFillPicturePosition",
        {"ppTopLeft", "ppTopCenter", "ppTopRight", "ppBottomLeft", "ppBottomCenter", "ppBottomRight",
         "ppTiled", "ppStretched", "ppCenterLeft", "ppCenterCenter", "ppCenterRight", "ppCustom"}};
    return names;
}

const ui::EnumNames& pictureSizeNames() {
    static const ui::EnumNames names{"TFillPictureSize", {"psOriginal", "psCustom"}};
    return names;
}

const ui::EnumNames& roundingTypeNames() {
    static const ui::EnumNames names{"TFillRoundingType",
                                     {"rtNone", "rtTop", "rtBottom", "rtBoth", "rtLeft", "rtRight"}};
    return names;
}

const ui::EnumNames& pictureModeNames() {
    static const ui::EnumNames names{"TFillPictureMode", {"pmInsideFill", "pmOutsideFill"}};
    return names;
}

const ui::EnumNames& glowModeNames() {
    static const ui::EnumNames names{"TGlowMode", {"gmNone", "gmGradient", "gmRadial", "gmRadialGradient"}};
    return names;
}

const ui::EnumNames& hatchStyleNames() {
    static const ui::EnumNames names = [] {
        ui::EnumNames n{"HatchStyle", {}};
        for (int style = drawing::HatchStyleMin; style <= drawing::HatchStyleMax; ++style)
            n.names.emplace_back(drawing::hatchStyleName(static_cast<HatchStyle>(style)));
        n.names.emplace_back("HatchStyleTotal");
        return n;
    }();
    return names;
}

namespace {

struct Corners {
    bool topLeft, topRight, bottomRight, bottomLeft;
};

Corners cornersOf(TFillRoundingType rounding) {
    switch (rounding) {
        case rtTop:
            return {true, true, false, false};
        case rtBottom:
            return {false, false, true, true};
        case rtBoth:
            return {true, true, true, true};
        case rtLeft:
            return {true, false, false, true};
        case rtRight:
            return {false, true, true, false};
        case rtNone:
            break;
    }
    return {false, false, false, false};
}

}  // namespace

drawing::GraphicsPath roundedShape(const RectF& rect, int radius, TFillRoundingType rounding) {
    drawing::GraphicsPath path;
    const float x = rect.x, y = rect.y, r = rect.right(), b = rect.bottom();
    const float d = 2.0f * static_cast<float>(radius);
    const Corners corners = radius > 0 ? cornersOf(rounding) : Corners{false, false, false, false};
    if (corners.topLeft)
        path.addArc(RectF{x, y, d, d}, 180, 90);
    else
        path.addLine(x, y, x, y);
    if (corners.topRight)
        path.addArc(RectF{r - d, y, d, d}, 270, 90);
    else
        path.addLine(r, y, r, y);
    if (corners.bottomRight)
        path.addArc(RectF{r - d, b - d, d, d}, 0, 90);
    else
        path.addLine(r, b, r, b);
    if (corners.bottomLeft)
        path.addArc(RectF{x, b - d, d, d}, 90, 90);
    else
        path.addLine(x, b, x, b);
    path.closeFigure();
    return path;
}

drawing::Rect placePicture(const RectF& rect, drawing::Size size, TFillPicturePosition position,
                           drawing::Point custom) {
    const int l = drawing::roundHalfEven(rect.x), t = drawing::roundHalfEven(rect.y);
    const int r = l + drawing::roundHalfEven(rect.width), b = t + drawing::roundHalfEven(rect.height);
    const int pw = size.width, ph = size.height;
    // Integer division truncates toward zero, as the placement rule says, so a
    // picture wider than the room overhangs equally on both sides.
    const int centreX = l + (r - l - pw) / 2, centreY = t + (b - t - ph) / 2;
    switch (position) {
        case ppTopLeft:
            return {l, t, pw, ph};
        case ppTopCenter:
            return {centreX, t, pw, ph};
        case ppTopRight:
            return {r - pw, t, pw, ph};
        case ppBottomLeft:
            return {l, b - ph, pw, ph};
        case ppBottomCenter:
            return {centreX, b - ph, pw, ph};
        case ppBottomRight:
            return {r - pw, b - ph, pw, ph};
        case ppCenterLeft:
            return {l, centreY, pw, ph};
        case ppCenterCenter:
            return {centreX, centreY, pw, ph};
        case ppCenterRight:
            return {r - pw, centreY, pw, ph};
        case ppStretched:
            return {l, t, r - l, b - t};
        case ppCustom:
            return {custom.x, custom.y, pw, ph};
        case ppTiled:
            break;
    }
    return {};
}

}  // namespace sk::smooth

// The enumerations of the smooth controls' fills and captions, their stored
// names, and the geometry both the fill and its owners use: the rounded shape
// of a rectangle and the placement of a picture in a rectangle.
#pragma once

#include "drawing/DrawingTypes.h"
#include "drawing/Geometry.h"
#include "drawing/GraphicsPath.h"
#include "ui/Properties.h"

namespace sk::smooth {

enum TAdvGradientType {
    gtSolid,
    gtRadial,
    gtVertical,
    gtHorizontal,
    gtForwardDiagonal,
    gtBackwardDiagonal,
    gtAngle,
    gtHatch,
    gtPath,
    gtTexture,
    gtNone
};
enum TFillPicturePosition {
    ppTopLeft,
    ppTopCenter,
    ppTopRight,
    ppBottomLeft,
    ppBottomCenter,
    ppBottomRight,
    ppTiled,
    ppStretched,
    ppCenterLeft,
    ppCenterCenter,
    ppCenterRight,
    ppCustom
};
enum TFillPictureSize { psOriginal, psCustom };
enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };

using drawing::HatchStyle;

// Stored names, in value order.
const ui::EnumNames& gradientTypeNames();
const ui::EnumNames& picturePositionNames();
const ui::EnumNames& pictureSizeNames();
const ui::EnumNames& roundingTypeNames();
const ui::EnumNames& pictureModeNames();
const ui::EnumNames& glowModeNames();
// HatchStyleHorizontal .. HatchStyleSolidDiamond, then HatchStyleTotal.
const ui::EnumNames& hatchStyleNames();

// The closed figure of a rectangle with corners of radius `radius`, going clockwise
// from the top-left; only the corners that `rounding` names are arcs.
drawing::GraphicsPath roundedShape(const drawing::RectF& rect, int radius, TFillRoundingType rounding);

// Where a picture of `size` goes in the rectangle made of `rect` rounded to whole
// pixels, for every position but ppTiled (which places nothing: empty result) and
// ppCustom (placed at `custom`). ppStretched takes the whole rectangle.
drawing::Rect placePicture(const drawing::RectF& rect, drawing::Size size, TFillPicturePosition position,
                           drawing::Point custom);

}  // namespace sk::smooth

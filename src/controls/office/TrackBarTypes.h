// The enumerations of the track bar and its sub-objects, with their names for
// form descriptions.
#pragma once

#include "ui/Properties.h"

namespace sk::office {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TMoveOnClick { mcStep, mcMove };
enum TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
enum TThumbShape {
    tsPointer,
    tsRectangle,
    tsRoundRect,
    tsRound,
    tsLine,
    tsPointerLeftUp,
    tsPointerRightUp,
    tsTriangle,
    tsTriangleLeft,
    tsTriangleRight
};
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTrackButtonShape { bsRound, bsRectangle };
enum TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };

const ui::EnumNames& orientationNames();
const ui::EnumNames& moveOnClickNames();
const ui::EnumNames& gradientDirectionNames();
const ui::EnumNames& thumbShapeNames();
const ui::EnumNames& tickMarkNames();
const ui::EnumNames& tickStyleNames();
const ui::EnumNames& trackButtonShapeNames();
const ui::EnumNames& labelPositionNames();

}  // namespace sk::office

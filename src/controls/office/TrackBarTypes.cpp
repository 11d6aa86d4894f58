#include "controls/office/TrackBarTypes.h"

namespace sk::office {

const ui::EnumNames& orientationNames() {
    static const ui::EnumNames names{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
    return names;
}

const ui::EnumNames& moveOnClickNames() {
    static const ui::EnumNames names{"TMoveOnClick", {"mcStep", "mcMove"}};
    return names;
}

const ui::EnumNames& gradientDirectionNames() {
    static const ui::EnumNames names{"TGradientDirection",
                                     {"gdHorizontal", "gdVertical", "gdHorizontalInOut", "gdVerticalInOut"}};
    return names;
}

const ui::EnumNames& thumbShapeNames() {
    static const ui::EnumNames names{
        "TThumbShape",
        {"tsPointer", "tsRectangle", "tsRoundRect", "tsRound", "tsLine", "tsPointerLeftUp",
         "tsPointerRightUp", "tsTriangle", "tsTriangleLeft", "tsTriangleRight"}};
    return names;
}

const ui::EnumNames& tickMarkNames() {
    static const ui::EnumNames names{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};
    return names;
}

const ui::EnumNames& tickStyleNames() {
    static const ui::EnumNames names{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};
    return names;
}

const ui::EnumNames& trackButtonShapeNames() {
    static const ui::EnumNames names{"TTrackButtonShape", {"bsRound", "bsRectangle"}};
    return names;
}

const ui::EnumNames& labelPositionNames() {
    static const ui::EnumNames names{
        "TLabelPosition",
        {"lpTopCenter", "lpTopLeft", "lpTopRight", "lpBottomCenter", "lpBottomLeft", "lpBottomRight"}};
    return names;
}

}  // namespace sk::office

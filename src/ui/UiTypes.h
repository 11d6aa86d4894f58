// Small types shared across the framework: colours as the controls store them,
// cursors, alignments and mouse arguments.
#pragma once

#include <cstdint>
#include <functional>

#include "drawing/Color.h"
#include "drawing/Geometry.h"
#include "platform/Input.h"

namespace sk::ui {

class Persistent;

// Window colours and their names come from the drawing layer.
using drawing::ARGB;
using drawing::cl3DDkShadow;
using drawing::cl3DLight;
using drawing::clAqua;
using drawing::clBlack;
using drawing::clBlue;
using drawing::clBtnFace;
using drawing::clBtnHighlight;
using drawing::clBtnShadow;
using drawing::clBtnText;
using drawing::clDefault;
using drawing::clFuchsia;
using drawing::clGray;
using drawing::clGrayText;
using drawing::clGreen;
using drawing::clHighlight;
using drawing::clHighlightText;
using drawing::clInfoBk;
using drawing::clInfoText;
using drawing::clLime;
using drawing::clMaroon;
using drawing::clMoneyGreen;
using drawing::clNavy;
using drawing::clNone;
using drawing::clOlive;
using drawing::clPurple;
using drawing::clRed;
using drawing::clSilver;
using drawing::clTeal;
using drawing::clWhite;
using drawing::clWindow;
using drawing::clWindowText;
using drawing::clYellow;
using drawing::TColor;

using TNotifyEventPersistent = std::function<void(Persistent* sender)>;

enum TCursor { crDefault, crArrow, crHandPoint, crIBeam, crSizeWE, crSizeNS, crHourGlass };

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TTextLayout { tlTop, tlCenter, tlBottom };

using TShiftState = unsigned;  // platform::Modifier bits
using platform::MouseButton;

struct MouseArgs {
    MouseButton button = MouseButton::Left;
    TShiftState shift = 0;
    drawing::Point pos;  // in the control's coordinates
    bool doubleClick = false;
};

}  // namespace sk::ui

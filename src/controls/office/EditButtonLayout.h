// Where the button of an edit with a built-in button goes, where the text may
// go so that it never reaches under the button, and how low the field may be.
#pragma once

#include "drawing/Geometry.h"

namespace sk::office {

struct EditButtonFrame {
    drawing::Size field;   // the whole field, borders included
    drawing::Size client;  // its client area
    int buttonWidth = 18;
    bool flat = false;
    bool singleBorder = true;  // a border is drawn around the field
    bool ctl3D = true;         // the border is three-dimensional
    bool newStyleControls = true;
};

// The button's bounds in the field's client coordinates.
drawing::Rect editButtonBounds(const EditButtonFrame& frame);

// The edit's text rectangle in client coordinates; its width is never below 0, so
// a button as wide as the field leaves no room for text at all.
drawing::Rect editTextRect(const EditButtonFrame& frame);

// The least height of the field: the text height of its font plus a quarter of
// the smaller of that and the default screen font's text height.
int editMinimumHeight(int fontTextHeight, int screenFontTextHeight);

}  // namespace sk::office

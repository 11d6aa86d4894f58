// A window font for the drawing tests: black, of the given face, pixel height and weight.
#pragma once

#include <string>

#include "drawing/Canvas.h"
#include "drawing/Color.h"

namespace sk::drawing {

inline CanvasFont windowFont(const std::string& name, int height, bool bold = false) {
    CanvasFont font;
    font.name = name;
    font.height = height;
    font.bold = bold;
    font.color = clBlack;
    return font;
}

}  // namespace sk::drawing

// The font of a smooth control's caption: the face by name, "Arial" when the
// face or its style is missing, in points, bold, italic and underline
// (strike-out is not rendered).
#pragma once

#include "drawing/Font.h"
#include "ui/Font.h"

namespace sk::smooth {

drawing::Font captionFont(const ui::TFont& font);

}  // namespace sk::smooth

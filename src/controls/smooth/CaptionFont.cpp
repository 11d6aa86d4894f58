// The smooth controls' caption font.
#include "controls/smooth/CaptionFont.h"

namespace sk::smooth {

drawing::Font captionFont(const ui::TFont& font) {
    int style = drawing::FontStyleRegular;
    if (font.hasStyle(ui::fsBold)) style |= drawing::FontStyleBold;
    if (font.hasStyle(ui::fsItalic)) style |= drawing::FontStyleItalic;
    if (font.hasStyle(ui::fsUnderline)) style |= drawing::FontStyleUnderline;
    const auto points = static_cast<float>(font.Size());
    drawing::Font wanted(font.Name(), points, style);
    if (wanted.status() == drawing::Status::Ok) return wanted;
    return drawing::Font("Arial", points, style);
}

}  // namespace sk::smooth

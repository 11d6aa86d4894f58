// Font descriptions.
#include "ui/Font.h"

#include <cmath>

namespace sk::ui {

namespace {
const EnumNames kFontStyleNames{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const EnumNames kPitchNames{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
const IntIdents kCharsetIdents{{{"ANSI_CHARSET", 0},
                                {"DEFAULT_CHARSET", 1},
                                {"SYMBOL_CHARSET", 2},
                                {"SHIFTJIS_CHARSET", 128},
                                {"HANGEUL_CHARSET", 129},
                                {"GB2312_CHARSET", 134},
                                {"CHINESEBIG5_CHARSET", 136},
                                {"OEM_CHARSET", 255},
                                {"GREEK_CHARSET", 161},
                                {"TURKISH_CHARSET", 162},
                                {"HEBREW_CHARSET", 177},
                                {"ARABIC_CHARSET", 178},
                                {"BALTIC_CHARSET", 186},
                                {"RUSSIAN_CHARSET", 204},
                                {"THAI_CHARSET", 222},
                                {"EASTEUROPE_CHARSET", 238}}};
}  // namespace

const ClassInfo& TFont::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TFont>("TFont", &Persistent::staticClassInfo())
            .integer("Charset", &TFont::Charset, &TFont::SetCharset, 1LL, &kCharsetIdents)
            .color("Color", &TFont::Color, &TFont::SetColor, static_cast<long long>(clWindowText))
            .integer("Height", &TFont::Height, &TFont::SetHeight, -11LL)
            .string("Name", &TFont::Name, &TFont::SetName, std::string("MS Sans Serif"))
            .enumeration("Pitch", &TFont::Pitch, &TFont::SetPitch, fpDefault, kPitchNames)
            .omitDefaultInWhole()
            .setOf("Style", &TFont::Style, &TFont::SetStyle, 0, kFontStyleNames)
            .build();
    return info;
}
const ClassInfo& TFont::classInfo() const {
    return staticClassInfo();
}

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
    if (name == m_name) return;
    m_name = name;
    changed();
}

void TFont::SetHeight(int height) {
    if (height == m_height) return;
    m_height = height;
    changed();
}

int TFont::Size() const {
    // Points = -height * 72 / 96, rounded as the classic MulDiv does (halves away from zero).
    const double points = -m_height * 72.0 / 96.0;
    return static_cast<int>(std::lround(points));
}

void TFont::SetSize(int points) {
    SetHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

void TFont::SetStyle(TFontStyles style) {
    style &= 0xF;
    if (style == m_style) return;
    m_style = style;
    changed();
}

void TFont::SetColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    changed();
}

void TFont::SetCharset(int charset) {
    if (charset == m_charset) return;
    m_charset = charset;
    changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == m_pitch) return;
    m_pitch = pitch;
    changed();
}

int TFont::pixelHeight() const {
    if (m_height < 0) return -m_height;
    // A positive height is the cell height; internal leading is about a fifth of it.
    return m_height == 0 ? 11 : std::max(1, m_height * 4 / 5);
}

bool TFont::sameAs(const TFont& o) const {
    return m_name == o.m_name && m_height == o.m_height && m_style == o.m_style && m_color == o.m_color &&
           m_charset == o.m_charset && m_pitch == o.m_pitch;
}

drawing::CanvasFont TFont::canvasFont() const {
    drawing::CanvasFont f;
    f.name = m_name;
    f.height = m_height;
    f.bold = hasStyle(fsBold);
    f.italic = hasStyle(fsItalic);
    f.underline = hasStyle(fsUnderline);
    f.strikeOut = hasStyle(fsStrikeOut);
    f.color = m_color;
    f.charset = m_charset == RUSSIAN_CHARSET ? drawing::CanvasFont::Charset::Cyrillic
                : m_charset == ANSI_CHARSET  ? drawing::CanvasFont::Charset::Western
                                             : drawing::CanvasFont::Charset::Default;
    f.pitch = m_pitch == fpFixed      ? drawing::CanvasFont::Pitch::Fixed
              : m_pitch == fpVariable ? drawing::CanvasFont::Pitch::Variable
                                      : drawing::CanvasFont::Pitch::Default;
    return f;
}

void TFont::changed() {
    Persistent::changed();
    if (OnChange) OnChange(this);
}

}  // namespace sk::ui

// Fonts of the 2-D API. A FontFamily is looked up by name through the program's
// font configuration (see FontConfiguration.h); a family that no installed face
// carries reports FontFamilyNotFound, and callers then use "Arial":
//
//   FontFamily family("Tahoma");
//   if (family.status() != Status::Ok) family = FontFamily("Arial");
//   Font font(family, 8, FontStyleBold);            // 8 points at 96 dpi
//   Font label(family, 13, FontStyleRegular, FontUnit::Pixel);
#pragma once

#include <string>

#include "drawing/CairoHandles.h"
#include "drawing/DrawingTypes.h"

namespace sk::drawing {

class FontFamily {
public:
    explicit FontFamily(std::string name);
    FontFamily(const FontFamily&) = default;
    FontFamily& operator=(const FontFamily&) = default;

    const std::string& name() const { return m_name; }
    // Ok, or FontFamilyNotFound when no outline face carries the name.
    Status status() const { return m_status; }
    // Whether the style (bold, italic; underline and strike-out always are) can be
    // drawn in this family: bold and italic can be made from a face without them, but
    // not the other way round (a family with italic faces only has no upright style).
    bool isStyleAvailable(int fontStyle) const;

private:
    std::string m_name;
    Status m_status;
    bool m_hasUpright = false, m_hasItalic = false;
};

class Font {
public:
    // emSize in points (96 dpi: 1 point = 4/3 pixel) or pixels. status() is the
    // family's status, or FontStyleNotFound when the style is not available; the font
    // draws with the substituted face anyway.
    Font(const FontFamily& family, float emSize, int fontStyle = FontStyleRegular,
         FontUnit unit = FontUnit::Point);
    Font(const std::string& familyName, float emSize, int fontStyle = FontStyleRegular,
         FontUnit unit = FontUnit::Point);
    Font(const Font& other);
    Font& operator=(const Font& other);
    ~Font() = default;

    Status status() const { return m_status; }
    const FontFamily& family() const { return m_family; }
    float size() const { return m_size; }
    FontUnit unit() const { return m_unit; }
    int style() const { return m_style; }
    float emPixels() const;  // em size in pixels
    // The height of one line in pixels (ascent + descent of the face, no extra leading).
    float lineHeight() const;

    // For the drawing layer.
    const PangoFontDescription* pangoDescription() const { return m_description.get(); }

private:
    void build();

    FontFamily m_family;
    float m_size;
    int m_style;
    FontUnit m_unit;
    Status m_status = Status::Ok;
    detail::FontDescription m_description;
};

}  // namespace sk::drawing

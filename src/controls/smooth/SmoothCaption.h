// SmoothCaption: what the smooth label's and the smooth panel's captions share —
// a text, its place, its font and how its glyphs are filled (colours with
// opacities, gradient kind, hatch, or a picture). Changes of the font and the
// picture are the caption's own (OnChange).
// The two captions differ in their defaults and in the order they stream their
// values, so each keeps its own class description.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/smooth/AdvGDIPPicture.h"
#include "controls/smooth/ByteProperty.h"
#include "controls/smooth/FillTypes.h"
#include "controls/smooth/NotifyingPersistent.h"
#include "ui/Font.h"
#include "ui/Properties.h"

namespace sk::smooth {

enum TAdvSmoothLabelLocation {
    plTopLeft,
    plTopCenter,
    plTopRight,
    plCenterLeft,
    plCenterCenter,
    plCenterRight,
    plBottomLeft,
    plBottomCenter,
    plBottomRight,
    plCustom
};
const ui::EnumNames& labelLocationNames();

class SmoothCaption : public NotifyingPersistent {
public:
    struct Defaults {
        TAdvSmoothLabelLocation location;
        int fontPoints;
        drawing::TColor colorStart;
        drawing::TColor colorEnd;
    };

    ~SmoothCaption() override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& value) { set(m_text, value); }
    TAdvSmoothLabelLocation Location() const { return m_location; }
    void SetLocation(TAdvSmoothLabelLocation value) { set(m_location, value); }
    ui::TFont* Font() const { return m_font.get(); }
    int Left() const { return m_left; }
    void SetLeft(int value) { set(m_left, value); }
    int Top() const { return m_top; }
    void SetTop(int value) { set(m_top, value); }
    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    drawing::TColor ColorStart() const { return m_colorStart; }
    void SetColorStart(drawing::TColor value) { set(m_colorStart, value); }
    drawing::TColor ColorEnd() const { return m_colorEnd; }
    void SetColorEnd(drawing::TColor value) { set(m_colorEnd, value); }
    std::uint8_t OpacityStart() const { return m_opacityStart; }
    void SetOpacityStart(std::uint8_t value) { set(m_opacityStart, value); }
    std::uint8_t OpacityEnd() const { return m_opacityEnd; }
    void SetOpacityEnd(std::uint8_t value) { set(m_opacityEnd, value); }
    TAdvGradientType GradientType() const { return m_gradientType; }
    void SetGradientType(TAdvGradientType value) { set(m_gradientType, value); }
    drawing::HatchStyle HatchStyle() const { return m_hatchStyle; }
    void SetHatchStyle(drawing::HatchStyle value) { set(m_hatchStyle, value); }

    // The glyph colours as ARGB: the end colour is the start colour when it is clNone.
    drawing::ARGB startARGB() const;
    drawing::ARGB endARGB() const;

    // Publishes the glyph fill (ColorStart to HatchStyle), in the order both
    // captions stream it, with the colour defaults of the caption class C.
    template <class C>
    static ui::ClassBuilder<C>& publishGlyphFill(ui::ClassBuilder<C>& builder, const Defaults& defaults) {
        return builder
            .color("ColorStart", &C::ColorStart, &C::SetColorStart,
                   static_cast<long long>(defaults.colorStart))
            .color("ColorEnd", &C::ColorEnd, &C::SetColorEnd, static_cast<long long>(defaults.colorEnd))
            .integer("OpacityStart", byteGetter<SmoothCaption>(&C::OpacityStart),
                     byteSetter<SmoothCaption>(&C::SetOpacityStart), 255LL)
            .integer("OpacityEnd", byteGetter<SmoothCaption>(&C::OpacityEnd),
                     byteSetter<SmoothCaption>(&C::SetOpacityEnd), 255LL)
            .enumeration("GradientType", &C::GradientType, &C::SetGradientType, gtVertical,
                         gradientTypeNames())
            .enumeration("HatchStyle", &C::HatchStyle, &C::SetHatchStyle, drawing::HatchStyleHorizontal,
                         hatchStyleNames());
    }

protected:
    explicit SmoothCaption(const Defaults& defaults);

    // A font whose changes are this caption's changes.
    std::unique_ptr<ui::TFont> makeFont(int points);

    template <class T>
    void set(T& member, const T& value) {
        if (member == value) return;
        member = value;
        changed();
    }

private:
    std::string m_text;
    TAdvSmoothLabelLocation m_location;
    int m_left = 0, m_top = 0;
    std::unique_ptr<ui::TFont> m_font;
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    drawing::TColor m_colorStart;
    drawing::TColor m_colorEnd;
    std::uint8_t m_opacityStart = 255, m_opacityEnd = 255;
    TAdvGradientType m_gradientType = gtVertical;
    drawing::HatchStyle m_hatchStyle = drawing::HatchStyleHorizontal;
};

}  // namespace sk::smooth

// TAdvSmoothLabelCaption: one text of a smooth label — its words, placement,
// font, and how its glyphs are filled (colours with opacities, gradient kind,
// hatch, or a picture). A smooth label has two: the caption and its shadow.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/smooth/AdvGDIPPicture.h"
#include "controls/smooth/FillTypes.h"
#include "ui/Font.h"
#include "ui/Persistent.h"

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

class TAdvSmoothLabelCaption : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TAdvSmoothLabelCaption();
    ~TAdvSmoothLabelCaption() override;

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

    // Raised after any change, the font's and the picture's included.
    ui::TNotifyEventPersistent OnChange;

protected:
    void changed() override;

private:
    template <class T>
    void set(T& member, const T& value) {
        if (member == value) return;
        member = value;
        changed();
    }

    std::string m_text;
    TAdvSmoothLabelLocation m_location = plCenterCenter;
    std::unique_ptr<ui::TFont> m_font;
    int m_left = 0, m_top = 0;
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    drawing::TColor m_colorStart = 0xFFE09F;
    drawing::TColor m_colorEnd = 0x754F00;
    std::uint8_t m_opacityStart = 255, m_opacityEnd = 255;
    TAdvGradientType m_gradientType = gtVertical;
    drawing::HatchStyle m_hatchStyle = drawing::HatchStyleHorizontal;
};

}  // namespace sk::smooth

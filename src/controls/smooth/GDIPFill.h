// TGDIPFill: how a smooth control paints its rectangular body — an optional soft
// shadow, a body in one piece or split into a main (upper) and a mirror (lower)
// half, each a gradient of its own kind with a colour and an opacity at each end,
// rounded corners, a border, an optional glow, a background and a foreground
// picture. Owned by one control, streamed as a nested property (Fill.Color), and
// painted by the owner with PaintFill.
//
//   TGDIPFill fill;
//   fill.setChangeHandler([this](Persistent*) { invalidate(); });
//   fill.SetColor(clTeal); fill.SetColorTo(clGreen); fill.SetRounding(6);
//   RectF content = fill.PaintFill(graphics, RectF{0, 0, w - 1.0f, h - 1.0f});
#pragma once

#include <cstdint>
#include <memory>

#include "controls/smooth/AdvGDIPPicture.h"
#include "controls/smooth/FillTypes.h"
#include "controls/smooth/NotifyingPersistent.h"
#include "drawing/Color.h"
#include "drawing/Geometry.h"
#include "ui/Persistent.h"
#include "ui/UiTypes.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::smooth {

using drawing::TColor;

// The opacities that PaintFill takes from its caller; 255 stands for the property.
struct FillOpacityOverrides {
    std::uint8_t opacity = 255, opacityTo = 255, opacityMirror = 255, opacityMirrorTo = 255,
                 borderOpacity = 255;
};

class TGDIPFill : public NotifyingPersistent {
    SK_PERSISTENT_CLASS
public:
    TGDIPFill();
    ~TGDIPFill() override;

    TColor Color() const { return m_color; }
    void SetColor(TColor value) { set(m_color, value); }
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor value) { set(m_colorTo, value); }
    TColor ColorMirror() const { return m_colorMirror; }
    void SetColorMirror(TColor value) { set(m_colorMirror, value); }
    TColor ColorMirrorTo() const { return m_colorMirrorTo; }
    void SetColorMirrorTo(TColor value) { set(m_colorMirrorTo, value); }
    TAdvGradientType GradientType() const { return m_gradientType; }
    void SetGradientType(TAdvGradientType value) { set(m_gradientType, value); }
    TAdvGradientType GradientMirrorType() const { return m_gradientMirrorType; }
    void SetGradientMirrorType(TAdvGradientType value) { set(m_gradientMirrorType, value); }
    drawing::HatchStyle HatchStyle() const { return m_hatchStyle; }
    void SetHatchStyle(drawing::HatchStyle value) { set(m_hatchStyle, value); }
    drawing::HatchStyle HatchStyleMirror() const { return m_hatchStyleMirror; }
    void SetHatchStyleMirror(drawing::HatchStyle value) { set(m_hatchStyleMirror, value); }
    TFillPictureMode BackGroundPictureMode() const { return m_backGroundPictureMode; }
    void SetBackGroundPictureMode(TFillPictureMode value) { set(m_backGroundPictureMode, value); }
    TAdvGDIPPicture* BackGroundPicture() const { return m_backGroundPicture.get(); }
    void SetBackGroundPicture(const TAdvGDIPPicture* picture) { m_backGroundPicture->assignPicture(picture); }
    TFillPicturePosition BackGroundPicturePosition() const { return m_backGroundPicturePosition; }
    void SetBackGroundPicturePosition(TFillPicturePosition value) { set(m_backGroundPicturePosition, value); }
    int BackGroundPictureLeft() const { return m_backGroundPictureLeft; }
    void SetBackGroundPictureLeft(int value) { set(m_backGroundPictureLeft, value); }
    int BackGroundPictureTop() const { return m_backGroundPictureTop; }
    void SetBackGroundPictureTop(int value) { set(m_backGroundPictureTop, value); }
    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    void SetPicture(const TAdvGDIPPicture* picture) { m_picture->assignPicture(picture); }
    TFillPicturePosition PicturePosition() const { return m_picturePosition; }
    void SetPicturePosition(TFillPicturePosition value) { set(m_picturePosition, value); }
    int PictureLeft() const { return m_pictureLeft; }
    void SetPictureLeft(int value) { set(m_pictureLeft, value); }
    int PictureTop() const { return m_pictureTop; }
    void SetPictureTop(int value) { set(m_pictureTop, value); }
    TFillPictureSize PictureSize() const { return m_pictureSize; }
    void SetPictureSize(TFillPictureSize value) { set(m_pictureSize, value); }
    int PictureWidth() const { return m_pictureWidth; }
    void SetPictureWidth(int value) { set(m_pictureWidth, value); }
    int PictureHeight() const { return m_pictureHeight; }
    void SetPictureHeight(int value) { set(m_pictureHeight, value); }
    std::uint8_t Opacity() const { return m_opacity; }
    void SetOpacity(std::uint8_t value) { set(m_opacity, value); }
    std::uint8_t OpacityTo() const { return m_opacityTo; }
    void SetOpacityTo(std::uint8_t value) { set(m_opacityTo, value); }
    std::uint8_t OpacityMirror() const { return m_opacityMirror; }
    void SetOpacityMirror(std::uint8_t value) { set(m_opacityMirror, value); }
    std::uint8_t OpacityMirrorTo() const { return m_opacityMirrorTo; }
    void SetOpacityMirrorTo(std::uint8_t value) { set(m_opacityMirrorTo, value); }
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor value) { set(m_borderColor, value); }
    std::uint8_t BorderOpacity() const { return m_borderOpacity; }
    void SetBorderOpacity(std::uint8_t value) { set(m_borderOpacity, value); }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value) { set(m_borderWidth, value); }
    int Rounding() const { return m_rounding; }
    void SetRounding(int value) { set(m_rounding, value); }
    TFillRoundingType RoundingType() const { return m_roundingType; }
    void SetRoundingType(TFillRoundingType value) { set(m_roundingType, value); }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value) { set(m_shadowColor, value); }
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int value) { set(m_shadowOffset, value); }
    int Angle() const { return m_angle; }
    void SetAngle(int value) { set(m_angle, value); }
    TGlowMode Glow() const { return m_glow; }
    void SetGlow(TGlowMode value) { set(m_glow, value); }
    TColor GlowGradientColor() const { return m_glowGradientColor; }
    void SetGlowGradientColor(TColor value) { set(m_glowGradientColor, value); }
    TColor GlowRadialColor() const { return m_glowRadialColor; }
    void SetGlowRadialColor(TColor value) { set(m_glowRadialColor, value); }

    // OnChange (NotifyingPersistent) follows any change, a picture's included;
    // assign copies every property, pictures by content, with one change.

    // Paints the fill into `rect` and returns the rectangle left for content: `rect`
    // less the shadow. Throws when a picture's memory cannot be had.
    drawing::RectF PaintFill(drawing::Graphics& graphics, const drawing::RectF& rect,
                             const FillOpacityOverrides& overrides = {}) const;

private:
    template <class T>
    void set(T& member, T value) {
        if (member == value) return;
        member = value;
        changed();
    }

    struct Half;
    struct Opacities;
    Opacities opacities(const FillOpacityOverrides& overrides) const;
    void paintShadow(drawing::Graphics& g, const drawing::RectF& rect) const;
    void paintBody(drawing::Graphics& g, const drawing::RectF& rect, const Opacities& o) const;
    void paintHalf(drawing::Graphics& g, const Half& half) const;
    void paintRadialHalf(drawing::Graphics& g, const Half& half) const;
    void paintBackGroundPicture(drawing::Graphics& g, const drawing::RectF& rect, bool clipped) const;
    void paintBorder(drawing::Graphics& g, const drawing::RectF& rect, std::uint8_t opacity) const;
    void paintGlow(drawing::Graphics& g, const drawing::RectF& rect) const;
    void paintPicture(drawing::Graphics& g, const drawing::RectF& rect) const;

    TColor m_color = drawing::clSilver;
    TColor m_colorTo = drawing::clGray;
    TColor m_colorMirror = drawing::clNone;
    TColor m_colorMirrorTo = drawing::clNone;
    TAdvGradientType m_gradientType = gtVertical;
    TAdvGradientType m_gradientMirrorType = gtSolid;
    drawing::HatchStyle m_hatchStyle = drawing::HatchStyleHorizontal;
    drawing::HatchStyle m_hatchStyleMirror = drawing::HatchStyleHorizontal;
    TFillPictureMode m_backGroundPictureMode = pmOutsideFill;
    std::unique_ptr<TAdvGDIPPicture> m_backGroundPicture;
    TFillPicturePosition m_backGroundPicturePosition = ppTopLeft;
    int m_backGroundPictureLeft = 0, m_backGroundPictureTop = 0;
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    TFillPicturePosition m_picturePosition = ppTopLeft;
    int m_pictureLeft = 0, m_pictureTop = 0;
    TFillPictureSize m_pictureSize = psOriginal;
    int m_pictureWidth = 50, m_pictureHeight = 50;
    std::uint8_t m_opacity = 255, m_opacityTo = 255, m_opacityMirror = 255, m_opacityMirrorTo = 255;
    TColor m_borderColor = drawing::clNone;
    std::uint8_t m_borderOpacity = 255;
    int m_borderWidth = 1;
    int m_rounding = 0;
    TFillRoundingType m_roundingType = rtBoth;
    TColor m_shadowColor = drawing::clGray;
    int m_shadowOffset = 0;
    int m_angle = 0;
    TGlowMode m_glow = gmNone;
    TColor m_glowGradientColor = drawing::clWhite;
    TColor m_glowRadialColor = drawing::clWhite;
};

}  // namespace sk::smooth

// A brush described by properties: solid, hatch, texture, path gradient or
// linear gradient, with the gradient's outline, colours, centre, interpolation
// colours and blend. The drawing brush is made on first use for a target
// rectangle and kept until a property changes.
#pragma once

#include <memory>
#include <optional>

#include "controls/instruments/InstrumentProperty.h"
#include "drawing/Brush.h"
#include "drawing/DrawingTypes.h"
#include "drawing/Geometry.h"
#include "drawing/Image.h"

namespace sk::instruments {

enum TGPBrushType {
    BrushTypeSolidColor,
    BrushTypeHatchFill,
    BrushTypeTextureFill,
    BrushTypePathGradient,
    BrushTypeLinearGradient
};
enum TLPGPLinerGradientBrushMode {
    lmHorizontal,
    lmVertical,
    lmForwardDiagonal,
    lmBackwardDiagonal,
    lmPoints
};
enum TLPGPBlendShape { bstNone, bstTriangular, bstBell };

// ---- Collection items --------------------------------------------------------------------

class TLPGPPointItem : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TLPGPPointItem(ui::Collection* c) : CollectionItem(c) {}
    float X() const { return m_x; }
    void SetX(float v);
    float Y() const { return m_y; }
    void SetY(float v);

private:
    float m_x = 0, m_y = 0;
};

class TLPGPColorItem : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TLPGPColorItem(ui::Collection* c) : CollectionItem(c) {}
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v);

private:
    drawing::ARGB m_color = 0xFF000000;
};

// A colour or a blend factor at a position 0..1.
class TLPGPPositionItem : public ui::CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TLPGPPositionItem(ui::Collection* c) : CollectionItem(c) {}
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v);
    float Factor() const { return m_factor; }
    void SetFactor(float v);
    float Position() const { return m_position; }
    void SetPosition(float v);

private:
    drawing::ARGB m_color = 0xFF000000;
    float m_factor = 0, m_position = 0;
};

using TLPGPPoints = ui::TypedCollection<TLPGPPointItem>;
using TLPGPColors = ui::TypedCollection<TLPGPColorItem>;
using TLPGPPositions = ui::TypedCollection<TLPGPPositionItem>;

// ---- Gradient parts ----------------------------------------------------------------------

class TLPGPPoint : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    float X() const { return m_x; }
    void SetX(float v) { update(m_x, v); }
    float Y() const { return m_y; }
    void SetY(float v) { update(m_y, v); }

private:
    float m_x = 0, m_y = 0;
};

class TLPGPCenterColor : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TLPGPCenterColor() { adopt(m_point); }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    TLPGPPoint* Point() { return &m_point; }
    const TLPGPPoint& point() const { return m_point; }
    bool AutoCenter() const { return m_autoCenter; }
    void SetAutoCenter(bool v) { update(m_autoCenter, v); }

private:
    drawing::ARGB m_color = 0xFFFFFFFF;
    TLPGPPoint m_point;
    bool m_autoCenter = true;
};

class TLPGPGradient : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TLPGPGradient();
    TLPGPPoints* Path() { return &m_path; }
    TLPGPColors* Colors() { return &m_colors; }
    TLPGPCenterColor* CenterColor() { return &m_center; }
    const TLPGPPoints& path() const { return m_path; }
    const TLPGPColors& colors() const { return m_colors; }
    const TLPGPCenterColor& centerColor() const { return m_center; }
    bool GammaCorrection() const { return m_gamma; }
    void SetGammaCorrection(bool v) { update(m_gamma, v); }

private:
    TLPGPPoints m_path;
    TLPGPColors m_colors;
    TLPGPCenterColor m_center;
    bool m_gamma = false;
};

class TLPGPHatch : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    drawing::ARGB ForegroundColor() const { return m_fore; }
    void SetForegroundColor(drawing::ARGB v) { update(m_fore, v); }
    drawing::ARGB BackgroundColor() const { return m_back; }
    void SetBackgroundColor(drawing::ARGB v) { update(m_back, v); }
    drawing::HatchStyle Style() const { return m_style; }
    void SetStyle(drawing::HatchStyle v) { update(m_style, v); }

private:
    drawing::ARGB m_fore = 0xFFFFFFFF, m_back = 0x00FFFFFF;
    drawing::HatchStyle m_style = drawing::HatchStyleHorizontal;
};

class TLPGPBlendShapeProperty : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TLPGPBlendShape ShapeType() const { return m_type; }
    void SetShapeType(TLPGPBlendShape v) { update(m_type, v); }
    float Focus() const { return m_focus; }
    void SetFocus(float v) { update(m_focus, v); }
    float Scale() const { return m_scale; }
    void SetScale(float v) { update(m_scale, v); }

private:
    TLPGPBlendShape m_type = bstNone;
    float m_focus = 0.5f, m_scale = 1.0f;
};

class TLPGPBlend : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TLPGPBlend();
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v) { update(m_enabled, v); }
    TLPGPPositions* Blends() { return &m_blends; }
    TLPGPBlendShapeProperty* Shape() { return &m_shape; }
    const TLPGPPositions& blends() const { return m_blends; }
    const TLPGPBlendShapeProperty& shape() const { return m_shape; }

private:
    bool m_enabled = false;
    TLPGPPositions m_blends;
    TLPGPBlendShapeProperty m_shape;
};

// ---- The brush ---------------------------------------------------------------------------

class TLPGPBrush : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    // The owner's colour default and the factors by which Gradient.Path points are
    // multiplied (1, 1 for tick brushes; 1.98, 2.162 for the brushes of fonts).
    explicit TLPGPBrush(drawing::ARGB defaultColor = 0xFFFFFF00, float scaleX = 1.0f, float scaleY = 1.0f);

    TGPBrushType BrushType() const { return m_type; }
    void SetBrushType(TGPBrushType v) { update(m_type, v); }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    drawing::ARGB defaultColor() const { return m_defaultColor; }
    const ui::BinaryData& Texture() const { return m_texture; }
    void SetTexture(const ui::BinaryData& v);
    TLPGPGradient* Gradient() { return &m_gradient; }
    TLPGPHatch* Hatch() { return &m_hatch; }
    TLPGPPositions* InterpolationColors() { return &m_interpolation; }
    drawing::WrapMode WrapMode() const { return m_wrap; }
    void SetWrapMode(drawing::WrapMode v) { update(m_wrap, v); }
    TLPGPLinerGradientBrushMode LinearGradientMode() const { return m_linearMode; }
    void SetLinearGradientMode(TLPGPLinerGradientBrushMode v) { update(m_linearMode, v); }
    TLPGPBlend* Blend() { return &m_blend; }
    float scaleX() const { return m_scaleX; }
    float scaleY() const { return m_scaleY; }

    // The drawing brush for a target rectangle, made once and kept until a property
    // changes or another rectangle is asked for.
    const drawing::Brush& brushFor(const drawing::RectF& target) const;
    // How many drawing brushes have been made (for tests of the cache).
    int brushesMade() const { return m_brushesMade; }

protected:
    void changed() override;

private:
    std::unique_ptr<drawing::Brush> makeBrush(const drawing::RectF& target) const;
    std::unique_ptr<drawing::Brush> makePathGradient() const;
    std::unique_ptr<drawing::Brush> makeLinearGradient(const drawing::RectF& target) const;
    template <class G>
    void applyInterpolationAndBlend(G& gradient) const;

    TGPBrushType m_type = BrushTypeSolidColor;
    drawing::ARGB m_color;
    drawing::ARGB m_defaultColor;
    ui::BinaryData m_texture;
    std::optional<drawing::Image> m_textureImage;
    TLPGPGradient m_gradient;
    TLPGPHatch m_hatch;
    TLPGPPositions m_interpolation;
    drawing::WrapMode m_wrap = drawing::WrapMode::Clamp;
    TLPGPLinerGradientBrushMode m_linearMode = lmHorizontal;
    TLPGPBlend m_blend;
    float m_scaleX, m_scaleY;

    mutable std::unique_ptr<drawing::Brush> m_cached;
    mutable drawing::RectF m_cachedFor;
    mutable int m_brushesMade = 0;
};

}  // namespace sk::instruments

// Brush properties and the drawing brushes made from them.
#include "controls/instruments/GPBrush.h"

#include "drawing/HatchBrush.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/TextureBrush.h"

namespace sk::instruments {

namespace {

const ui::EnumNames kBrushTypeNames{"TGPBrushType",
                                    {"BrushTypeSolidColor", "BrushTypeHatchFill", "BrushTypeTextureFill",
                                     "BrushTypePathGradient", "BrushTypeLinearGradient"}};
const ui::EnumNames kWrapModeNames{
    "TGPWrapMode",
    {"WrapModeTile", "WrapModeTileFlipX", "WrapModeTileFlipY", "WrapModeTileFlipXY", "WrapModeClamp"}};
const ui::EnumNames kLinearModeNames{
    "TLPGPLinerGradientBrushMode",
    {"lmHorizontal", "lmVertical", "lmForwardDiagonal", "lmBackwardDiagonal", "lmPoints"}};
const ui::EnumNames kBlendShapeNames{"TLPGPBlendShape", {"bstNone", "bstTriangular", "bstBell"}};

const ui::EnumNames& hatchStyleNames() {
    static const ui::EnumNames names = [] {
        ui::EnumNames n{"TGPHatchStyle", {}};
        for (int i = 0; i < drawing::HatchStyleTotal; ++i)
            n.names.emplace_back(drawing::hatchStyleName(static_cast<drawing::HatchStyle>(i)));
        return n;
    }();
    return names;
}

}  // namespace

// ---- Collection items --------------------------------------------------------------------

const ui::ClassInfo& TLPGPPointItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPPointItem>("TLPGPPointItem", &ui::CollectionItem::staticClassInfo())
            .floating("X", &TLPGPPointItem::X, &TLPGPPointItem::SetX, 0.0)
            .floating("Y", &TLPGPPointItem::Y, &TLPGPPointItem::SetY, 0.0)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPPointItem)
void TLPGPPointItem::SetX(float v) {
    if (v == m_x) return;
    m_x = v;
    changed();
}
void TLPGPPointItem::SetY(float v) {
    if (v == m_y) return;
    m_y = v;
    changed();
}

const ui::ClassInfo& TLPGPColorItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPColorItem>("TLPGPColorItem", &ui::CollectionItem::staticClassInfo())
            .argb("Color", &TLPGPColorItem::Color, &TLPGPColorItem::SetColor, 0xFF000000LL)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPColorItem)
void TLPGPColorItem::SetColor(drawing::ARGB v) {
    if (v == m_color) return;
    m_color = v;
    changed();
}

const ui::ClassInfo& TLPGPPositionItem::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPPositionItem>("TLPGPPositionItem", &ui::CollectionItem::staticClassInfo())
            .argb("Color", &TLPGPPositionItem::Color, &TLPGPPositionItem::SetColor, 0xFF000000LL)
            .floating("Factor", &TLPGPPositionItem::Factor, &TLPGPPositionItem::SetFactor, 0.0)
            .floating("Position", &TLPGPPositionItem::Position, &TLPGPPositionItem::SetPosition, 0.0)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPPositionItem)
void TLPGPPositionItem::SetColor(drawing::ARGB v) {
    if (v == m_color) return;
    m_color = v;
    changed();
}
void TLPGPPositionItem::SetFactor(float v) {
    if (v == m_factor) return;
    m_factor = v;
    changed();
}
void TLPGPPositionItem::SetPosition(float v) {
    if (v == m_position) return;
    m_position = v;
    changed();
}

// ---- Gradient parts ----------------------------------------------------------------------

const ui::ClassInfo& TLPGPPoint::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPPoint>("TLPGPPoint", &ui::Persistent::staticClassInfo())
            .floating("X", &TLPGPPoint::X, &TLPGPPoint::SetX, 0.0)
            .floating("Y", &TLPGPPoint::Y, &TLPGPPoint::SetY, 0.0)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPPoint)

const ui::ClassInfo& TLPGPCenterColor::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPCenterColor>("TLPGPCenterColor", &ui::Persistent::staticClassInfo())
            .argb("Color", &TLPGPCenterColor::Color, &TLPGPCenterColor::SetColor, 0xFFFFFFFFLL)
            .object("Point", &TLPGPCenterColor::Point)
            .boolean("AutoCenter", &TLPGPCenterColor::AutoCenter, &TLPGPCenterColor::SetAutoCenter, true)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPCenterColor)

const ui::ClassInfo& TLPGPGradient::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPGradient>("TLPGPGradient", &ui::Persistent::staticClassInfo())
            .collection("Path", &TLPGPGradient::Path)
            .collection("Colors", &TLPGPGradient::Colors)
            .object("CenterColor", &TLPGPGradient::CenterColor)
            .boolean("GammaCorrection", &TLPGPGradient::GammaCorrection, &TLPGPGradient::SetGammaCorrection,
                     false)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPGradient)
TLPGPGradient::TLPGPGradient() {
    adopt(m_path);
    adopt(m_colors);
    adopt(m_center);
}

const ui::ClassInfo& TLPGPHatch::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPHatch>("TLPGPHatch", &ui::Persistent::staticClassInfo())
            .argb("ForegroundColor", &TLPGPHatch::ForegroundColor, &TLPGPHatch::SetForegroundColor,
                  0xFFFFFFFFLL)
            .argb("BackgroundColor", &TLPGPHatch::BackgroundColor, &TLPGPHatch::SetBackgroundColor,
                  0x00FFFFFFLL)
            .enumeration("Style", &TLPGPHatch::Style, &TLPGPHatch::SetStyle, drawing::HatchStyleHorizontal,
                         hatchStyleNames())
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPHatch)

const ui::ClassInfo& TLPGPBlendShapeProperty::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPBlendShapeProperty>("TLPGPBlendShape", &ui::Persistent::staticClassInfo())
            .enumeration("ShapeType", &TLPGPBlendShapeProperty::ShapeType,
                         &TLPGPBlendShapeProperty::SetShapeType, bstNone, kBlendShapeNames)
            .floating("Focus", &TLPGPBlendShapeProperty::Focus, &TLPGPBlendShapeProperty::SetFocus, 0.5)
            .floating("Scale", &TLPGPBlendShapeProperty::Scale, &TLPGPBlendShapeProperty::SetScale, 1.0)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPBlendShapeProperty)

const ui::ClassInfo& TLPGPBlend::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPBlend>("TLPGPBlend", &ui::Persistent::staticClassInfo())
            .boolean("Enabled", &TLPGPBlend::Enabled, &TLPGPBlend::SetEnabled, false)
            .collection("Blends", &TLPGPBlend::Blends)
            .object("Shape", &TLPGPBlend::Shape)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPBlend)
TLPGPBlend::TLPGPBlend() {
    adopt(m_blends);
    adopt(m_shape);
}

// ---- The brush ---------------------------------------------------------------------------

const ui::ClassInfo& TLPGPBrush::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TLPGPBrush>("TLPGPBrush", &ui::Persistent::staticClassInfo())
            .enumeration("BrushType", &TLPGPBrush::BrushType, &TLPGPBrush::SetBrushType, BrushTypeSolidColor,
                         kBrushTypeNames)
            .argb("Color", &TLPGPBrush::Color, &TLPGPBrush::SetColor, {})
            .storedIf([](const TLPGPBrush& b) { return b.Color() != b.defaultColor(); })
            .binary("Texture", &TLPGPBrush::Texture, &TLPGPBrush::SetTexture)
            .object("Gradient", &TLPGPBrush::Gradient)
            .object("Hatch", &TLPGPBrush::Hatch)
            .collection("InterpolationColors", &TLPGPBrush::InterpolationColors)
            .enumeration("WrapMode", &TLPGPBrush::WrapMode, &TLPGPBrush::SetWrapMode,
                         drawing::WrapMode::Clamp, kWrapModeNames)
            .enumeration("LinearGradientMode", &TLPGPBrush::LinearGradientMode,
                         &TLPGPBrush::SetLinearGradientMode, lmHorizontal, kLinearModeNames)
            .object("Blend", &TLPGPBrush::Blend)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TLPGPBrush)

TLPGPBrush::TLPGPBrush(drawing::ARGB defaultColor, float scaleX, float scaleY)
    : m_color(defaultColor), m_defaultColor(defaultColor), m_scaleX(scaleX), m_scaleY(scaleY) {
    adopt(m_gradient);
    adopt(m_hatch);
    adopt(m_interpolation);
    adopt(m_blend);
}

void TLPGPBrush::SetTexture(const ui::BinaryData& v) {
    if (v == m_texture) return;
    m_texture = v;
    m_textureImage.reset();
    if (!m_texture.bytes.empty()) m_textureImage = drawing::Image::fromBytes(m_texture.bytes);
    changed();
}

void TLPGPBrush::changed() {
    m_cached.reset();
    InstrumentProperty::changed();
}

const drawing::Brush& TLPGPBrush::brushFor(const drawing::RectF& target) const {
    if (!m_cached || !(m_cachedFor == target)) {
        m_cached = makeBrush(target);
        m_cachedFor = target;
        ++m_brushesMade;
    }
    return *m_cached;
}

std::unique_ptr<drawing::Brush> TLPGPBrush::makeBrush(const drawing::RectF& target) const {
    switch (m_type) {
        case BrushTypeHatchFill:
            return std::make_unique<drawing::HatchBrush>(m_hatch.Style(), m_hatch.ForegroundColor(),
                                                         m_hatch.BackgroundColor());
        case BrushTypeTextureFill:
            if (m_textureImage) return std::make_unique<drawing::TextureBrush>(*m_textureImage, m_wrap);
            break;
        case BrushTypePathGradient:
            if (auto brush = makePathGradient()) return brush;
            return std::make_unique<drawing::SolidBrush>(m_gradient.centerColor().Color());
        case BrushTypeLinearGradient:
            return makeLinearGradient(target);
        case BrushTypeSolidColor:
            break;
    }
    return std::make_unique<drawing::SolidBrush>(m_color);
}

template <class G>
void TLPGPBrush::applyInterpolationAndBlend(G& gradient) const {
    if (m_interpolation.count() > 0) {
        std::vector<drawing::ARGB> colors;
        std::vector<float> positions;
        for (int i = 0; i < m_interpolation.count(); ++i) {
            colors.push_back(m_interpolation[i]->Color());
            positions.push_back(m_interpolation[i]->Position());
        }
        gradient.setInterpolationColors(std::move(colors), std::move(positions));
    }
    if (!m_blend.Enabled()) return;
    const TLPGPBlendShapeProperty& shape = m_blend.shape();
    if (shape.ShapeType() == bstBell) {
        gradient.setBlendBellShape(shape.Focus(), shape.Scale());
    } else if (shape.ShapeType() == bstTriangular) {
        gradient.setBlendTriangularShape(shape.Focus(), shape.Scale());
    } else if (m_blend.blends().count() > 0) {
        std::vector<float> factors, positions;
        for (int i = 0; i < m_blend.blends().count(); ++i) {
            factors.push_back(m_blend.blends()[i]->Factor());
            positions.push_back(m_blend.blends()[i]->Position());
        }
        gradient.setBlend(std::move(factors), std::move(positions));
    }
}

std::unique_ptr<drawing::Brush> TLPGPBrush::makePathGradient() const {
    const TLPGPPoints& path = m_gradient.path();
    if (path.count() == 0) return nullptr;
    std::vector<drawing::PointF> outline;
    for (int i = 0; i < path.count(); ++i)
        outline.push_back({path[i]->X() * m_scaleX, path[i]->Y() * m_scaleY});
    auto brush = std::make_unique<drawing::PathGradientBrush>(std::move(outline), m_wrap);
    const TLPGPCenterColor& center = m_gradient.centerColor();
    brush->setCenterColor(center.Color());
    brush->setGammaCorrection(m_gradient.GammaCorrection());
    if (m_gradient.colors().count() > 0) {
        std::vector<drawing::ARGB> surround;
        for (int i = 0; i < m_gradient.colors().count(); ++i)
            surround.push_back(m_gradient.colors()[i]->Color());
        brush->setSurroundColors(std::move(surround));
    }
    if (!center.AutoCenter()) brush->setCenterPoint({center.point().X(), center.point().Y()});
    applyInterpolationAndBlend(*brush);
    return brush;
}

std::unique_ptr<drawing::Brush> TLPGPBrush::makeLinearGradient(const drawing::RectF& target) const {
    const TLPGPColors& colors = m_gradient.colors();
    const drawing::ARGB first = colors.count() > 0 ? colors[0]->Color() : m_color;
    const drawing::ARGB second = colors.count() > 1 ? colors[1]->Color() : first;
    std::unique_ptr<drawing::LinearGradientBrush> brush;
    const TLPGPPoints& path = m_gradient.path();
    if (m_linearMode == lmPoints && path.count() >= 2) {
        brush = std::make_unique<drawing::LinearGradientBrush>(
            drawing::PointF{path[0]->X() * m_scaleX, path[0]->Y() * m_scaleY},
            drawing::PointF{path[1]->X() * m_scaleX, path[1]->Y() * m_scaleY}, first, second);
    } else {
        const int mode = m_linearMode == lmPoints ? lmHorizontal : m_linearMode;
        brush = std::make_unique<drawing::LinearGradientBrush>(
            target, first, second, static_cast<drawing::LinearGradientMode>(mode));
    }
    // A linear gradient cannot clamp: it tiles instead.
    brush->setWrapMode(m_wrap == drawing::WrapMode::Clamp ? drawing::WrapMode::Tile : m_wrap);
    brush->setGammaCorrection(m_gradient.GammaCorrection());
    applyInterpolationAndBlend(*brush);
    return brush;
}

}  // namespace sk::instruments

// The fill model: properties, streaming and painting.
#include "controls/smooth/GDIPFill.h"

#include <algorithm>

#include "controls/smooth/ByteProperty.h"
#include "drawing/Brush.h"
#include "drawing/Graphics.h"
#include "drawing/HatchBrush.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/Pen.h"
#include "drawing/TextureBrush.h"

namespace sk::smooth {

using drawing::ARGB;
using drawing::ColorToARGB;
using drawing::GraphicsPath;
using drawing::RectF;
using drawing::SolidBrush;

namespace {

long long colorDefault(TColor c) {
    return static_cast<long long>(c);
}

}  // namespace

const ui::ClassInfo& TGDIPFill::staticClassInfo() {
    using B = ui::ClassBuilder<TGDIPFill>;
    static const ui::ClassInfo info =
        B("TGDIPFill", &ui::Persistent::staticClassInfo())
            .color("Color", &TGDIPFill::Color, &TGDIPFill::SetColor, colorDefault(drawing::clSilver))
            .color("ColorTo", &TGDIPFill::ColorTo, &TGDIPFill::SetColorTo, colorDefault(drawing::clGray))
            .color("ColorMirror", &TGDIPFill::ColorMirror, &TGDIPFill::SetColorMirror,
                   colorDefault(drawing::clNone))
            .color("ColorMirrorTo", &TGDIPFill::ColorMirrorTo, &TGDIPFill::SetColorMirrorTo,
                   colorDefault(drawing::clNone))
            .enumeration("GradientType", &TGDIPFill::GradientType, &TGDIPFill::SetGradientType, gtVertical,
                         gradientTypeNames())
            .enumeration("GradientMirrorType", &TGDIPFill::GradientMirrorType,
                         &TGDIPFill::SetGradientMirrorType, gtSolid, gradientTypeNames())
            .enumeration("HatchStyle", &TGDIPFill::HatchStyle, &TGDIPFill::SetHatchStyle,
                         drawing::HatchStyleHorizontal, hatchStyleNames())
            .enumeration("HatchStyleMirror", &TGDIPFill::HatchStyleMirror, &TGDIPFill::SetHatchStyleMirror,
                         drawing::HatchStyleHorizontal, hatchStyleNames())
            .enumeration("BackGroundPictureMode", &TGDIPFill::BackGroundPictureMode,
                         &TGDIPFill::SetBackGroundPictureMode, pmOutsideFill, pictureModeNames())
            .object("BackGroundPicture", &TGDIPFill::BackGroundPicture)
            .enumeration("BackGroundPicturePosition", &TGDIPFill::BackGroundPicturePosition,
                         &TGDIPFill::SetBackGroundPicturePosition, ppTopLeft, picturePositionNames())
            .integer("BackGroundPictureLeft", &TGDIPFill::BackGroundPictureLeft,
                     &TGDIPFill::SetBackGroundPictureLeft)
            .integer("BackGroundPictureTop", &TGDIPFill::BackGroundPictureTop,
                     &TGDIPFill::SetBackGroundPictureTop)
            .object("Picture", &TGDIPFill::Picture)
            .enumeration("PicturePosition", &TGDIPFill::PicturePosition, &TGDIPFill::SetPicturePosition,
                         ppTopLeft, picturePositionNames())
            .integer("PictureLeft", &TGDIPFill::PictureLeft, &TGDIPFill::SetPictureLeft)
            .integer("PictureTop", &TGDIPFill::PictureTop, &TGDIPFill::SetPictureTop)
            .enumeration("PictureSize", &TGDIPFill::PictureSize, &TGDIPFill::SetPictureSize, psOriginal,
                         pictureSizeNames())
            .integer("PictureWidth", &TGDIPFill::PictureWidth, &TGDIPFill::SetPictureWidth, 50LL)
            .integer("PictureHeight", &TGDIPFill::PictureHeight, &TGDIPFill::SetPictureHeight, 50LL)
            .integer("Opacity", byteGetter(&TGDIPFill::Opacity), byteSetter(&TGDIPFill::SetOpacity), 255LL)
            .integer("OpacityTo", byteGetter(&TGDIPFill::OpacityTo), byteSetter(&TGDIPFill::SetOpacityTo),
                     255LL)
            .integer("OpacityMirror", byteGetter(&TGDIPFill::OpacityMirror),
                     byteSetter(&TGDIPFill::SetOpacityMirror), 255LL)
            .integer("OpacityMirrorTo", byteGetter(&TGDIPFill::OpacityMirrorTo),
                     byteSetter(&TGDIPFill::SetOpacityMirrorTo), 255LL)
            .color("BorderColor", &TGDIPFill::BorderColor, &TGDIPFill::SetBorderColor,
                   colorDefault(drawing::clNone))
            .integer("BorderOpacity", byteGetter(&TGDIPFill::BorderOpacity),
                     byteSetter(&TGDIPFill::SetBorderOpacity), 255LL)
            .integer("BorderWidth", &TGDIPFill::BorderWidth, &TGDIPFill::SetBorderWidth, 1LL)
            .integer("Rounding", &TGDIPFill::Rounding, &TGDIPFill::SetRounding)
            .enumeration("RoundingType", &TGDIPFill::RoundingType, &TGDIPFill::SetRoundingType, rtBoth,
                         roundingTypeNames())
            .color("ShadowColor", &TGDIPFill::ShadowColor, &TGDIPFill::SetShadowColor,
                   colorDefault(drawing::clGray))
            .integer("ShadowOffset", &TGDIPFill::ShadowOffset, &TGDIPFill::SetShadowOffset)
            .integer("Angle", &TGDIPFill::Angle, &TGDIPFill::SetAngle)
            .event("OnChange", &TGDIPFill::OnChange)
            .enumeration("Glow", &TGDIPFill::Glow, &TGDIPFill::SetGlow, gmNone, glowModeNames())
            .color("GlowGradientColor", &TGDIPFill::GlowGradientColor, &TGDIPFill::SetGlowGradientColor,
                   colorDefault(drawing::clWhite))
            .color("GlowRadialColor", &TGDIPFill::GlowRadialColor, &TGDIPFill::SetGlowRadialColor,
                   colorDefault(drawing::clWhite))
            .build();
    return info;
}
const ui::ClassInfo& TGDIPFill::classInfo() const {
    return staticClassInfo();
}

TGDIPFill::TGDIPFill()
    : m_backGroundPicture(std::make_unique<TAdvGDIPPicture>()),
      m_picture(std::make_unique<TAdvGDIPPicture>()) {
    m_backGroundPicture->setChangeHandler([this](ui::Persistent*) { changed(); });
    m_picture->setChangeHandler([this](ui::Persistent*) { changed(); });
}

TGDIPFill::~TGDIPFill() = default;

// ---- Painting ----------------------------------------------------------------

struct TGDIPFill::Opacities {
    std::uint8_t main, mainTo, mirror, mirrorTo, border;
};

// One half of the body (or the whole body in one piece) with the settings it paints with.
struct TGDIPFill::Half {
    RectF rect;
    TAdvGradientType kind;
    TColor c1, c2;
    std::uint8_t o1, o2;
    drawing::HatchStyle hatch;
    TFillRoundingType corners;        // of the shape of the gradient kinds
    TFillRoundingType radialCorners;  // of the radial painting's shape
    bool mirror;
};

namespace {

std::uint8_t overridden(std::uint8_t override, std::uint8_t property) {
    return override == 255 ? property : override;
}

// The main half of a split body rounds only its top corners, the mirror half its bottom ones.
TFillRoundingType topCorners(TFillRoundingType rounding) {
    if (rounding == rtTop || rounding == rtBoth) return rtTop;
    if (rounding == rtNone || rounding == rtBottom) return rtNone;
    return rounding;
}
TFillRoundingType bottomCorners(TFillRoundingType rounding) {
    if (rounding == rtBottom || rounding == rtBoth) return rtBottom;
    if (rounding == rtNone || rounding == rtTop) return rtNone;
    return rounding;
}

bool isLinear(TAdvGradientType kind) {
    return kind == gtVertical || kind == gtHorizontal || kind == gtForwardDiagonal ||
           kind == gtBackwardDiagonal;
}

drawing::LinearGradientMode linearMode(TAdvGradientType kind) {
    switch (kind) {
        case gtHorizontal:
            return drawing::LinearGradientMode::Horizontal;
        case gtForwardDiagonal:
            return drawing::LinearGradientMode::ForwardDiagonal;
        case gtBackwardDiagonal:
            return drawing::LinearGradientMode::BackwardDiagonal;
        default:
            return drawing::LinearGradientMode::Vertical;
    }
}

// A half's kind once its colours are taken into account: without an end colour it
// is solid, without a start colour it paints nothing.
TAdvGradientType effectiveKind(TAdvGradientType kind, TColor c1, TColor c2) {
    if (c2 == drawing::clNone) return c1 == drawing::clNone ? gtNone : gtSolid;
    if (c1 == drawing::clNone) return gtNone;
    return kind;
}

RectF toRectF(const drawing::Rect& r) {
    return {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
            static_cast<float>(r.height)};
}

}  // namespace

TGDIPFill::Opacities TGDIPFill::opacities(const FillOpacityOverrides& o) const {
    return {overridden(o.opacity, m_opacity), overridden(o.opacityTo, m_opacityTo),
            overridden(o.opacityMirror, m_opacityMirror), overridden(o.opacityMirrorTo, m_opacityMirrorTo),
            overridden(o.borderOpacity, m_borderOpacity)};
}

RectF TGDIPFill::PaintFill(drawing::Graphics& g, const RectF& rect,
                           const FillOpacityOverrides& overrides) const {
    const Opacities o = opacities(overrides);
    RectF r = rect;
    if (r.width == 1 || r.height == 1) {
        // A rectangle one pixel thin is only a line in the border colour.
        if (m_borderWidth > 0 && m_borderColor != drawing::clNone)
            g.drawLine(drawing::Pen(ColorToARGB(o.border, m_borderColor), static_cast<float>(m_borderWidth)),
                       r.x, r.y, r.x + r.width, r.y + r.height);
    } else {
        if (m_shadowOffset > 0 && m_shadowColor != drawing::clNone) {
            paintShadow(g, r);
            r.width -= static_cast<float>(m_shadowOffset);
            r.height -= static_cast<float>(m_shadowOffset);
        }
        paintBody(g, r, o);
        if (m_backGroundPictureMode == pmInsideFill && m_gradientType == gtTexture)
            paintBackGroundPicture(g, r, true);
        paintBorder(g, r, o.border);
    }
    if (m_glow != gmNone) paintGlow(g, r);
    if (m_backGroundPictureMode == pmOutsideFill && m_gradientType == gtTexture)
        paintBackGroundPicture(g, r, false);
    paintPicture(g, r);
    return r;
}

void TGDIPFill::paintShadow(drawing::Graphics& g, const RectF& rect) const {
    // Transparent at the edge, the shadow colour from a tenth of the way in: a
    // soft rim around a body that hides the rest.
    const GraphicsPath shape = roundedShape(rect, m_rounding, m_roundingType);
    drawing::PathGradientBrush brush(shape);
    brush.setWrapMode(drawing::WrapMode::Clamp);
    const ARGB shadow = ColorToARGB(180, m_shadowColor);
    brush.setInterpolationColors({0x00000000, shadow, shadow}, {0.0f, 0.1f, 1.0f});
    g.fillPath(brush, shape);
}

void TGDIPFill::paintBody(drawing::Graphics& g, const RectF& r, const Opacities& o) const {
    const bool onePiece =
        m_gradientType == gtHatch || m_gradientType == gtTexture || m_colorMirror == drawing::clNone;
    if (onePiece) {
        paintHalf(g, {r, m_gradientType, m_color, m_colorTo, o.main, o.mainTo, m_hatchStyle, m_roundingType,
                      m_roundingType, false});
        return;
    }
    // The halves overlap by two pixels so that no seam shows between them.
    const float half = r.height / 2;
    const RectF top{r.x, r.y, r.width, r.height - half + 1};
    const RectF bottom{r.x, r.y + half - 1, r.width, r.height - half + 1};
    paintHalf(g, {top, m_gradientType, m_color, m_colorTo, o.main, o.mainTo, m_hatchStyle,
                  topCorners(m_roundingType), rtTop, false});
    paintHalf(g, {bottom, m_gradientMirrorType, m_colorMirror, m_colorMirrorTo, o.mirror, o.mirrorTo,
                  m_hatchStyleMirror, bottomCorners(m_roundingType), rtBottom, true});
}

void TGDIPFill::paintHalf(drawing::Graphics& g, const Half& half) const {
    if (half.kind == gtRadial) {
        if (half.c1 != drawing::clNone) paintRadialHalf(g, half);
        return;
    }
    const TAdvGradientType kind = effectiveKind(half.kind, half.c1, half.c2);
    if (kind == gtNone || kind == gtPath) return;
    const drawing::Image* texture = nullptr;
    if (kind == gtTexture) {
        if (m_backGroundPicturePosition != ppTiled) return;
        texture = m_backGroundPicture->image();
        if (!texture) return;
    }

    const RectF& r = half.rect;
    const GraphicsPath shape = roundedShape(r, m_rounding, half.corners);
    const ARGB a1 = ColorToARGB(half.o1, half.c1);
    const ARGB a2 = half.c2 == drawing::clNone ? a1 : ColorToARGB(half.o2, half.c2);
    const RectF enlarged{r.x - 1, r.y - 1, r.width + 2, r.height + 2};
    const drawing::SmoothingMode previous = g.smoothingMode();
    if (m_rounding != 0) g.setSmoothingMode(drawing::SmoothingMode::AntiAlias);
    switch (kind) {
        case gtSolid:
            g.fillPath(SolidBrush(a1), shape);
            break;
        case gtVertical:
        case gtHorizontal:
        case gtForwardDiagonal:
        case gtBackwardDiagonal: {
            drawing::LinearGradientBrush brush(enlarged, a1, a2, linearMode(kind));
            brush.setWrapMode(drawing::WrapMode::Tile);
            brush.setGammaCorrection(true);
            g.fillPath(brush, shape);
            break;
        }
        case gtAngle: {
            drawing::LinearGradientBrush brush(enlarged, a1, a2, static_cast<float>(m_angle), true);
            brush.setGammaCorrection(true);
            g.fillPath(brush, shape);
            break;
        }
        case gtHatch:
            g.fillPath(drawing::HatchBrush(half.hatch, a1, a2), shape);
            break;
        case gtTexture:
            g.fillPath(drawing::TextureBrush(*texture, drawing::WrapMode::Tile), shape);
            break;
        default:
            break;
    }
    g.setSmoothingMode(previous);
    // The mirror half's first row is the start colour, so the seam between the
    // halves is one colour whatever the gradient's phase there.
    if (half.mirror && isLinear(kind)) g.fillRectangle(SolidBrush(a1), RectF{r.x, r.y, r.width, 1});
}

void TGDIPFill::paintRadialHalf(drawing::Graphics& g, const Half& half) const {
    const RectF& r = half.rect;
    const ARGB a1 = ColorToARGB(half.o1, half.c1);
    const ARGB a2 = ColorToARGB(half.o2, half.c2 == drawing::clNone ? half.c1 : half.c2);
    const GraphicsPath shape = roundedShape(r, m_rounding, half.radialCorners);
    // The main half glows from the middle of its top edge, the mirror half from the
    // middle of its bottom edge.
    const RectF box = half.mirror ? RectF{r.x, r.y, r.width, 1.5f * r.height}
                                  : RectF{r.x, r.y - r.height / 2, r.width, 1.5f * r.height};
    const drawing::PointF centre{r.x + r.width / 2, half.mirror ? r.y + r.height : r.y};
    GraphicsPath ellipse;
    ellipse.addEllipse(box);
    drawing::PathGradientBrush brush(ellipse);
    brush.setCenterPoint(centre);
    brush.setCenterColor(half.mirror ? a1 : a2);
    brush.setSurroundColors({half.mirror ? a2 : a1});

    // The caller's clip stays in force: the shape only narrows it for the gradient.
    const drawing::GraphicsState state = g.save();
    g.fillPath(SolidBrush(half.mirror ? a2 : a1), shape);
    g.intersectClip(shape);
    g.fillRectangle(brush, r);
    g.restore(state);
}

void TGDIPFill::paintBackGroundPicture(drawing::Graphics& g, const RectF& r, bool clipped) const {
    const drawing::Image* image = m_backGroundPicture->image();
    if (!image) return;
    const drawing::Rect place =
        placePicture(r, {image->width(), image->height()}, m_backGroundPicturePosition,
                     {m_backGroundPictureLeft, m_backGroundPictureTop});
    if (place.empty()) return;
    const drawing::GraphicsState state = g.save();
    if (clipped) g.intersectClip(roundedShape(r, m_rounding, m_roundingType));
    m_backGroundPicture->draw(g, toRectF(place));
    g.restore(state);
}

void TGDIPFill::paintBorder(drawing::Graphics& g, const RectF& r, std::uint8_t opacity) const {
    if (m_borderWidth <= 0 || m_borderColor == drawing::clNone) return;
    g.drawPath(drawing::Pen(ColorToARGB(opacity, m_borderColor), static_cast<float>(m_borderWidth)),
               roundedShape(r, m_rounding, m_roundingType));
}

void TGDIPFill::paintGlow(drawing::Graphics& g, const RectF& r) const {
    // A sheen over the upper half fading downwards, and a glow rising from the
    // middle of the bottom edge; both within the body's shape.
    const drawing::GraphicsState state = g.save();
    g.setSmoothingMode(drawing::SmoothingMode::AntiAlias);
    g.intersectClip(roundedShape(r, m_rounding, m_roundingType));
    if (m_glow == gmGradient || m_glow == gmRadialGradient) {
        const RectF upper{r.x, r.y, r.width, r.height / 2};
        drawing::LinearGradientBrush sheen(upper, ColorToARGB(160, m_glowGradientColor),
                                           ColorToARGB(0, m_glowGradientColor),
                                           drawing::LinearGradientMode::Vertical);
        g.fillRectangle(sheen, upper);
    }
    if (m_glow == gmRadial || m_glow == gmRadialGradient) {
        GraphicsPath ellipse;
        ellipse.addEllipse(RectF{r.x - r.width / 4, r.y + r.height / 2, 1.5f * r.width, r.height});
        drawing::PathGradientBrush glow(ellipse);
        glow.setCenterPoint({r.x + r.width / 2, r.y + r.height});
        glow.setCenterColor(ColorToARGB(160, m_glowRadialColor));
        glow.setSurroundColors({ColorToARGB(0, m_glowRadialColor)});
        g.fillRectangle(glow, r);
    }
    g.restore(state);
}

void TGDIPFill::paintPicture(drawing::Graphics& g, const RectF& r) const {
    if (m_picture->Empty()) return;
    const drawing::Size size = m_pictureSize == psCustom
                                   ? drawing::Size{m_pictureWidth, m_pictureHeight}
                                   : drawing::Size{m_picture->Width(), m_picture->Height()};
    const drawing::Rect place = placePicture(r, size, m_picturePosition, {m_pictureLeft, m_pictureTop});
    if (place.empty()) return;
    m_picture->draw(g, toRectF(place));
}

}  // namespace sk::smooth

// The glow face's colour blend and part painter.
#include "controls/office/GlowFace.h"

#include "drawing/Brush.h"
#include "drawing/Color.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"

namespace sk::office {

GlowColorSet blendFaces(const GlowColorSet& a, const GlowColorSet& b, int percent, GlowColorSet into) {
    into.upper = drawing::blendPercent(a.upper, b.upper, percent);
    into.upperTo = drawing::blendPercent(a.upperTo, b.upperTo, percent);
    into.mirror = drawing::blendPercent(a.mirror, b.mirror, percent);
    into.mirrorTo = drawing::blendPercent(a.mirrorTo, b.mirrorTo, percent);
    return into;
}

void paintGlowPart(drawing::Graphics& g, GlowPartEdges p, TColor solid, TColor first,
                   TColor second, TGDIPGradient kind, GlowPartKind which) {
    using drawing::RectF;
    const int w = p.x1 - p.x0, h = p.y1 - p.y0;
    if (w <= 0 || h <= 0) return;
    const RectF fill{static_cast<float>(p.x0), static_cast<float>(p.y0), static_cast<float>(p.x1),
                     static_cast<float>(p.y1)};
    const drawing::ARGB firstArgb = drawing::ColorToARGB(255, first), secondArgb = drawing::ColorToARGB(255, second);
    const drawing::SmoothingMode smoothing = g.smoothingMode();
    g.setSmoothingMode(drawing::SmoothingMode::None);
    g.fillRectangle(drawing::SolidBrush(drawing::ColorToARGB(255, solid)), fill);
    if (kind == ggRadial) {
        drawing::GraphicsPath ellipse;
        drawing::PointF centre;
        if (which == GlowPartKind::Upper) {
            ellipse.addEllipse(RectF{fill.x, static_cast<float>(p.y0 - h / 2 + 2), fill.width, fill.height});
            centre = {static_cast<float>(p.x0 + w / 2), static_cast<float>(p.y0)};
        } else {
            ellipse.addEllipse(fill);
            centre = {static_cast<float>(p.x0 + w / 2), static_cast<float>(p.y1)};
        }
        drawing::PathGradientBrush glow(ellipse);
        glow.setCenterPoint(centre);
        glow.setCenterColor(which == GlowPartKind::Upper ? secondArgb : firstArgb);
        glow.setSurroundColors({which == GlowPartKind::Upper ? firstArgb : secondArgb});
        g.fillRectangle(glow, fill);
    } else {
        drawing::LinearGradientMode mode = drawing::LinearGradientMode::Vertical;
        if (kind == ggDiagonalForward) mode = drawing::LinearGradientMode::ForwardDiagonal;
        if (kind == ggDiagonalBackward) mode = drawing::LinearGradientMode::BackwardDiagonal;
        const RectF span{static_cast<float>(p.x0), static_cast<float>(p.y0), static_cast<float>(w),
                         static_cast<float>(h)};
        g.fillRectangle(drawing::LinearGradientBrush(span, firstArgb, secondArgb, mode), fill);
    }
    g.setSmoothingMode(smoothing);
}

}  // namespace sk::office

// Anti-aliased 2-D drawing over cairo and pango.
//
// Pixel centres: the cairo transform is the world transform followed by a shift of
// half a pixel, so that user point (0, 0) is the centre of pixel (0, 0). Text and
// images are placed on pixel edges instead (their boxes start where their pixels do),
// so they use the world transform alone.
#include "drawing/Graphics.h"

#include <algorithm>
#include <cmath>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"
#include "drawing/FontConfiguration.h"

namespace sk::drawing {

namespace {

cairo_matrix_t cairoMatrix(const Matrix& m, double shift) {
    cairo_matrix_t result;
    cairo_matrix_init(&result, m.m11(), m.m12(), m.m21(), m.m22(), m.dx() + shift, m.dy() + shift);
    return result;
}

bool finiteRect(const RectF& r) {
    return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) && std::isfinite(r.height);
}

bool smooths(SmoothingMode mode) {
    return mode == SmoothingMode::AntiAlias || mode == SmoothingMode::HighQuality ||
           mode == SmoothingMode::AntiAlias8x8;
}

bool hasClosedFigure(const GraphicsPath& path) {
    return std::any_of(path.elements().begin(), path.elements().end(),
                       [](const GraphicsPath::Element& e) { return e.verb == GraphicsPath::Verb::Close; });
}

void setStrokeStyle(cairo_t* cr, const Pen& pen, double width) {
    cairo_set_line_width(cr, width);
    switch (pen.lineJoin()) {
        case LineJoin::Miter:
        case LineJoin::MiterClipped:
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
            break;
        case LineJoin::Bevel:
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL);
            break;
        case LineJoin::Round:
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            break;
    }
    cairo_set_miter_limit(cr, std::max(1.0f, pen.miterLimit()));
    // cairo has one cap for both ends: the start cap decides.
    switch (pen.startCap()) {
        case LineCap::Flat:
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            break;
        case LineCap::Square:
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
            break;
        case LineCap::Round:
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            break;
    }
    const std::vector<float> pattern = pen.dashPattern();
    if (pattern.empty()) {
        cairo_set_dash(cr, nullptr, 0, 0);
    } else {
        std::vector<double> dashes;
        for (float length : pattern) dashes.push_back(length * width);
        cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), pen.dashOffset() * width);
    }
}

}  // namespace

void appendPathToCairo(cairo_t* cr, const GraphicsPath& path) {
    for (const auto& element : path.elements()) {
        const PointF* p = element.points;
        switch (element.verb) {
            case GraphicsPath::Verb::Move:
                cairo_move_to(cr, p[0].x, p[0].y);
                break;
            case GraphicsPath::Verb::Line:
                cairo_line_to(cr, p[0].x, p[0].y);
                break;
            case GraphicsPath::Verb::Curve:
                cairo_curve_to(cr, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
                break;
            case GraphicsPath::Verb::Close:
                cairo_close_path(cr);
                break;
        }
    }
}

// ---- Construction and state ---------------------------------------------------------

namespace {

detail::CairoContext contextOn(cairo_surface_t* surface) {
    if (surface) return detail::CairoContext(cairo_create(surface));
    const detail::CairoSurface nothing(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 0, 0));
    return detail::CairoContext(cairo_create(nothing.get()));  // the context keeps its own reference
}

}  // namespace

Graphics::Graphics(Bitmap& target)
    : m_target(target),
      m_cr(contextOn(target.cairoSurface())),
      m_pango(pango_font_map_create_context(fontMap())) {
    applyTransform();
    applyRendering();
}

Graphics::~Graphics() {
    // What was drawn reaches the bitmap's pixels before the context goes.
    cairo_surface_flush(cairo_get_target(m_cr.get()));
}

Status Graphics::record(Status status) {
    // cairo's own failures are sticky in its context: they become ours.
    if (status == Status::Ok) {
        switch (cairo_status(m_cr.get())) {
            case CAIRO_STATUS_SUCCESS:
                break;
            case CAIRO_STATUS_NO_MEMORY:
                status = Status::OutOfMemory;
                break;
            case CAIRO_STATUS_INVALID_MATRIX:
                status = Status::InvalidParameter;
                break;
            default:
                status = Status::GenericError;
                break;
        }
    }
    if (status != Status::Ok) m_lastStatus = status;
    return status;
}

void Graphics::applyTransform() const {
    const cairo_matrix_t matrix = cairoMatrix(m_state.transform, 0.5);
    cairo_set_matrix(m_cr.get(), &matrix);
}

void Graphics::applyRendering() const {
    cairo_set_antialias(m_cr.get(),
                        smooths(m_state.smoothing) ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(m_cr.get(), m_state.compositingMode == CompositingMode::SourceCopy
                                       ? CAIRO_OPERATOR_SOURCE
                                       : CAIRO_OPERATOR_OVER);
}

void Graphics::applyClip() const {
    cairo_reset_clip(m_cr.get());
    if (m_state.clip.infinite()) return;
    cairo_matrix_t shift;
    cairo_matrix_init_translate(&shift, 0.5, 0.5);
    cairo_set_matrix(m_cr.get(), &shift);
    cairo_set_antialias(m_cr.get(), CAIRO_ANTIALIAS_DEFAULT);
    for (const auto& part : m_state.clip.parts) {
        cairo_new_path(m_cr.get());
        appendPathToCairo(m_cr.get(), part.path);
        cairo_set_fill_rule(m_cr.get(), part.path.fillMode() == FillMode::Winding ? CAIRO_FILL_RULE_WINDING
                                                                                  : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(m_cr.get());
    }
    cairo_new_path(m_cr.get());
    // The clip stays: cairo_restore would drop it with the rest of the saved state.
    applyTransform();
    applyRendering();
}

void Graphics::setSmoothingMode(SmoothingMode mode) {
    m_state.smoothing = mode;
    applyRendering();
}

Status Graphics::setTransform(const Matrix& matrix) {
    // A singular or non-finite transform would put the cairo context into an error
    // state in which nothing more is drawn: it is refused, the old one stays.
    if (!matrix.isInvertible() || !std::isfinite(matrix.dx()) || !std::isfinite(matrix.dy()))
        return record(Status::InvalidParameter);
    m_state.transform = matrix;
    applyTransform();
    return record(Status::Ok);
}

Status Graphics::resetTransform() {
    return setTransform(Matrix());
}

Status Graphics::translateTransform(float dx, float dy, MatrixOrder order) {
    Matrix changed = m_state.transform;
    changed.translate(dx, dy, order);
    return setTransform(changed);
}

Status Graphics::rotateTransform(float degrees, MatrixOrder order) {
    Matrix changed = m_state.transform;
    changed.rotate(degrees, order);
    return setTransform(changed);
}

Status Graphics::scaleTransform(float sx, float sy, MatrixOrder order) {
    Matrix changed = m_state.transform;
    changed.scale(sx, sy, order);
    return setTransform(changed);
}

Status Graphics::setClip(const GraphicsPath& path, CombineMode mode) {
    GraphicsPath devicePath = path;
    devicePath.transform(m_state.transform);
    if (mode == CombineMode::Replace) m_state.clip.parts.clear();
    m_state.clip.parts.push_back({std::move(devicePath)});
    applyClip();
    return Status::Ok;
}

Status Graphics::setClip(const RectF& rect, CombineMode mode) {
    if (!finiteRect(rect)) return record(Status::InvalidParameter);
    // A rectangle clip covers whole pixels: its edges are pixel edges, half a pixel
    // before the pixel centres that integer coordinates name.
    GraphicsPath path;
    path.addRectangle(rect);
    path.transform(m_state.transform);
    path.transform(Matrix(1, 0, 0, 1, -0.5, -0.5));
    if (mode == CombineMode::Replace) m_state.clip.parts.clear();
    m_state.clip.parts.push_back({std::move(path)});
    applyClip();
    return Status::Ok;
}

Status Graphics::setClip(const Region& region) {
    m_state.clip = region;
    applyClip();
    return Status::Ok;
}

void Graphics::resetClip() {
    m_state.clip = {};
    applyClip();
}

RectF Graphics::clipBounds() const {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_save(m_cr.get());
    cairo_identity_matrix(m_cr.get());
    cairo_clip_extents(m_cr.get(), &x1, &y1, &x2, &y2);
    cairo_restore(m_cr.get());
    return {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2 - x1),
            static_cast<float>(y2 - y1)};
}

GraphicsState Graphics::save() {
    m_saved.push_back(m_state);
    return static_cast<GraphicsState>(m_saved.size() - 1);
}

void Graphics::restore(GraphicsState state) {
    if (state < 0 || state >= static_cast<int>(m_saved.size())) {
        record(Status::InvalidParameter);
        return;
    }
    m_state = m_saved[static_cast<std::size_t>(state)];
    m_saved.resize(static_cast<std::size_t>(state));
    applyTransform();
    applyRendering();
    applyClip();
}

// ---- Filling and stroking -----------------------------------------------------------

Status Graphics::clear(ARGB color) {
    cairo_save(m_cr.get());
    cairo_set_operator(m_cr.get(), CAIRO_OPERATOR_SOURCE);
    detail::setSourceArgb(m_cr.get(), color);
    cairo_paint(m_cr.get());
    cairo_restore(m_cr.get());
    return Status::Ok;
}

Status Graphics::paintWithBrush(const Brush& brush) {
    const detail::CairoPattern owned = brush.createPattern(m_cr.get());
    cairo_pattern_t* pattern = owned.get();
    if (!pattern) {
        cairo_new_path(m_cr.get());
        return Status::Ok;
    }
    const Status status =
        cairo_pattern_status(pattern) == CAIRO_STATUS_SUCCESS ? Status::Ok : Status::InvalidParameter;
    cairo_set_source(m_cr.get(), pattern);
    cairo_fill(m_cr.get());
    return status;
}

Status Graphics::fillPath(const Brush& brush, const GraphicsPath& path) {
    cairo_new_path(m_cr.get());
    appendPathToCairo(m_cr.get(), path);
    cairo_set_fill_rule(m_cr.get(), path.fillMode() == FillMode::Winding ? CAIRO_FILL_RULE_WINDING
                                                                         : CAIRO_FILL_RULE_EVEN_ODD);
    return record(paintWithBrush(brush));
}

Status Graphics::strokeCurrentPath(const Pen& pen, const GraphicsPath& path) {
    const double width = pen.width() > 0 && std::isfinite(pen.width()) ? pen.width() : 1.0;
    const detail::CairoPattern ownedSource = pen.brush().createPattern(m_cr.get());
    cairo_pattern_t* source = ownedSource.get();
    if (!source) return Status::Ok;
    cairo_save(m_cr.get());
    const std::vector<float>& bands = pen.compoundArray();
    const bool inset = pen.alignment() == PenAlignment::Inset && width > 1 && hasClosedFigure(path);

    if (!bands.empty()) {
        // Parallel bands across the width: distances outward from the path run from
        // +width/2 (fraction 0) to -width/2 (fraction 1). Each band is stroked as a
        // mask: the region within its far distance minus the region within its near
        // distance, on its own side of the figure.
        cairo_push_group_with_content(m_cr.get(), CAIRO_CONTENT_ALPHA);
        for (std::size_t i = 0; i + 1 < bands.size(); i += 2) {
            const double hi = (0.5 - bands[i]) * width, lo = (0.5 - bands[i + 1]) * width;
            for (int side = 0; side < 2; ++side) {
                const double farDistance = side == 0 ? std::max(hi, 0.0) : std::max(-lo, 0.0);
                const double nearDistance = side == 0 ? std::max(lo, 0.0) : std::max(-hi, 0.0);
                if (farDistance <= nearDistance) continue;
                cairo_push_group_with_content(m_cr.get(), CAIRO_CONTENT_ALPHA);
                cairo_new_path(m_cr.get());
                if (side == 0) {
                    double x1, y1, x2, y2;
                    cairo_clip_extents(m_cr.get(), &x1, &y1, &x2, &y2);
                    cairo_rectangle(m_cr.get(), x1 - width, y1 - width, x2 - x1 + 2 * width,
                                    y2 - y1 + 2 * width);
                }
                appendPathToCairo(m_cr.get(), path);
                cairo_set_fill_rule(m_cr.get(), CAIRO_FILL_RULE_EVEN_ODD);
                cairo_clip(m_cr.get());
                appendPathToCairo(m_cr.get(), path);
                setStrokeStyle(m_cr.get(), pen, 2 * farDistance);
                cairo_set_source_rgba(m_cr.get(), 0, 0, 0, 1);
                cairo_stroke(m_cr.get());
                if (nearDistance > 0) {
                    appendPathToCairo(m_cr.get(), path);
                    cairo_set_line_width(m_cr.get(), 2 * nearDistance);
                    // DEST_OUT with the opaque source: CLEAR leaves unsmoothed strokes untouched.
                    cairo_set_operator(m_cr.get(), CAIRO_OPERATOR_DEST_OUT);
                    cairo_stroke(m_cr.get());
                }
                cairo_pop_group_to_source(m_cr.get());
                cairo_paint(m_cr.get());
            }
        }
        const detail::CairoPattern mask(cairo_pop_group(m_cr.get()));
        cairo_set_source(m_cr.get(), source);
        cairo_mask(m_cr.get(), mask.get());
    } else {
        cairo_new_path(m_cr.get());
        if (inset) {
            appendPathToCairo(m_cr.get(), path);
            cairo_set_fill_rule(m_cr.get(), path.fillMode() == FillMode::Winding ? CAIRO_FILL_RULE_WINDING
                                                                                 : CAIRO_FILL_RULE_EVEN_ODD);
            cairo_clip(m_cr.get());
        }
        appendPathToCairo(m_cr.get(), path);
        setStrokeStyle(m_cr.get(), pen, inset ? 2 * width : width);
        cairo_set_source(m_cr.get(), source);
        cairo_stroke(m_cr.get());
    }
    cairo_restore(m_cr.get());
    return Status::Ok;
}

Status Graphics::drawPath(const Pen& pen, const GraphicsPath& path) {
    return record(strokeCurrentPath(pen, path));
}

Status Graphics::fillRectangle(const Brush& brush, const RectF& rect) {
    if (!finiteRect(rect)) return record(Status::InvalidParameter);
    cairo_new_path(m_cr.get());
    cairo_rectangle(m_cr.get(), rect.x, rect.y, rect.width, rect.height);
    cairo_set_fill_rule(m_cr.get(), CAIRO_FILL_RULE_WINDING);
    return record(paintWithBrush(brush));
}

Status Graphics::drawRectangle(const Pen& pen, const RectF& rect) {
    if (!finiteRect(rect)) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addRectangle(rect);
    return drawPath(pen, path);
}

Status Graphics::fillEllipse(const Brush& brush, const RectF& box) {
    if (!finiteRect(box)) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addEllipse(box);
    return fillPath(brush, path);
}

Status Graphics::drawEllipse(const Pen& pen, const RectF& box) {
    if (!finiteRect(box)) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addEllipse(box);
    return drawPath(pen, path);
}

Status Graphics::fillPolygon(const Brush& brush, std::span<const PointF> points, FillMode mode) {
    if (points.size() < 3) return record(Status::InvalidParameter);
    GraphicsPath path(mode);
    path.addPolygon(points);
    return fillPath(brush, path);
}

Status Graphics::drawPolygon(const Pen& pen, std::span<const PointF> points) {
    if (points.size() < 2) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addPolygon(points);
    return drawPath(pen, path);
}

Status Graphics::fillPie(const Brush& brush, const RectF& box, float startAngle, float sweepAngle) {
    if (!finiteRect(box)) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addPie(box, startAngle, sweepAngle);
    return fillPath(brush, path);
}

Status Graphics::drawLine(const Pen& pen, PointF from, PointF to) {
    GraphicsPath path;
    path.addLine(from, to);
    return drawPath(pen, path);
}

Status Graphics::drawLines(const Pen& pen, std::span<const PointF> points) {
    if (points.size() < 2) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addLines(points);
    return drawPath(pen, path);
}

Status Graphics::drawArc(const Pen& pen, const RectF& box, float startAngle, float sweepAngle) {
    if (!finiteRect(box)) return record(Status::InvalidParameter);
    GraphicsPath path;
    path.addArc(box, startAngle, sweepAngle);
    return drawPath(pen, path);
}

Status Graphics::drawBezier(const Pen& pen, PointF p1, PointF c1, PointF c2, PointF p2) {
    GraphicsPath path;
    path.addBezier(p1, c1, c2, p2);
    return drawPath(pen, path);
}

// ---- Text ---------------------------------------------------------------------------

void Graphics::preparePango() const {
    // Changing the options makes pango drop its cached fonts: only when the hint changes.
    const int hint = static_cast<int>(m_state.textHint);
    if (hint == m_pangoHint) return;
    const detail::CairoFontOptions options = detail::fontOptionsFor(hint);
    pango_cairo_context_set_font_options(m_pango.get(), options.get());
    m_pangoHint = hint;
}

Status Graphics::drawStringImpl(std::string_view utf8Text, const Font& font, const RectF& layout,
                                bool atPoint, const StringFormat& format, const Brush& brush) {
    if (!finiteRect(layout)) return record(Status::InvalidParameter);
    cairo_save(m_cr.get());
    const cairo_matrix_t world = cairoMatrix(m_state.transform, 0.0);
    cairo_set_matrix(m_cr.get(), &world);
    preparePango();
    pango_cairo_update_context(m_cr.get(), m_pango.get());
    // Underlines and strike-outs are smoothed as the glyphs are, whatever the smoothing
    // of shapes: a line thinner than a pixel would otherwise cover no pixel centre.
    const bool singleBit = m_state.textHint == TextRenderingHint::SingleBitPerPixelGridFit ||
                           m_state.textHint == TextRenderingHint::SingleBitPerPixel;
    cairo_set_antialias(m_cr.get(), singleBit ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
    detail::LaidOutText text = detail::layoutString(m_pango.get(), utf8Text, font, layout, atPoint, format);
    if (text.clip) {
        cairo_rectangle(m_cr.get(), text.clipRect.x, text.clipRect.y, text.clipRect.width,
                        text.clipRect.height);
        cairo_clip(m_cr.get());
    }
    Status status = Status::Ok;
    if (const detail::CairoPattern pattern = brush.createPattern(m_cr.get())) {
        cairo_set_source(m_cr.get(), pattern.get());
        cairo_move_to(m_cr.get(), text.x, text.y);
        pango_cairo_show_layout(m_cr.get(), text.layout.get());
    }
    cairo_restore(m_cr.get());
    if (font.status() != Status::Ok) status = font.status();
    return record(status);
}

Status Graphics::drawString(std::string_view utf8Text, const Font& font, const RectF& layout,
                            const StringFormat& format, const Brush& brush) {
    return drawStringImpl(utf8Text, font, layout, false, format, brush);
}

Status Graphics::drawString(std::string_view utf8Text, const Font& font, PointF origin,
                            const StringFormat& format, const Brush& brush) {
    return drawStringImpl(utf8Text, font, RectF{origin.x, origin.y, 0, 0}, true, format, brush);
}

TextMeasure Graphics::measureString(std::string_view utf8Text, const Font& font, const RectF& layout,
                                    const StringFormat& format) const {
    TextMeasure result;
    cairo_save(m_cr.get());
    const cairo_matrix_t world = cairoMatrix(m_state.transform, 0.0);
    cairo_set_matrix(m_cr.get(), &world);
    preparePango();
    pango_cairo_update_context(m_cr.get(), m_pango.get());
    detail::LaidOutText text = detail::layoutString(m_pango.get(), utf8Text, font, layout, false, format);
    result.box = text.box;
    result.linesFilled = text.lines;
    result.codepointsFitted = static_cast<int>(g_utf8_strlen(pango_layout_get_text(text.layout.get()), -1));
    cairo_restore(m_cr.get());
    return result;
}

RectF Graphics::measureString(std::string_view utf8Text, const Font& font, PointF origin,
                              const StringFormat& format) const {
    cairo_save(m_cr.get());
    const cairo_matrix_t world = cairoMatrix(m_state.transform, 0.0);
    cairo_set_matrix(m_cr.get(), &world);
    preparePango();
    pango_cairo_update_context(m_cr.get(), m_pango.get());
    detail::LaidOutText text =
        detail::layoutString(m_pango.get(), utf8Text, font, RectF{origin.x, origin.y, 0, 0}, true, format);
    const RectF box = text.box;
    cairo_restore(m_cr.get());
    return box;
}

// ---- Images -------------------------------------------------------------------------

Status Graphics::drawImage(const Image& image, PointF topLeft) {
    return drawImage(image.bitmap(), topLeft);
}

Status Graphics::drawImage(const Image& image, const RectF& destination) {
    return drawImage(image.bitmap(), destination);
}

Status Graphics::drawImage(const Image& image, const RectF& destination, const RectF& sourceRect,
                           const ImageAttributes* attributes) {
    return drawImage(image.bitmap(), destination, sourceRect, attributes);
}

Status Graphics::drawImage(const Bitmap& bitmap, PointF topLeft) {
    return drawImage(bitmap, RectF{topLeft.x, topLeft.y, static_cast<float>(bitmap.width()),
                                   static_cast<float>(bitmap.height())});
}

Status Graphics::drawImage(const Bitmap& bitmap, const RectF& destination) {
    return drawImage(bitmap, destination,
                     RectF{0, 0, static_cast<float>(bitmap.width()), static_cast<float>(bitmap.height())});
}

Status Graphics::drawImage(const Bitmap& bitmap, const RectF& destination, const RectF& sourceRect,
                           const ImageAttributes* attributes) {
    if (!finiteRect(destination) || !finiteRect(sourceRect)) return record(Status::InvalidParameter);
    if (bitmap.empty()) return record(Status::InvalidParameter);
    if (destination.width == 0 || destination.height == 0 || sourceRect.width <= 0 || sourceRect.height <= 0)
        return Status::Ok;

    const Bitmap* source = &bitmap;
    Bitmap keyed;
    if (attributes && attributes->hasColorKey()) {
        keyed = bitmap;
        for (int y = 0; y < keyed.height(); ++y)
            for (int x = 0; x < keyed.width(); ++x)
                if (attributes->keyed(keyed.pixel(x, y))) keyed.setPixel(x, y, 0);
        source = &keyed;
    }
    cairo_surface_flush(source->cairoSurface());

    cairo_save(m_cr.get());
    const cairo_matrix_t world = cairoMatrix(m_state.transform, 0.0);
    cairo_set_matrix(m_cr.get(), &world);
    const detail::CairoPattern owned(cairo_pattern_create_for_surface(source->cairoSurface()));
    cairo_pattern_t* pattern = owned.get();
    // Destination user space -> source pixels.
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, sourceRect.x, sourceRect.y);
    cairo_matrix_scale(&matrix, sourceRect.width / destination.width, sourceRect.height / destination.height);
    cairo_matrix_translate(&matrix, -destination.x, -destination.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    const bool sameSize = std::abs(sourceRect.width - destination.width) < 1e-4f &&
                          std::abs(sourceRect.height - destination.height) < 1e-4f &&
                          m_state.transform.isIdentity();
    cairo_filter_t filter = CAIRO_FILTER_GOOD;
    if (sameSize || m_state.interpolation == InterpolationMode::NearestNeighbor)
        filter = CAIRO_FILTER_NEAREST;
    else if (m_state.interpolation == InterpolationMode::HighQualityBicubic)
        filter = CAIRO_FILTER_BEST;
    cairo_pattern_set_filter(pattern, filter);
    // Stretching samples beyond the source rectangle's edge pixels: repeat them there
    // instead of fading to transparent.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_source(m_cr.get(), pattern);
    cairo_new_path(m_cr.get());
    cairo_rectangle(m_cr.get(), destination.x, destination.y, destination.width, destination.height);
    cairo_fill(m_cr.get());
    cairo_restore(m_cr.get());
    return Status::Ok;
}

}  // namespace sk::drawing

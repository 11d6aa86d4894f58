// Paths: building figures, arcs as Bézier curves, flattening, bounds and widening.
#include "drawing/GraphicsPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"
#include "drawing/FontConfiguration.h"
#include "drawing/Pen.h"

namespace sk::drawing {

namespace {

constexpr double kPi = std::numbers::pi;

double radians(double degrees) {
    return degrees * kPi / 180.0;
}

// The parameter of the point at a true angle on an ellipse with radii a, b.
double ellipseParameter(double a, double b, double angle) {
    return std::atan2(a * std::sin(angle), b * std::cos(angle));
}

struct FlatFigure {
    std::vector<PointF> points;
    bool closed = false;
};

void flattenCurve(std::vector<PointF>& out, PointF p0, PointF c1, PointF c2, PointF p3, float tolerance) {
    const double dx1 = p0.x - 2 * c1.x + c2.x, dy1 = p0.y - 2 * c1.y + c2.y;
    const double dx2 = c1.x - 2 * c2.x + p3.x, dy2 = c1.y - 2 * c2.y + p3.y;
    const double d = std::max(std::hypot(dx1, dy1), std::hypot(dx2, dy2));
    const int n =
        std::clamp(static_cast<int>(std::ceil(std::sqrt(0.75 * d / std::max(tolerance, 0.01f)))), 1, 500);
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
        out.push_back({static_cast<float>(a * p0.x + b * c1.x + c * c2.x + e * p3.x),
                       static_cast<float>(a * p0.y + b * c1.y + c * c2.y + e * p3.y)});
    }
}

std::vector<FlatFigure> flattenFigures(const std::vector<GraphicsPath::Element>& elements, float tolerance) {
    std::vector<FlatFigure> figures;
    PointF current;
    for (const auto& element : elements) {
        switch (element.verb) {
            case GraphicsPath::Verb::Move:
                figures.push_back({{element.points[0]}, false});
                current = element.points[0];
                break;
            case GraphicsPath::Verb::Line:
                if (figures.empty()) figures.push_back({{current}, false});
                figures.back().points.push_back(element.points[0]);
                current = element.points[0];
                break;
            case GraphicsPath::Verb::Curve:
                if (figures.empty()) figures.push_back({{current}, false});
                flattenCurve(figures.back().points, current, element.points[0], element.points[1],
                             element.points[2], tolerance);
                current = element.points[2];
                break;
            case GraphicsPath::Verb::Close:
                if (!figures.empty()) {
                    auto& figure = figures.back();
                    figure.closed = true;
                    if (figure.points.size() > 1 && figure.points.front() == figure.points.back())
                        figure.points.pop_back();
                    current = figure.points.front();
                }
                break;
        }
    }
    return figures;
}

double signedArea(const std::vector<PointF>& polygon) {
    double area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PointF& p = polygon[i];
        const PointF& q = polygon[(i + 1) % polygon.size()];
        area += static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y;
    }
    return area / 2;
}

}  // namespace

void detail::appendCairoPath(GraphicsPath& target, const cairo_path_t* path) {
    // A move is only kept when something is drawn from it: a lone current point (the
    // text origin, for one) is not a figure.
    bool pendingMove = false;
    PointF moveTo;
    auto flushMove = [&] {
        if (!pendingMove) return;
        target.startFigure();
        target.addLines(std::span<const PointF>(&moveTo, 1));
        pendingMove = false;
    };
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t* data = &path->data[i];
        auto pt = [&](int k) {
            return PointF{static_cast<float>(data[k].point.x), static_cast<float>(data[k].point.y)};
        };
        switch (data->header.type) {
            case CAIRO_PATH_MOVE_TO:
                pendingMove = true;
                moveTo = pt(1);
                break;
            case CAIRO_PATH_LINE_TO:
                flushMove();
                target.addLine(target.lastPoint(), pt(1));
                break;
            case CAIRO_PATH_CURVE_TO:
                flushMove();
                target.addBezier(target.lastPoint(), pt(1), pt(2), pt(3));
                break;
            case CAIRO_PATH_CLOSE_PATH:
                if (!pendingMove) target.closeFigure();
                break;
        }
    }
}

void GraphicsPath::startFigure() {
    m_figureOpen = false;
}

void GraphicsPath::closeFigure() {
    if (!m_elements.empty() && m_elements.back().verb != Verb::Close) m_elements.push_back({Verb::Close, {}});
    m_figureOpen = false;
}

void GraphicsPath::closeAllFigures() {
    std::vector<Element> closed;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        closed.push_back(m_elements[i]);
        const bool figureEnds = i + 1 == m_elements.size() || m_elements[i + 1].verb == Verb::Move;
        if (figureEnds && m_elements[i].verb != Verb::Close) closed.push_back({Verb::Close, {}});
    }
    m_elements = std::move(closed);
    m_figureOpen = false;
}

void GraphicsPath::reset() {
    m_elements.clear();
    m_figureOpen = false;
}

void GraphicsPath::lineOrMoveTo(PointF p) {
    if (m_figureOpen) {
        if (!(lastPoint() == p)) m_elements.push_back({Verb::Line, {p}});
    } else {
        m_elements.push_back({Verb::Move, {p}});
        m_figureStart = p;
        m_figureOpen = true;
    }
}

void GraphicsPath::addLine(PointF from, PointF to) {
    lineOrMoveTo(from);
    m_elements.push_back({Verb::Line, {to}});
}

void GraphicsPath::addLines(std::span<const PointF> points) {
    if (points.empty()) return;
    lineOrMoveTo(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i) m_elements.push_back({Verb::Line, {points[i]}});
}

void GraphicsPath::appendArcCurves(const RectF& box, float startAngle, float sweepAngle, bool connect) {
    const double a = box.width / 2.0, b = box.height / 2.0;
    const double cx = box.x + a, cy = box.y + b;
    const double sweep = std::clamp(static_cast<double>(sweepAngle), -360.0, 360.0);
    const double start = radians(startAngle), end = radians(startAngle + sweep);
    double t0 = ellipseParameter(a, b, start);
    double t1 = ellipseParameter(a, b, end);
    // Keep the sweep's direction and size in parameter space.
    const double wanted = radians(sweep);
    const double k = std::round((wanted - (t1 - t0)) / (2 * kPi));
    t1 += k * 2 * kPi;
    if (std::abs(sweep) >= 360.0) t1 = t0 + (sweep > 0 ? 2 * kPi : -2 * kPi);

    auto pointAt = [&](double t) {
        return PointF{static_cast<float>(cx + a * std::cos(t)), static_cast<float>(cy + b * std::sin(t))};
    };
    const PointF first = pointAt(t0);
    if (connect)
        lineOrMoveTo(first);
    else {
        m_elements.push_back({Verb::Move, {first}});
        m_figureStart = first;
        m_figureOpen = true;
    }
    const int segments = std::max(1, static_cast<int>(std::ceil(std::abs(t1 - t0) / (kPi / 2) - 1e-9)));
    const double step = (t1 - t0) / segments;
    const double kappa = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < segments; ++i) {
        const double s = t0 + i * step, e = s + step;
        const PointF p0 = pointAt(s), p3 = pointAt(e);
        const PointF c1{static_cast<float>(p0.x - kappa * a * std::sin(s)),
                        static_cast<float>(p0.y + kappa * b * std::cos(s))};
        const PointF c2{static_cast<float>(p3.x + kappa * a * std::sin(e)),
                        static_cast<float>(p3.y - kappa * b * std::cos(e))};
        m_elements.push_back({Verb::Curve, {c1, c2, p3}});
    }
}

void GraphicsPath::addArc(const RectF& box, float startAngle, float sweepAngle) {
    appendArcCurves(box, startAngle, sweepAngle, true);
}

void GraphicsPath::addBezier(PointF p1, PointF c1, PointF c2, PointF p2) {
    lineOrMoveTo(p1);
    m_elements.push_back({Verb::Curve, {c1, c2, p2}});
}

void GraphicsPath::addBeziers(std::span<const PointF> points) {
    if (points.empty()) return;
    lineOrMoveTo(points[0]);
    for (std::size_t i = 1; i + 2 < points.size(); i += 3)
        m_elements.push_back({Verb::Curve, {points[i], points[i + 1], points[i + 2]}});
}

void GraphicsPath::addRectangle(const RectF& r) {
    const PointF corners[] = {{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}};
    addPolygon(corners);
}

void GraphicsPath::addEllipse(const RectF& box) {
    m_figureOpen = false;
    appendArcCurves(box, 0, 360, false);
    closeFigure();
}

void GraphicsPath::addPolygon(std::span<const PointF> points) {
    if (points.empty()) return;
    m_figureOpen = false;
    m_elements.push_back({Verb::Move, {points[0]}});
    for (std::size_t i = 1; i < points.size(); ++i) m_elements.push_back({Verb::Line, {points[i]}});
    m_elements.push_back({Verb::Close, {}});
}

void GraphicsPath::addPie(const RectF& box, float startAngle, float sweepAngle) {
    m_figureOpen = false;
    const PointF centre{box.x + box.width / 2, box.y + box.height / 2};
    m_elements.push_back({Verb::Move, {centre}});
    m_figureOpen = true;
    appendArcCurves(box, startAngle, sweepAngle, true);
    closeFigure();
}

void GraphicsPath::addRoundedRectangle(const RectF& r, float rx, float ry) {
    rx = std::clamp(rx, 0.0f, r.width / 2);
    ry = std::clamp(ry, 0.0f, r.height / 2);
    if (rx <= 0 || ry <= 0) {
        addRectangle(r);
        return;
    }
    m_figureOpen = false;
    const float w = 2 * rx, h = 2 * ry;
    appendArcCurves({r.x, r.y, w, h}, 180, 90, false);
    appendArcCurves({r.right() - w, r.y, w, h}, 270, 90, true);
    appendArcCurves({r.right() - w, r.bottom() - h, w, h}, 0, 90, true);
    appendArcCurves({r.x, r.bottom() - h, w, h}, 90, 90, true);
    closeFigure();
}

void GraphicsPath::addPath(const GraphicsPath& other, bool connect) {
    bool first = true;
    for (const auto& element : other.m_elements) {
        if (first && connect && m_figureOpen && element.verb == Verb::Move) {
            lineOrMoveTo(element.points[0]);
        } else {
            m_elements.push_back(element);
            if (element.verb == Verb::Move) m_figureStart = element.points[0];
        }
        first = false;
    }
    m_figureOpen = other.m_figureOpen;
}

Status GraphicsPath::addString(std::string_view utf8Text, const FontFamily& family, int fontStyle,
                               float emSize, PointF origin, const StringFormat& format) {
    return addString(utf8Text, family, fontStyle, emSize, RectF{origin.x, origin.y, 0, 0}, format);
}

Status GraphicsPath::addString(std::string_view utf8Text, const FontFamily& family, int fontStyle,
                               float emSize, const RectF& layout, const StringFormat& format) {
    const Font font(family, emSize, fontStyle, FontUnit::Pixel);
    const bool atPoint = layout.width == 0 && layout.height == 0;
    const detail::GObjectHandle<PangoContext> ownedContext(pango_font_map_create_context(fontMap()));
    PangoContext* context = ownedContext.get();
    const detail::CairoFontOptions options = detail::fontOptionsFor(4);
    pango_cairo_context_set_font_options(context, options.get());
    detail::LaidOutText text = detail::layoutString(context, utf8Text, font, layout, atPoint, format);

    detail::CairoSurface surfaceOwner(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    cairo_surface_t* surface = surfaceOwner.get();
    detail::CairoContext crOwner(cairo_create(surface));
    cairo_t* cr = crOwner.get();
    // Glyph outlines land where Graphics::drawString puts the glyphs: its text origin
    // is the pixel edge, half a pixel before the pixel-centre coordinate.
    cairo_move_to(cr, text.x - 0.5, text.y - 0.5);
    pango_cairo_layout_path(cr, text.layout.get());
    detail::CairoPath pathOwner(cairo_copy_path(cr));
    cairo_path_t* path = pathOwner.get();
    detail::appendCairoPath(*this, path);
    return font.status();
}

void GraphicsPath::transform(const Matrix& matrix) {
    for (auto& element : m_elements)
        for (auto& p : element.points) p = matrix.transform(p);
    m_figureStart = matrix.transform(m_figureStart);
}

void GraphicsPath::flatten(const Matrix* matrix, float tolerance) {
    if (matrix) transform(*matrix);
    std::vector<Element> flat;
    for (const FlatFigure& figure : flattenFigures(m_elements, tolerance)) {
        if (figure.points.empty()) continue;
        flat.push_back({Verb::Move, {figure.points[0]}});
        for (std::size_t i = 1; i < figure.points.size(); ++i)
            flat.push_back({Verb::Line, {figure.points[i]}});
        if (figure.closed) flat.push_back({Verb::Close, {}});
    }
    m_elements = std::move(flat);
}

std::vector<std::vector<PointF>> GraphicsPath::flattenedFigures(float tolerance) const {
    std::vector<std::vector<PointF>> result;
    for (FlatFigure& figure : flattenFigures(m_elements, tolerance))
        result.push_back(std::move(figure.points));
    return result;
}

void GraphicsPath::widen(const Pen& pen, const Matrix* matrix, float tolerance) {
    if (matrix) transform(*matrix);
    const double half = std::max(pen.width(), 1.0f) / 2.0;
    std::vector<std::vector<PointF>> pieces;
    auto addPiece = [&](std::vector<PointF> polygon) {
        if (signedArea(polygon) < 0) std::reverse(polygon.begin(), polygon.end());
        pieces.push_back(std::move(polygon));
    };
    // Round joins and caps: a disc at every vertex; a band along every segment.
    const int discSides =
        std::clamp(static_cast<int>(std::ceil(kPi / std::acos(std::max(0.0, 1 - tolerance / half)))), 8, 64);
    auto disc = [&](PointF c) {
        std::vector<PointF> polygon;
        for (int i = 0; i < discSides; ++i) {
            const double t = 2 * kPi * i / discSides;
            polygon.push_back(
                {static_cast<float>(c.x + half * std::cos(t)), static_cast<float>(c.y + half * std::sin(t))});
        }
        addPiece(std::move(polygon));
    };
    for (const FlatFigure& figure : flattenFigures(m_elements, tolerance)) {
        const auto& pts = figure.points;
        const std::size_t segments = figure.closed ? pts.size() : pts.size() - 1;
        for (std::size_t i = 0; i < pts.size(); ++i) disc(pts[i]);
        for (std::size_t i = 0; pts.size() > 1 && i < segments; ++i) {
            const PointF p = pts[i], q = pts[(i + 1) % pts.size()];
            const double length = std::hypot(q.x - p.x, q.y - p.y);
            if (length <= 0) continue;
            const float nx = static_cast<float>(-(q.y - p.y) / length * half);
            const float ny = static_cast<float>((q.x - p.x) / length * half);
            addPiece(
                {{p.x + nx, p.y + ny}, {q.x + nx, q.y + ny}, {q.x - nx, q.y - ny}, {p.x - nx, p.y - ny}});
        }
    }
    m_elements.clear();
    for (const auto& polygon : pieces) {
        m_elements.push_back({Verb::Move, {polygon[0]}});
        for (std::size_t i = 1; i < polygon.size(); ++i) m_elements.push_back({Verb::Line, {polygon[i]}});
        m_elements.push_back({Verb::Close, {}});
    }
    m_fillMode = FillMode::Winding;
    m_figureOpen = false;
}

RectF GraphicsPath::bounds(const Matrix* matrix) const {
    bool any = false;
    float left = 0, top = 0, right = 0, bottom = 0;
    for (const auto& element : m_elements) {
        const int count = element.verb == Verb::Curve ? 3 : element.verb == Verb::Close ? 0 : 1;
        for (int i = 0; i < count; ++i) {
            const PointF p = matrix ? matrix->transform(element.points[i]) : element.points[i];
            if (!any) {
                left = right = p.x;
                top = bottom = p.y;
                any = true;
            }
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
    return {left, top, right - left, bottom - top};
}

int GraphicsPath::pointCount() const {
    return static_cast<int>(points().size());
}

std::vector<PointF> GraphicsPath::points() const {
    std::vector<PointF> result;
    for (const auto& element : m_elements) {
        const int count = element.verb == Verb::Curve ? 3 : element.verb == Verb::Close ? 0 : 1;
        for (int i = 0; i < count; ++i) result.push_back(element.points[i]);
    }
    return result;
}

PointF GraphicsPath::lastPoint() const {
    for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it) {
        if (it->verb == Verb::Curve) return it->points[2];
        if (it->verb == Verb::Close) return m_figureStart;
        return it->points[0];
    }
    return {};
}

}  // namespace sk::drawing

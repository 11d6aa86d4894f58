// Path gradients as cairo mesh patterns. The outline is flattened; for every edge of
// the outline and every interval of the colour function (blend or preset positions)
// one four-sided patch runs from the inner ring to the outer ring. Each patch starts
// at its centre side, so that a degenerate side (the centre point itself) never takes
// an edge vertex's colour. Along every ray from the centre a patch interpolates
// linearly, which is exactly the gradient's meaning between two ring positions.
#include "drawing/PathGradientBrush.h"

#include <algorithm>
#include <cmath>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"

namespace sk::drawing {

PathGradientBrush::PathGradientBrush(const GraphicsPath& path) {
    // Each path element's end point is one "source point" for per-point surround colours.
    PointF current;
    int index = -1;
    constexpr float kTolerance = 0.25f;
    for (const auto& element : path.elements()) {
        switch (element.verb) {
            case GraphicsPath::Verb::Move:
                m_figures.push_back({{element.points[0], static_cast<float>(++index)}});
                current = element.points[0];
                break;
            case GraphicsPath::Verb::Line:
                if (m_figures.empty()) m_figures.push_back({{current, static_cast<float>(++index)}});
                m_figures.back().push_back({element.points[0], static_cast<float>(++index)});
                current = element.points[0];
                break;
            case GraphicsPath::Verb::Curve: {
                if (m_figures.empty()) m_figures.push_back({{current, static_cast<float>(++index)}});
                GraphicsPath piece;
                piece.addBezier(current, element.points[0], element.points[1], element.points[2]);
                const auto flat = piece.flattenedFigures(kTolerance);
                const auto& pts = flat.front();
                for (std::size_t i = 1; i < pts.size(); ++i)
                    m_figures.back().push_back(
                        {pts[i], index + static_cast<float>(i) / static_cast<float>(pts.size() - 1)});
                ++index;
                current = element.points[2];
                break;
            }
            case GraphicsPath::Verb::Close:
                if (!m_figures.empty() && m_figures.back().size() > 1 &&
                    m_figures.back().front().point == m_figures.back().back().point) {
                    m_figures.back().pop_back();
                    --index;
                }
                break;
        }
    }
    m_sourcePointCount = index + 1;
    double sx = 0, sy = 0;
    int count = 0;
    for (const auto& figure : m_figures)
        for (const auto& p : figure) sx += p.point.x, sy += p.point.y, ++count;
    if (count > 0) m_center = {static_cast<float>(sx / count), static_cast<float>(sy / count)};
}

PathGradientBrush::PathGradientBrush(std::vector<PointF> polygon, WrapMode wrap) : m_wrap(wrap) {
    GraphicsPath path;
    path.addPolygon(polygon);
    *this = PathGradientBrush(path);
    m_wrap = wrap;
}

Status PathGradientBrush::setSurroundColors(std::vector<ARGB> colors) {
    if (colors.empty() || static_cast<int>(colors.size()) > std::max(1, m_sourcePointCount))
        return Status::InvalidParameter;
    m_surround = std::move(colors);
    return Status::Ok;
}

RectF PathGradientBrush::rectangle() const {
    GraphicsPath outline;
    for (const auto& figure : m_figures)
        for (const auto& p : figure) outline.addLine(p.point, p.point);
    return outline.bounds();
}

ARGB PathGradientBrush::colorAt(float t, ARGB edge) const {
    return blendedColor(t, edge, m_centerColor);
}

detail::CairoPattern PathGradientBrush::createMesh() const {
    detail::CairoPattern meshOwner(cairo_pattern_create_mesh());
    cairo_pattern_t* mesh = meshOwner.get();
    const std::vector<float> rings = breakpoints();
    const bool hasFocus = m_focusX > 0 || m_focusY > 0;
    const float fx = std::clamp(m_focusX, 0.0f, 1.0f), fy = std::clamp(m_focusY, 0.0f, 1.0f);

    auto edgeColor = [this](float source) {
        if (m_surround.size() == 1) return m_surround[0];
        const auto colorOf = [this](long i) {
            if (m_sourcePointCount > 0) i %= m_sourcePointCount;
            return m_surround[std::min<std::size_t>(static_cast<std::size_t>(i), m_surround.size() - 1)];
        };
        const long i = static_cast<long>(std::floor(source));
        const float u = source - static_cast<float>(i);
        if (u <= 0) return colorOf(i);
        return gradient::colorAt(u, colorOf(i), colorOf(i + 1), {}, {}, false);
    };
    // A point of the outline moved towards the centre for ring position t (0 edge, 1 focus ring).
    auto ringPoint = [&](PointF p, float t) {
        const double kx = 1 - t * (1 - fx), ky = 1 - t * (1 - fy);
        return std::pair<double, double>{m_center.x + (p.x - m_center.x) * kx,
                                         m_center.y + (p.y - m_center.y) * ky};
    };
    auto setCorner = [mesh](int corner, ARGB c) {
        cairo_mesh_pattern_set_corner_color_rgba(mesh, static_cast<unsigned>(corner), argbRed(c) / 255.0,
                                                 argbGreen(c) / 255.0, argbBlue(c) / 255.0,
                                                 alphaOf(c) / 255.0);
    };

    for (const auto& figure : m_figures) {
        if (figure.size() < 2) continue;
        for (std::size_t i = 0; i < figure.size(); ++i) {
            const OutlinePoint& a = figure[i];
            const OutlinePoint& b = figure[(i + 1) % figure.size()];
            const ARGB edgeA = edgeColor(a.source), edgeB = edgeColor(b.source);
            for (std::size_t k = 0; k + 1 < rings.size(); ++k) {
                const float outer = rings[k], inner = rings[k + 1];
                if (inner <= outer) continue;
                const auto ia = ringPoint(a.point, inner), ib = ringPoint(b.point, inner);
                const auto ob = ringPoint(b.point, outer), oa = ringPoint(a.point, outer);
                cairo_mesh_pattern_begin_patch(mesh);
                cairo_mesh_pattern_move_to(mesh, ia.first, ia.second);
                cairo_mesh_pattern_line_to(mesh, ib.first, ib.second);
                cairo_mesh_pattern_line_to(mesh, ob.first, ob.second);
                cairo_mesh_pattern_line_to(mesh, oa.first, oa.second);
                setCorner(0, colorAt(inner, edgeA));
                setCorner(1, colorAt(inner, edgeB));
                setCorner(2, colorAt(outer, edgeB));
                setCorner(3, colorAt(outer, edgeA));
                cairo_mesh_pattern_end_patch(mesh);
            }
            if (hasFocus) {
                // Inside the focus ring: the colour of position 1 throughout.
                const auto fa = ringPoint(a.point, 1), fb = ringPoint(b.point, 1);
                cairo_mesh_pattern_begin_patch(mesh);
                cairo_mesh_pattern_move_to(mesh, m_center.x, m_center.y);
                cairo_mesh_pattern_line_to(mesh, m_center.x, m_center.y);
                cairo_mesh_pattern_line_to(mesh, fb.first, fb.second);
                cairo_mesh_pattern_line_to(mesh, fa.first, fa.second);
                for (int c = 0; c < 2; ++c) setCorner(c, colorAt(1, c == 0 ? edgeA : edgeB));
                setCorner(2, colorAt(1, edgeB));
                setCorner(3, colorAt(1, edgeA));
                cairo_mesh_pattern_end_patch(mesh);
            }
        }
    }
    return meshOwner;
}

// The common case -- one surround colour, no focus scales -- has a faster exact form:
// in the triangle of the centre and one outline edge, the position between edge and
// centre is the centre's barycentric weight, an affine function of the point, so the
// triangle is a linear gradient whose colour lines run parallel to the edge. The
// triangles are drawn unsmoothed (each pixel by exactly one of them, no seams) into
// a picture of the brush's device bounds, pushed a little outwards so that the
// smoothed edge pixels of a fill find the edge colour there.
detail::CairoPattern PathGradientBrush::createTriangles(cairo_t* cr) const {
    cairo_matrix_t ctm;
    cairo_get_matrix(cr, &ctm);
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
    for (const auto& figure : m_figures)
        for (const auto& p : figure) {
            double x = p.point.x, y = p.point.y;
            cairo_matrix_transform_point(&ctm, &x, &y);
            left = std::min(left, x), top = std::min(top, y), right = std::max(right, x),
            bottom = std::max(bottom, y);
        }
    double clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_clip_extents(cr, &clipLeft, &clipTop, &clipRight, &clipBottom);
    cairo_restore(cr);
    const int x0 = static_cast<int>(std::floor(std::max(left, clipLeft))) - 2;
    const int y0 = static_cast<int>(std::floor(std::max(top, clipTop))) - 2;
    const int x1 = static_cast<int>(std::ceil(std::min(right, clipRight))) + 2;
    const int y1 = static_cast<int>(std::ceil(std::min(bottom, clipBottom))) + 2;
    if (x1 <= x0 || y1 <= y0 || x1 - x0 > 16384 || y1 - y0 > 16384) return nullptr;

    const int width = x1 - x0, height = y1 - y0;
    detail::CairoSurface pictureOwner(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_surface_t* picture = pictureOwner.get();
    if (cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    cairo_matrix_t toPicture;
    cairo_matrix_t shift;
    cairo_matrix_init_translate(&shift, -x0, -y0);
    cairo_matrix_multiply(&toPicture, &ctm, &shift);

    // The colour by position, premultiplied, in fine steps.
    // The colour function is straight between its breakpoints: evaluate it there and
    // interpolate in between.
    constexpr int kSteps = 512;
    std::vector<std::uint32_t> colours(kSteps + 1);
    const ARGB edge = m_surround.front();
    const std::vector<float> points = breakpoints();
    std::vector<ARGB> atPoints;
    for (float t : points) atPoints.push_back(colorAt(t, edge));
    std::size_t interval = 0;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = static_cast<float>(i) / kSteps;
        while (interval + 2 < points.size() && t > points[interval + 1]) ++interval;
        const float span = points[interval + 1] - points[interval];
        const float u = span > 0 ? std::clamp((t - points[interval]) / span, 0.0f, 1.0f) : 0.0f;
        const ARGB from = atPoints[interval], to = atPoints[interval + 1];
        auto lerp = [u](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * u)); };
        const ARGB c = makeARGB(lerp(alphaOf(from), alphaOf(to)), lerp(argbRed(from), argbRed(to)),
                                lerp(argbGreen(from), argbGreen(to)), lerp(argbBlue(from), argbBlue(to)));
        const std::uint32_t a = alphaOf(c);
        auto channel = [a](std::uint32_t v) { return (v * a + 127) / 255; };
        colours[static_cast<std::size_t>(i)] =
            (a << 24) | (channel(argbRed(c)) << 16) | (channel(argbGreen(c)) << 8) | channel(argbBlue(c));
    }
    unsigned char* data = cairo_image_surface_get_data(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    cairo_surface_flush(picture);

    double cx = m_center.x, cy = m_center.y;
    cairo_matrix_transform_point(&toPicture, &cx, &cy);
    constexpr double kGrow = 2.0;  // picture pixels the outline is pushed out by
    for (const auto& figure : m_figures) {
        if (figure.size() < 2) continue;
        for (std::size_t i = 0; i < figure.size(); ++i) {
            double ax = figure[i].point.x, ay = figure[i].point.y;
            double bx = figure[(i + 1) % figure.size()].point.x, by = figure[(i + 1) % figure.size()].point.y;
            cairo_matrix_transform_point(&toPicture, &ax, &ay);
            cairo_matrix_transform_point(&toPicture, &bx, &by);
            // The centre's barycentric weight is the position: 1 at the centre, 0 on the edge.
            const double det = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
            if (std::abs(det) < 1e-9) continue;
            auto weightOfCentre = [&](double px, double py) {
                return ((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / det;
            };
            auto pushed = [&](double px, double py) {
                const double dx = px - cx, dy = py - cy, d = std::hypot(dx, dy);
                const double k = d > 0 ? 1 + kGrow / d : 1;
                return std::pair<double, double>{cx + dx * k, cy + dy * k};
            };
            const auto [pax, pay] = pushed(ax, ay);
            const auto [pbx, pby] = pushed(bx, by);
            // Inside the pushed triangle: same side of all three edges (either orientation).
            const double d0 = (pax - cx) * (pby - cy) - (pay - cy) * (pbx - cx);
            const double orientation = d0 >= 0 ? 1.0 : -1.0;
            auto side = [orientation](double x1_, double y1_, double x2_, double y2_, double px, double py) {
                return orientation * ((x2_ - x1_) * (py - y1_) - (y2_ - y1_) * (px - x1_));
            };
            const int firstX = std::max(0, static_cast<int>(std::floor(std::min({cx, pax, pbx}))));
            const int lastX = std::min(width - 1, static_cast<int>(std::ceil(std::max({cx, pax, pbx}))));
            const int firstY = std::max(0, static_cast<int>(std::floor(std::min({cy, pay, pby}))));
            const int lastY = std::min(height - 1, static_cast<int>(std::ceil(std::max({cy, pay, pby}))));
            for (int y = firstY; y <= lastY; ++y) {
                auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
                const double py = y + 0.5;
                for (int x = firstX; x <= lastX; ++x) {
                    const double px = x + 0.5;
                    if (side(cx, cy, pax, pay, px, py) < 0 || side(pax, pay, pbx, pby, px, py) < 0 ||
                        side(pbx, pby, cx, cy, px, py) < 0)
                        continue;
                    const double t = std::clamp(weightOfCentre(px, py), 0.0, 1.0);
                    row[x] = colours[static_cast<std::size_t>(std::lround(t * kSteps))];
                }
            }
        }
    }
    cairo_surface_mark_dirty(picture);
    detail::CairoPattern pattern(cairo_pattern_create_for_surface(picture));
    cairo_pattern_set_matrix(pattern.get(), &toPicture);
    cairo_pattern_set_filter(pattern.get(), CAIRO_FILTER_NEAREST);
    return pattern;
}

detail::CairoPattern PathGradientBrush::createPattern(cairo_t* cr) const {
    if (m_figures.empty()) return nullptr;
    const bool oneColor =
        std::all_of(m_surround.begin(), m_surround.end(), [&](ARGB c) { return c == m_surround.front(); });
    if (m_wrap == WrapMode::Clamp && oneColor && m_focusX == 0 && m_focusY == 0)
        if (detail::CairoPattern pattern = createTriangles(cr)) return pattern;
    if (m_wrap == WrapMode::Clamp) return createMesh();
    // Tiled: the brush's bounding box rendered once and repeated.
    const RectF box = rectangle();
    const int w = std::max(1, static_cast<int>(std::ceil(box.width))),
              h = std::max(1, static_cast<int>(std::ceil(box.height)));
    if (w > 8192 || h > 8192) return createMesh();
    detail::CairoSurface tileOwner(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    cairo_surface_t* tile = tileOwner.get();
    detail::CairoContext tileCrOwner(cairo_create(tile));
    cairo_t* tileCr = tileCrOwner.get();
    cairo_translate(tileCr, -box.x, -box.y);
    const detail::CairoPattern mesh = createMesh();
    cairo_set_source(tileCr, mesh.get());
    cairo_paint(tileCr);
    detail::CairoPattern pattern(cairo_pattern_create_for_surface(tile));
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, -box.x, -box.y);
    cairo_pattern_set_matrix(pattern.get(), &matrix);
    cairo_pattern_set_extend(pattern.get(),
                             m_wrap == WrapMode::Tile ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_REFLECT);
    return pattern;
}

}  // namespace sk::drawing

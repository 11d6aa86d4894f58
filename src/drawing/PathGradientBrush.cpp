// Path gradients as cairo mesh patterns. The outline is flattened; for every edge of
// the outline and every interval of the colour function (blend or preset positions)
// one four-sided patch runs from the inner ring to the outer ring. Each patch starts
// at its centre side, so that a degenerate side (the centre point itself) never takes
// an edge vertex's colour. Along every ray from the centre a patch interpolates
// linearly, which is exactly the gradient's meaning between two ring positions.
#include "drawing/PathGradientBrush.h"

#include <algorithm>
#include <cmath>

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
                m_figures.back().push_back({pts[i], index + static_cast<float>(i) / static_cast<float>(pts.size() - 1)});
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
    if (colors.empty() || static_cast<int>(colors.size()) > std::max(1, m_sourcePointCount)) return Status::InvalidParameter;
    m_surround = std::move(colors);
    return Status::Ok;
}

Status PathGradientBrush::setBlend(std::vector<float> factors, std::vector<float> positions) {
    if (factors.size() != positions.size() || !gradient::validPositions(positions)) return Status::InvalidParameter;
    for (float& f : factors) f = std::clamp(f, 0.0f, 1.0f);
    m_blend = {std::move(factors), std::move(positions)};
    m_preset = {};
    return Status::Ok;
}

Status PathGradientBrush::setBlendBellShape(float focus, float scale) {
    if (!std::isfinite(focus) || !std::isfinite(scale)) return Status::InvalidParameter;
    m_blend = gradient::bellShape(focus, scale);
    m_preset = {};
    return Status::Ok;
}

Status PathGradientBrush::setBlendTriangularShape(float focus, float scale) {
    if (!std::isfinite(focus) || !std::isfinite(scale)) return Status::InvalidParameter;
    m_blend = gradient::triangularShape(focus, scale);
    m_preset = {};
    return Status::Ok;
}

Status PathGradientBrush::setInterpolationColors(std::vector<ARGB> colors, std::vector<float> positions) {
    if (colors.size() != positions.size() || !gradient::validPositions(positions)) return Status::InvalidParameter;
    m_preset = {std::move(colors), std::move(positions)};
    m_blend = {};
    return Status::Ok;
}

RectF PathGradientBrush::rectangle() const {
    GraphicsPath outline;
    for (const auto& figure : m_figures)
        for (const auto& p : figure) outline.addLine(p.point, p.point);
    return outline.bounds();
}

ARGB PathGradientBrush::colorAt(float t, ARGB edge) const {
    return gradient::colorAt(t, edge, m_centerColor, m_blend, m_preset, m_gamma);
}

cairo_pattern_t* PathGradientBrush::createMesh() const {
    cairo_pattern_t* mesh = cairo_pattern_create_mesh();
    const std::vector<float> rings = gradient::breakpoints(m_blend, m_preset, m_gamma);
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
        return std::pair<double, double>{m_center.x + (p.x - m_center.x) * kx, m_center.y + (p.y - m_center.y) * ky};
    };
    auto setCorner = [mesh](int corner, ARGB c) {
        cairo_mesh_pattern_set_corner_color_rgba(mesh, static_cast<unsigned>(corner), argbRed(c) / 255.0,
                                                 argbGreen(c) / 255.0, argbBlue(c) / 255.0, alphaOf(c) / 255.0);
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
    return mesh;
}

cairo_pattern_t* PathGradientBrush::createPattern(cairo_t*) const {
    if (m_figures.empty()) return nullptr;
    if (m_wrap == WrapMode::Clamp) return createMesh();
    // Tiled: the brush's bounding box rendered once and repeated.
    const RectF box = rectangle();
    const int w = std::max(1, static_cast<int>(std::ceil(box.width))), h = std::max(1, static_cast<int>(std::ceil(box.height)));
    if (w > 8192 || h > 8192) return createMesh();
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(tile);
    cairo_translate(cr, -box.x, -box.y);
    cairo_pattern_t* mesh = createMesh();
    cairo_set_source(cr, mesh);
    cairo_paint(cr);
    cairo_pattern_destroy(mesh);
    cairo_destroy(cr);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, -box.x, -box.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_extend(pattern, m_wrap == WrapMode::Tile ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_REFLECT);
    return pattern;
}

}  // namespace sk::drawing

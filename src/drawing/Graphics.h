// Anti-aliased 2-D drawing on a Bitmap (a window's back buffer, a control's
// off-screen buffer, or any ARGB bitmap).
//
// Coordinates are float pixels in which integer values name pixel centres: a
// 1-pixel line at x = 0 covers exactly column 0, and the outline of the rectangle
// (0, 0, W - 1, H - 1) lies on the outermost pixels. (A filled rectangle (0, 0, W, H)
// therefore has half-covered pixels along its right and bottom edges when smoothed.)
//
// Every call returns a Status; the Graphics also keeps the last status that was not
// Ok (lastStatus()), and goes on drawing after a failure.
//
//   Graphics g(bitmap);
//   g.setSmoothingMode(SmoothingMode::AntiAlias);
//   GraphicsPath path;
//   path.addRoundedRectangle({0, 0, w - 1.0f, h - 1.0f}, 3, 3);
//   g.fillPath(LinearGradientBrush(rect, top, bottom, LinearGradientMode::Vertical), path);
//   g.drawPath(Pen(0xFF0000FF), path);
//   g.drawString("Открыть", font, RectF{0, 0, w, h}, format, SolidBrush(0xFF000000));
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "drawing/Bitmap.h"
#include "drawing/Brush.h"
#include "drawing/CairoHandles.h"
#include "drawing/DrawingTypes.h"
#include "drawing/Font.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Image.h"
#include "drawing/Matrix.h"
#include "drawing/Pen.h"
#include "drawing/StringFormat.h"
#include "drawing/TextMeasurer.h"

typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace sk::drawing {

// A clip: the intersection of closed paths, kept in device pixels. No paths: no clip.
struct Region {
    struct Part {
        GraphicsPath path;  // in device coordinates (pixel-centre convention)
    };
    std::vector<Part> parts;
    bool infinite() const { return parts.empty(); }
};

using GraphicsState = int;

class Graphics {
public:
    // Draws on `target` until destroyed; make a new Graphics when the bitmap is
    // resized or assigned anew.
    explicit Graphics(Bitmap& target);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Bitmap& target() const { return m_target; }
    Status lastStatus() const { return m_lastStatus; }
    void clearLastStatus() { m_lastStatus = Status::Ok; }

    // --- State -------------------------------------------------------------------
    // Smoothing: AntiAlias / HighQuality / AntiAlias8x8 smooth; the others (Default
    // included) draw aliased, one pixel covered or not.
    void setSmoothingMode(SmoothingMode mode);
    SmoothingMode smoothingMode() const { return m_state.smoothing; }
    void setTextRenderingHint(TextRenderingHint hint) { m_state.textHint = hint; }
    TextRenderingHint textRenderingHint() const { return m_state.textHint; }
    void setCompositingQuality(CompositingQuality quality) { m_state.compositingQuality = quality; }
    CompositingQuality compositingQuality() const { return m_state.compositingQuality; }
    void setCompositingMode(CompositingMode mode) { m_state.compositingMode = mode; }
    CompositingMode compositingMode() const { return m_state.compositingMode; }
    void setInterpolationMode(InterpolationMode mode) { m_state.interpolation = mode; }
    InterpolationMode interpolationMode() const { return m_state.interpolation; }

    // World transform (user space -> pixel space). The operations prepend: they act in
    // the current user space, like moving the origin and then drawing.
    // A transform that is not invertible (a zero scale, infinities) is refused with
    // InvalidParameter and the previous one stays.
    Status setTransform(const Matrix& matrix);
    Matrix transform() const { return m_state.transform; }
    Status resetTransform();
    Status translateTransform(float dx, float dy, MatrixOrder order = MatrixOrder::Prepend);
    Status rotateTransform(float degrees, MatrixOrder order = MatrixOrder::Prepend);  // clockwise
    Status scaleTransform(float sx, float sy, MatrixOrder order = MatrixOrder::Prepend);

    // Clip, in user coordinates at the time of the call (kept in pixels afterwards).
    Status setClip(const GraphicsPath& path, CombineMode mode = CombineMode::Replace);
    Status setClip(const RectF& rect, CombineMode mode = CombineMode::Replace);
    Status setClip(const Region& region);  // as returned by clip()
    Status intersectClip(const RectF& rect) { return setClip(rect, CombineMode::Intersect); }
    Status intersectClip(const GraphicsPath& path) { return setClip(path, CombineMode::Intersect); }
    void resetClip();
    Region clip() const { return m_state.clip; }
    // The clip's bounding box in pixels, or the whole bitmap without a clip.
    RectF clipBounds() const;

    // Saves everything above (smoothing, hints, transform, clip); restore() returns to
    // it and drops later saves.
    GraphicsState save();
    void restore(GraphicsState state);

    // --- Filling and stroking --------------------------------------------------------
    Status clear(ARGB color);  // every pixel inside the clip, replaced
    Status fillPath(const Brush& brush, const GraphicsPath& path);
    Status drawPath(const Pen& pen, const GraphicsPath& path);
    Status fillRectangle(const Brush& brush, const RectF& rect);
    Status fillRectangle(const Brush& brush, float x, float y, float w, float h) {
        return fillRectangle(brush, RectF{x, y, w, h});
    }
    Status drawRectangle(const Pen& pen, const RectF& rect);
    Status fillEllipse(const Brush& brush, const RectF& box);
    Status drawEllipse(const Pen& pen, const RectF& box);
    Status fillPolygon(const Brush& brush, std::span<const PointF> points,
                       FillMode mode = FillMode::Alternate);
    Status drawPolygon(const Pen& pen, std::span<const PointF> points);
    Status fillPie(const Brush& brush, const RectF& box, float startAngle, float sweepAngle);
    Status drawLine(const Pen& pen, PointF from, PointF to);
    Status drawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
        return drawLine(pen, {x1, y1}, {x2, y2});
    }
    Status drawLines(const Pen& pen, std::span<const PointF> points);
    Status drawArc(const Pen& pen, const RectF& box, float startAngle, float sweepAngle);
    Status drawBezier(const Pen& pen, PointF p1, PointF c1, PointF c2, PointF p2);

    // --- Text ------------------------------------------------------------------------
    // Draws `utf8Text` in a layout rectangle: lines wrap at its width (unless NoWrap)
    // and are clipped to it (unless NoClip or the rectangle has no size); alignments
    // place the text block inside it. An empty width or height means unlimited.
    Status drawString(std::string_view utf8Text, const Font& font, const RectF& layout,
                      const StringFormat& format, const Brush& brush);
    // At a point: with Near alignments the point is the top-left corner of the text
    // block, Center centres the block on it, Far ends it there.
    Status drawString(std::string_view utf8Text, const Font& font, PointF origin, const StringFormat& format,
                      const Brush& brush);
    Status drawString(std::string_view utf8Text, const Font& font, PointF origin, const Brush& brush) {
        return drawString(utf8Text, font, origin, StringFormat(), brush);
    }
    // Measures as drawString(layout) lays out. The box is the area the laid-out lines
    // take up, placed as the format aligns them in the layout rectangle: its width is
    // the widest line's advance plus the format's padding (1/6 em at each end in the
    // default format, none in the typographic one), its height the number of lines
    // times the font's line height (ascent + descent). Trailing spaces count only with
    // StringFormatFlagsMeasureTrailingSpaces. With trimming, only the shown text counts.
    // Lines that start below the layout rectangle do not count (with
    // StringFormatFlagsLineLimit, neither do lines it cuts).
    TextMeasure measureString(std::string_view utf8Text, const Font& font, const RectF& layout,
                              const StringFormat& format) const;
    RectF measureString(std::string_view utf8Text, const Font& font, PointF origin,
                        const StringFormat& format) const;

    // --- Images ----------------------------------------------------------------------
    Status drawImage(const Image& image, PointF topLeft);            // at its own size
    Status drawImage(const Image& image, const RectF& destination);  // stretched
    Status drawImage(const Image& image, const RectF& destination, const RectF& sourceRect,
                     const ImageAttributes* attributes = nullptr);
    Status drawImage(const Bitmap& bitmap, PointF topLeft);
    Status drawImage(const Bitmap& bitmap, const RectF& destination);
    Status drawImage(const Bitmap& bitmap, const RectF& destination, const RectF& sourceRect,
                     const ImageAttributes* attributes = nullptr);

    // For the drawing layer.
    cairo_t* cairo() const { return m_cr.get(); }

private:
    struct State {
        SmoothingMode smoothing = SmoothingMode::Default;
        TextRenderingHint textHint = TextRenderingHint::SystemDefault;
        CompositingQuality compositingQuality = CompositingQuality::Default;
        CompositingMode compositingMode = CompositingMode::SourceOver;
        InterpolationMode interpolation = InterpolationMode::Default;
        Matrix transform;
        Region clip;
    };

    Status record(Status status);
    void preparePango() const;
    void applyTransform() const;
    void applyClip() const;
    void applyRendering() const;
    Status paintWithBrush(const Brush& brush);  // fills the current cairo path
    Status strokeCurrentPath(const Pen& pen, const GraphicsPath& path);
    Status drawStringImpl(std::string_view utf8Text, const Font& font, const RectF& layout, bool atPoint,
                          const StringFormat& format, const Brush& brush);

    Bitmap& m_target;
    detail::CairoContext m_cr;
    detail::GObjectHandle<PangoContext> m_pango;
    mutable int m_pangoHint = -1;  // the text rendering hint the pango context is set up for
    State m_state;
    std::vector<State> m_saved;
    Status m_lastStatus = Status::Ok;
};

// Adds a path's elements to a cairo context's current path.
void appendPathToCairo(cairo_t* cr, const GraphicsPath& path);

}  // namespace sk::drawing

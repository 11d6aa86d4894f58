// Measuring text without drawing it, for every control and for the drawing layer
// itself. The measurer keeps one pango context (set up as Canvas and Graphics
// draw: grey anti-aliasing, hinted metrics), one reusable layout, the font
// descriptions it has built and the extents it has measured lately, so asking the
// width of a caption costs at most one layout of that caption:
//
//   TextMeasurer& measurer = TextMeasurer::shared();
//   Size size = measurer.textExtent(font, "Установки");       // as Canvas::textExtent
//   std::vector<int> x = measurer.caretOffsets(font, text);    // every caret position
//   RectF box = measurer.measureString("Gauge", gdipFont);     // as Graphics::measureString
//
// Measured sizes equal what Canvas and Graphics draw on an untransformed target.
// The measurer follows a newly installed font configuration by itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "drawing/CairoHandles.h"
#include "drawing/Canvas.h"
#include "drawing/Font.h"
#include "drawing/Geometry.h"
#include "drawing/StringFormat.h"

typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace sk::drawing {

// The result of measuring a string in a layout rectangle.
struct TextMeasure {
    RectF box;  // see Graphics::measureString
    int codepointsFitted = 0;
    int linesFilled = 0;
};

class TextMeasurer {
public:
    // The measurer of the program's (single) user-interface thread.
    static TextMeasurer& shared();

    TextMeasurer() = default;
    ~TextMeasurer();
    TextMeasurer(const TextMeasurer&) = delete;
    TextMeasurer& operator=(const TextMeasurer&) = delete;

    // ---- Window fonts, as Canvas draws them -----------------------------------------
    // One line, without hot-key processing: the logical width and height in pixels.
    Size textExtent(const CanvasFont& font, std::string_view utf8Text);
    int textWidth(const CanvasFont& font, std::string_view utf8Text) { return textExtent(font, utf8Text).width; }
    // The height of one line of the font.
    int lineHeight(const CanvasFont& font) { return textExtent(font, "Ag").height; }
    // Canvas::drawText with DT_CALCRECT: the size the text takes with `flags`
    // (word breaks and ellipsis within `width` pixels, prefixes, tabs).
    Size drawTextExtent(const CanvasFont& font, std::string_view utf8Text, int width, unsigned flags);
    // The x offset of every caret position of a one-line text (no prefixes): one
    // entry per character boundary, the first 0, the last the text's width.
    std::vector<int> caretOffsets(const CanvasFont& font, std::string_view utf8Text);

    // ---- 2-D fonts, as Graphics measures with the default rendering hint -----------
    RectF measureString(std::string_view utf8Text, const Font& font, PointF origin = {},
                        const StringFormat& format = StringFormat());
    TextMeasure measureString(std::string_view utf8Text, const Font& font, const RectF& layout,
                              const StringFormat& format);

    // ---- For the drawing layer --------------------------------------------------------
    // The measurer's layout set up for Canvas text: valid until the next call.
    struct CanvasText {
        PangoLayout* layout = nullptr;
        Rect logical;              // pango's logical pixel extents
        bool laidInWidth = false;  // wrapped or ellipsized in the given width
    };
    CanvasText layOutCanvasText(const CanvasFont& font, std::string_view utf8Text, int width, unsigned flags);
    PangoContext* context();
    // The pango description of a window font (em size from the height), cached.
    const PangoFontDescription* describe(const CanvasFont& font);

private:
    void followFontConfiguration();

    detail::GObjectHandle<PangoContext> m_context;
    detail::GObjectHandle<PangoLayout> m_layout;
    unsigned m_generation = 0;  // the font configuration the context was made under
    std::unordered_map<std::string, detail::FontDescription> m_descriptions;
    std::unordered_map<std::string, Size> m_extents;
};

}  // namespace sk::drawing

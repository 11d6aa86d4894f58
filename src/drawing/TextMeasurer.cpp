// The text measurer: one pango context and one reusable layout, cached font
// descriptions and extents.
#include "drawing/TextMeasurer.h"

#include <algorithm>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"
#include "drawing/FontConfiguration.h"

namespace sk::drawing {

namespace {

// Enough for every caption of a window and the texts of an edit being typed in;
// when full, the cache starts again rather than tracking what was used last.
constexpr std::size_t kMaxCachedExtents = 2048;

// What tells fonts apart: for the description the face, height, weight and slant;
// for extents also the lines (an underline may reach below the descent).
std::string fontKey(const CanvasFont& font, bool withLines) {
    std::string key = font.name;
    key += '\x1f';
    key += std::to_string(font.height);
    key += font.bold ? 'b' : '-';
    key += font.italic ? 'i' : '-';
    if (withLines) {
        key += font.underline ? 'u' : '-';
        key += font.strikeOut ? 's' : '-';
    }
    return key;
}

}  // namespace

TextMeasurer& TextMeasurer::shared() {
    // Pango contexts belong to one thread: each thread that measures has its own.
    thread_local TextMeasurer measurer;
    return measurer;
}

TextMeasurer::~TextMeasurer() = default;

void TextMeasurer::followFontConfiguration() {
    const unsigned generation = fontMapGeneration();
    if (m_context && generation == m_generation) return;
    m_descriptions.clear();
    m_extents.clear();
    m_layout.reset();
    m_context.reset(pango_font_map_create_context(fontMap()));
    const detail::CairoFontOptions options = detail::fontOptionsFor(0);
    pango_cairo_context_set_font_options(m_context.get(), options.get());
    m_layout.reset(pango_layout_new(m_context.get()));
    m_generation = generation;
}

PangoContext* TextMeasurer::context() {
    followFontConfiguration();
    return m_context.get();
}

const PangoFontDescription* TextMeasurer::describe(const CanvasFont& font) {
    followFontConfiguration();
    std::string key = fontKey(font, false);
    if (auto found = m_descriptions.find(key); found != m_descriptions.end()) return found->second.get();

    detail::FontDescription owned(pango_font_description_new());
    PangoFontDescription* description = owned.get();
    pango_font_description_set_family(description, font.name.c_str());
    pango_font_description_set_weight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    double em = font.height < 0 ? -font.height : font.height == 0 ? 11 : 0;
    if (font.height > 0) {
        // A cell height: scale the em so that ascent + descent fill it.
        pango_font_description_set_absolute_size(description, 100.0 * PANGO_SCALE);
        detail::FontMetrics metrics(pango_context_get_metrics(m_context.get(), description, nullptr));
        const double cell = static_cast<double>(pango_font_metrics_get_ascent(metrics.get()) +
                                                pango_font_metrics_get_descent(metrics.get())) /
                            PANGO_SCALE;
        em = cell > 0 ? font.height * 100.0 / cell : font.height;
    }
    pango_font_description_set_absolute_size(description, std::max(em, 0.5) * PANGO_SCALE);
    m_descriptions.emplace(std::move(key), std::move(owned));
    return description;
}

TextMeasurer::CanvasText TextMeasurer::layOutCanvasText(const CanvasFont& font, std::string_view utf8Text,
                                                        int width, unsigned flags) {
    const PangoFontDescription* description = describe(font);
    std::string text(utf8Text);
    const bool single = (flags & DT_SINGLELINE) != 0;
    if (single) std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    detail::PrefixedText prefixed =
        (flags & DT_NOPREFIX) ? detail::PrefixedText{std::move(text), -1} : detail::processHotkeyPrefix(text, true);
    // Unexpanded, a tab takes the room of one character, not a column stop.
    if (!(flags & DT_EXPANDTABS)) std::replace(prefixed.text.begin(), prefixed.text.end(), '\t', ' ');

    // The layout is reused: every setting a previous text may have changed is reset.
    pango_layout_set_width(m_layout.get(), -1);
    pango_layout_set_height(m_layout.get(), -1);
    pango_layout_set_wrap(m_layout.get(), PANGO_WRAP_WORD);
    pango_layout_set_ellipsize(m_layout.get(), PANGO_ELLIPSIZE_NONE);
    pango_layout_set_alignment(m_layout.get(), PANGO_ALIGN_LEFT);
    detail::setLayoutText(m_layout.get(), std::move(prefixed.text), description, font.underline, font.strikeOut,
                          prefixed.underlineIndex);
    width = std::max(0, width);
    if ((flags & DT_WORDBREAK) && !single && width > 0) {
        pango_layout_set_width(m_layout.get(), width * PANGO_SCALE);
    } else if ((flags & DT_END_ELLIPSIS) && width > 0) {
        pango_layout_set_width(m_layout.get(), width * PANGO_SCALE);
        pango_layout_set_ellipsize(m_layout.get(), PANGO_ELLIPSIZE_END);
    }
    CanvasText result;
    result.layout = m_layout.get();
    result.laidInWidth = pango_layout_get_width(m_layout.get()) > 0;
    if (result.laidInWidth)
        pango_layout_set_alignment(m_layout.get(), (flags & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                             : (flags & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                                  : PANGO_ALIGN_LEFT);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(m_layout.get(), nullptr, &logical);
    result.logical = {logical.x, logical.y, logical.width, logical.height};
    return result;
}

Size TextMeasurer::textExtent(const CanvasFont& font, std::string_view utf8Text) {
    followFontConfiguration();
    std::string key = fontKey(font, true);
    key += '\0';
    key += utf8Text;
    if (auto found = m_extents.find(key); found != m_extents.end()) return found->second;
    const CanvasText text = layOutCanvasText(font, utf8Text, 0, DT_SINGLELINE | DT_NOPREFIX);
    const Size size{text.logical.width, text.logical.height};
    if (m_extents.size() >= kMaxCachedExtents) m_extents.clear();
    m_extents.emplace(std::move(key), size);
    return size;
}

Size TextMeasurer::drawTextExtent(const CanvasFont& font, std::string_view utf8Text, int width, unsigned flags) {
    const CanvasText text = layOutCanvasText(font, utf8Text, width, flags);
    const Rect& logical = text.logical;
    if (!text.laidInWidth) return {logical.width, logical.height};
    // Wrapped text is as wide as its widest line; ellipsized text ends where its line does.
    return {(flags & DT_WORDBREAK) ? std::max(logical.width, 0) : logical.left + logical.width, logical.height};
}

std::vector<int> TextMeasurer::caretOffsets(const CanvasFont& font, std::string_view utf8Text) {
    const CanvasText text = layOutCanvasText(font, utf8Text, 0, DT_SINGLELINE | DT_NOPREFIX);
    const char* laidOut = pango_layout_get_text(text.layout);
    PangoLayoutLine* line = pango_layout_get_line_readonly(text.layout, 0);
    std::vector<int> offsets{0};
    for (const char* p = laidOut; *p; p = g_utf8_next_char(p)) {
        const char* next = g_utf8_next_char(p);
        int x = 0;
        if (*next) {
            pango_layout_line_index_to_x(line, static_cast<int>(next - laidOut), FALSE, &x);
            x = PANGO_PIXELS(x) - text.logical.left;
        } else {
            x = text.logical.width;
        }
        // Carets move right with the character count, also across mixed directions.
        offsets.push_back(std::max(x, offsets.back()));
    }
    return offsets;
}

RectF TextMeasurer::measureString(std::string_view utf8Text, const Font& font, PointF origin,
                                  const StringFormat& format) {
    detail::LaidOutText text =
        detail::layoutString(context(), utf8Text, font, RectF{origin.x, origin.y, 0, 0}, true, format);
    return text.box;
}

TextMeasure TextMeasurer::measureString(std::string_view utf8Text, const Font& font, const RectF& layout,
                                        const StringFormat& format) {
    detail::LaidOutText text = detail::layoutString(context(), utf8Text, font, layout, false, format);
    TextMeasure result;
    result.box = text.box;
    result.linesFilled = text.lines;
    result.codepointsFitted = static_cast<int>(g_utf8_strlen(pango_layout_get_text(text.layout.get()), -1));
    return result;
}

}  // namespace sk::drawing

// Laying out strings with pango for Graphics and GraphicsPath: hot-key prefixes,
// wrapping, trimming, alignment and the measured box.
#include <algorithm>
#include <cmath>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"

namespace sk::drawing::detail {

PrefixedText processHotkeyPrefix(std::string_view text, bool underline) {
    PrefixedText result;
    result.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;  // "&&" gives "&"; "&x" gives x, marked
            if (text[i] != '&' && underline && result.underlineIndex < 0)
                result.underlineIndex = static_cast<int>(result.text.size());
        }
        result.text.push_back(text[i]);
    }
    return result;
}

CairoFontOptions fontOptionsFor(int hint) {
    CairoFontOptions owned(cairo_font_options_create());
    cairo_font_options_t* options = owned.get();
    switch (hint) {
        case 1:  // single bit per pixel, grid fit
        case 2:
            cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
            cairo_font_options_set_hint_style(options,
                                              hint == 1 ? CAIRO_HINT_STYLE_FULL : CAIRO_HINT_STYLE_NONE);
            cairo_font_options_set_hint_metrics(options,
                                                hint == 1 ? CAIRO_HINT_METRICS_ON : CAIRO_HINT_METRICS_OFF);
            break;
        case 3:  // anti-alias with grid fitting
        case 5:  // ClearType: grey levels too, the desktop's smoothing, without colour fringes
            cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
            cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
            cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
            break;
        case 4:  // anti-alias, glyphs at their exact positions
            cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
            cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
            cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
            break;
        default:  // system default: grey anti-aliasing, grid fitted
            cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
            cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
            cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
            break;
    }
    return owned;
}

void setLayoutText(PangoLayout* layout, std::string text, const PangoFontDescription* description,
                   bool underline, bool strikeOut, int markIndex) {
    if (!g_utf8_validate(text.c_str(), static_cast<gssize>(text.size()), nullptr)) {
        const GlibString valid(g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size())));
        text = valid.get();
        markIndex = -1;
    }
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    pango_layout_set_font_description(layout, description);
    AttributeList attributes(pango_attr_list_new());
    if (underline) pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (strikeOut) pango_attr_list_insert(attributes.get(), pango_attr_strikethrough_new(TRUE));
    if (markIndex >= 0 && markIndex < static_cast<int>(text.size())) {
        PangoAttribute* mark = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        mark->start_index = static_cast<guint>(markIndex);
        mark->end_index = static_cast<guint>(g_utf8_next_char(text.c_str() + markIndex) - text.c_str());
        pango_attr_list_insert(attributes.get(), mark);
    }
    pango_layout_set_attributes(layout, attributes.get());
}

namespace {

// Drops spaces and tabs at the end of every paragraph: they take no room in the
// measured box unless the format asks to measure them.
std::string withoutTrailingSpaces(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    std::size_t pendingStart = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            if (pendingStart == std::string::npos) pendingStart = result.size();
            result.push_back(c);
            continue;
        }
        if ((c == '\n' || c == '\r') && pendingStart != std::string::npos) result.resize(pendingStart);
        pendingStart = std::string::npos;
        result.push_back(c);
    }
    if (pendingStart != std::string::npos) result.resize(pendingStart);
    return result;
}

}  // namespace

LaidOutText layoutString(PangoContext* context, std::string_view utf8Text, const Font& font,
                         const RectF& rect, bool atPoint, const StringFormat& format) {
    LaidOutText out;
    PrefixedText prefixed = format.hotkeyPrefix() == HotkeyPrefix::None
                                ? PrefixedText{std::string(utf8Text), -1}
                                : processHotkeyPrefix(utf8Text, format.hotkeyPrefix() == HotkeyPrefix::Show);
    std::string text = (format.flags() & StringFormatFlagsMeasureTrailingSpaces) || format.typographic()
                           ? prefixed.text
                           : withoutTrailingSpaces(prefixed.text);
    GObjectHandle<PangoLayout> owned(pango_layout_new(context));
    PangoLayout* layout = owned.get();
    setLayoutText(layout, std::move(text), font.pangoDescription(), font.style() & FontStyleUnderline,
                  font.style() & FontStyleStrikeout, prefixed.underlineIndex);

    const double pad = format.typographic() ? 0.0 : font.emPixels() / 6.0;
    const bool hasWidth = !atPoint && rect.width > 0;
    const bool hasHeight = !atPoint && rect.height > 0;
    const double available = std::max(1.0, rect.width - 2 * pad);
    const bool wraps = hasWidth && !format.noWrap();
    const StringTrimming trimming = format.trimming();
    const bool ellipsis =
        hasWidth && (trimming == StringTrimming::EllipsisCharacter ||
                     trimming == StringTrimming::EllipsisWord || trimming == StringTrimming::EllipsisPath);
    if (wraps || ellipsis) pango_layout_set_width(layout, static_cast<int>(available * PANGO_SCALE));
    if (wraps) pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    if (ellipsis) {
        pango_layout_set_ellipsize(
            layout, trimming == StringTrimming::EllipsisPath ? PANGO_ELLIPSIZE_MIDDLE : PANGO_ELLIPSIZE_END);
        if (wraps && hasHeight)
            pango_layout_set_height(layout, static_cast<int>(rect.height * PANGO_SCALE));
        else
            pango_layout_set_height(layout, -1);  // every paragraph on one line
    }
    switch (format.alignment()) {
        case StringAlignment::Near:
            pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
            break;
        case StringAlignment::Center:
            pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
            break;
        case StringAlignment::Far:
            pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
            break;
    }

    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    double blockX = static_cast<double>(logical.x) / PANGO_SCALE;
    const double blockY = static_cast<double>(logical.y) / PANGO_SCALE;
    double blockW = static_cast<double>(logical.width) / PANGO_SCALE;
    double blockH = static_cast<double>(logical.height) / PANGO_SCALE;
    int shownLines = pango_layout_get_line_count(layout);
    if (hasHeight && blockH > rect.height) {
        // Lines below the rectangle do not count: those that start inside it do (only
        // those wholly inside with StringFormatFlagsLineLimit).
        const bool wholeLines = (format.flags() & StringFormatFlagsLineLimit) != 0;
        double left = 1e300, right = -1e300, bottom = 0;
        shownLines = 0;
        LayoutIterator lines(pango_layout_get_iter(layout));
        PangoLayoutIter* iter = lines.get();
        do {
            PangoRectangle line;
            pango_layout_iter_get_line_extents(iter, nullptr, &line);
            const double lineTop = static_cast<double>(line.y) / PANGO_SCALE - blockY;
            const double lineBottom = lineTop + static_cast<double>(line.height) / PANGO_SCALE;
            if (wholeLines ? lineBottom > rect.height + 0.01 : lineTop >= rect.height) break;
            left = std::min(left, static_cast<double>(line.x) / PANGO_SCALE);
            right = std::max(right, static_cast<double>(line.x + line.width) / PANGO_SCALE);
            bottom = lineBottom;
            ++shownLines;
        } while (pango_layout_iter_next_line(iter));
        if (shownLines > 0) {
            blockX = left;
            blockW = right - left;
        } else {
            blockW = 0;
        }
        blockH = bottom;
    }

    double originX = 0;
    if (wraps || ellipsis) {
        originX = rect.x + pad;  // pango aligns inside the available width
    } else {
        const double width = hasWidth ? rect.width : 0.0;
        switch (format.alignment()) {
            case StringAlignment::Near:
                originX = rect.x + pad - blockX;
                break;
            case StringAlignment::Center:
                originX = rect.x + width / 2 - blockW / 2 - blockX;
                break;
            case StringAlignment::Far:
                originX = rect.x + width - pad - blockW - blockX;
                break;
        }
    }
    const double height = hasHeight ? rect.height : 0.0;
    double top = rect.y;
    switch (format.lineAlignment()) {
        case StringAlignment::Near:
            top = rect.y;
            break;
        case StringAlignment::Center:
            top = rect.y + (height - blockH) / 2;
            break;
        case StringAlignment::Far:
            top = rect.y + height - blockH;
            break;
    }

    out.layout = std::move(owned);
    out.x = originX;
    out.y = top - blockY;
    out.box = {static_cast<float>(originX + blockX - pad), static_cast<float>(top),
               static_cast<float>(blockW + 2 * pad), static_cast<float>(blockH)};
    out.clip = hasWidth && hasHeight && !format.noClip();
    out.clipRect = rect;
    out.lines = shownLines;
    return out;
}

}  // namespace sk::drawing::detail

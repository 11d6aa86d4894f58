#include "controls/smooth/HtmlText.h"

#include "controls/smooth/CanvasHtmlTarget.h"
#include "controls/smooth/GraphicsHtmlTarget.h"
#include "controls/smooth/HtmlLayout.h"
#include "controls/smooth/HtmlMarkup.h"
#include "ui/Utf8.h"

namespace sk::smooth {

HtmlTextResult DrawHtmlText(drawing::Canvas& canvas, std::string_view markup,
                            const HtmlTextOptions& options) {
    std::string text = html::prepareMarkup(markup);
    // A text with " & " means its ampersands are meant literally: no "&x" prefixes then.
    CanvasHtmlTarget target(canvas, text.find(" & ") != std::string::npos);
    return HtmlLayout(target, canvas.font(), options).run(std::move(text));
}

HtmlTextResult DrawHtmlText(drawing::Graphics& graphics, const drawing::CanvasFont& font,
                            std::string_view markup, const HtmlTextOptions& options) {
    GraphicsHtmlTarget target(graphics);
    return HtmlLayout(target, font, options).run(html::prepareMarkup(markup));
}

namespace {

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view upperPrefix) {
    return html::upperAscii(text.substr(at, upperPrefix.size())) == upperPrefix;
}

std::size_t findNoCase(std::string_view text, std::size_t from, std::string_view upperNeedle) {
    for (std::size_t at = text.find('<', from); at != std::string_view::npos; at = text.find('<', at + 1))
        if (startsWithNoCase(text, at, upperNeedle)) return at;
    return std::string_view::npos;
}

}  // namespace

std::string StripHtmlText(std::string_view markup) {
    const std::string text = ui::encodeUtf8(ui::decodeUtf8(markup));
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '<') {
            plain += text[i++];
            continue;
        }
        if (startsWithNoCase(text, i, "<BR>") || startsWithNoCase(text, i, "<HR>")) {
            plain += "\r\n";
            i += 4;
            continue;
        }
        if (startsWithNoCase(text, i, "<Z>")) {
            const std::size_t close = findNoCase(text, i + 3, "</Z>");
            i = close == std::string_view::npos ? text.size() : close + 4;
            continue;
        }
        const std::size_t close = text.find('>', i);
        i = close == std::string::npos ? text.size() : close + 1;
    }
    return plain;
}

}  // namespace sk::smooth

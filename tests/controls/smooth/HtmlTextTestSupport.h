// Rendering helpers for the mini-HTML tests: a white bitmap drawn with either
// variant, ink searches and the markups of the main window.
#pragma once

#include <string>
#include <string_view>

#include "controls/smooth/HtmlText.h"
#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "drawing/Graphics.h"

namespace sk::smooth::testing {

inline constexpr std::uint32_t kWhite = 0xFFFFFFFF;

inline const char* const kSettingsTitle =
    "<FONT face=\"Tahoma\" color=\"clNavy\"><B><P align=\"center\">НАСТРОЙКИ КОМПИЛЯТОРА</P></B></FONT>";
inline const char* const kAboutText =
    "<FONT color=\"#800080\" face=\"Tahoma\"><B><P align=\"center\">Программа является аналогом многих "
    "платных программ, превращающих файлы презентаций (*.ppt, *.pptx) в исполняемые файлы Windows (*.exe).  "
    "Программа и её исходный код распространяются свободно, автор   Orvane.  Версия 2007 преобразует "
    "презентации *.pptx, созданные в PowerPoint 2007, в исполняемые файлы; для этого на компьютере "
    "пользователя должен быть установлен свободно распространяемый конвертер форматов, который прилагается "
    "к программе.  Созданному *.exe не нужен ни этот конвертер, ни другие внешние библиотеки: он "
    "показывает презентацию сам, на любом компьютере с Windows.</P></B></FONT>";

inline drawing::CanvasFont tahoma(int height, bool bold = false, drawing::TColor color = drawing::clBlack) {
    drawing::CanvasFont font;
    font.name = "Tahoma";
    font.height = height;
    font.bold = bold;
    font.color = color;
    return font;
}

struct Rendered {
    drawing::Bitmap bitmap;
    HtmlTextResult result;
};

// The device-context variant on a white bitmap of the rectangle's extent.
inline Rendered renderCanvas(std::string_view markup, HtmlTextOptions options,
                             const drawing::CanvasFont& font, int width, int height) {
    Rendered r{drawing::Bitmap(width, height), {}};
    r.bitmap.fill(kWhite);
    drawing::Canvas canvas(r.bitmap);
    canvas.font() = font;
    r.result = DrawHtmlText(canvas, markup, options);
    return r;
}

inline Rendered renderGraphics(std::string_view markup, HtmlTextOptions options,
                               const drawing::CanvasFont& font, int width, int height) {
    Rendered r{drawing::Bitmap(width, height), {}};
    r.bitmap.fill(kWhite);
    drawing::Graphics graphics(r.bitmap);
    graphics.setTextRenderingHint(drawing::TextRenderingHint::AntiAliasGridFit);
    r.result = DrawHtmlText(graphics, font, markup, options);
    return r;
}

// The bounding box of the pixels that are not white.
inline drawing::Rect inkBounds(const drawing::Bitmap& b, drawing::Rect area = {}) {
    if (area.empty()) area = {0, 0, b.width(), b.height()};
    int l = area.right(), t = area.bottom(), r = -1, bo = -1;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x)
            if (b.pixel(x, y) != kWhite)
                l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), bo = std::max(bo, y);
    return r < 0 ? drawing::Rect{} : drawing::Rect::fromEdges(l, t, r + 1, bo + 1);
}

// The darkest pixel of an area, for the colour of thin anti-aliased glyphs.
inline std::uint32_t darkestPixel(const drawing::Bitmap& b, const drawing::Rect& area) {
    std::uint32_t best = kWhite;
    int bestSum = 3 * 255 + 1;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x) {
            const std::uint32_t p = b.pixel(x, y);
            const int sum = static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
            if (sum < bestSum) bestSum = sum, best = p;
        }
    return best;
}

inline int countPixels(const drawing::Bitmap& b, const drawing::Rect& area, std::uint32_t argb) {
    int n = 0;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x) n += b.pixel(x, y) == argb;
    return n;
}

// Pixels of an area that are tinted toward a colour: nearer to it than to white
// by at least half the way, for anti-aliased strokes.
inline int countTinted(const drawing::Bitmap& b, const drawing::Rect& area, std::uint32_t argb) {
    int n = 0;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x) {
            const std::uint32_t p = b.pixel(x, y);
            bool near = true;
            for (int shift : {0, 8, 16}) {
                const int c = static_cast<int>((p >> shift) & 0xFF),
                          t = static_cast<int>((argb >> shift) & 0xFF);
                near = near && std::abs(c - t) * 2 <= std::abs(255 - t) + 8;
            }
            n += near && p != kWhite;
        }
    return n;
}

}  // namespace sk::smooth::testing

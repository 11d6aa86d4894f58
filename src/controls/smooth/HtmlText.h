// The mini-HTML text renderer: lays out a markup text line by line into a
// rectangle, draws it (unless only measuring), measures it and answers which
// link lies under a point. Two drawing variants share one layout:
//
//   * the device-context variant draws with the canvas's text operations in the
//     canvas's current font (the office radio button, the reflection label);
//   * the 2-D variant draws with Graphics text in a given base font (the smooth
//     panel).
//
//   HtmlTextOptions options;
//   options.rect = {18, 4, 700, 20};
//   options.wordWrap = false;
//   HtmlTextResult r = DrawHtmlText(canvas, "<B>Пакет</B> 2003", options);
//   // r.width, r.height: the block laid out; r.anchor: the link under options.hitPoint
//
// Markup errors never raise: unknown tags are skipped, an unterminated tag
// drops the rest of the text, missing attributes change nothing.
#pragma once

#include <string>
#include <string_view>

#include "controls/smooth/HtmlPictureCache.h"
#include "controls/smooth/HtmlPictureSources.h"
#include "drawing/Canvas.h"
#include "drawing/Color.h"
#include "drawing/Geometry.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::smooth {

struct HtmlTextOptions {
    drawing::Rect rect;    // the layout rectangle, in target coordinates
    int extraSpacing = 0;  // added to every line's height
    const HtmlImageList* images = nullptr;
    const HtmlPictureContainer* pictures = nullptr;
    HtmlPictureCache* pictureCache = nullptr;  // for pictures named by address
    bool measureOnly = false;                  // lay out (and hit test) without drawing
    bool wordWrap = true;                      // off: one line per line end, runs cut with an ellipsis
    double imageScale = 1.0;
    drawing::TColor linkColor = drawing::clBlue;
    bool hover = false;                                // on: only the hovered link is underlined
    int hoverLink = -1;                                // 0-based index of the hovered link, -1 none
    drawing::TColor hoverColor = drawing::clNone;      // hovered link's background
    drawing::TColor hoverFontColor = drawing::clNone;  // hovered link's text colour
    int focusLink = -1;  // 0-based index of the link with a focus rectangle, -1 none
    drawing::TColor shadowColor = drawing::clGray;
    int shadowOffset = 1;
    drawing::Point hitPoint{-1, -1};  // the point for link hit testing, target coordinates
};

struct HtmlTextResult {
    int width = 0;             // the widest line plus 2
    int height = 0;            // all lines (every line when measuring, the drawn ones when drawing)
    int linkCount = 0;         // links opened in the laid-out text
    bool onLink = false;       // hitPoint lies on a link
    std::string anchor;        // the address of that link
    drawing::Rect anchorRect;  // its part on the line under the point
    int anchorIndex = -1;      // its 0-based index, for hoverLink and focusLink
    std::string hint;          // the ALT text of a picture under the point
    std::string plainText;     // the laid-out text without markup; line ends are "\r"
};

// Device-context variant: the base font is the canvas's current font; the
// canvas's brush and font are as before afterwards.
HtmlTextResult DrawHtmlText(drawing::Canvas& canvas, std::string_view markup, const HtmlTextOptions& options);

// 2-D variant: `font` is the base font (face, height, bold, italic, underline, colour).
HtmlTextResult DrawHtmlText(drawing::Graphics& graphics, const drawing::CanvasFont& font,
                            std::string_view markup, const HtmlTextOptions& options);

// The plain text of a markup text, for hints: "<BR>" and "<HR>" become "\r\n",
// "<Z>" through "</Z>" is removed, every other tag is removed through its ">".
std::string StripHtmlText(std::string_view markup);

}  // namespace sk::smooth

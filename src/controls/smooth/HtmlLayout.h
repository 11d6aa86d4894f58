// The line loop of the mini-HTML renderer, shared by both drawing variants:
// each line is measured from the font state at its start, placed by its
// alignment and then drawn by a second pass over the same source text from the
// same state. HtmlTextTarget supplies the measuring and the drawing.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "controls/smooth/HtmlMarkup.h"
#include "controls/smooth/HtmlText.h"
#include "controls/smooth/HtmlTextTarget.h"

namespace sk::smooth {

class HtmlLayout {
public:
    HtmlLayout(HtmlTextTarget& target, const drawing::CanvasFont& baseFont, const HtmlTextOptions& options);

    // Lays out a text that html::prepareMarkup has prepared.
    HtmlTextResult run(std::string preparedText);

private:
    enum class Align { Left, Center, Right };
    enum class ImageAlign { Bottom, Middle, Top };
    enum class TagOutcome { Consumed, LineEnd, BreakBefore };

    // Everything a tag can change, carried from line to line.
    struct State {
        drawing::CanvasFont font;
        drawing::TColor background = drawing::clNone;
        drawing::TColor backgroundBeforeFont = drawing::clNone;
        drawing::TColor colorBeforeHighlight = drawing::clNone;
        drawing::TColor backgroundBeforeHighlight = drawing::clNone;
        drawing::TColor colorBeforeLink = drawing::clNone;
        drawing::TColor backgroundBeforeLink = drawing::clNone;
        Align align = Align::Left;
        int indent = 0;
        int listLevel = 0;
        int link = -1;  // the open link's index
        std::string linkAddress;
        int linkCount = 0;
        drawing::TColor paragraphColor = drawing::clNone;
        drawing::TColor paragraphColorTo = drawing::clNone;
        int penBeforeOffset = -1;  // set while <OF> moves the pen
        bool subscript = false, superscript = false, shadow = false, hidden = false, errorMark = false;
    };

    // A stretch of a line that hit testing knows: a link's run or picture, or a
    // picture with a hint. Positions are relative to the line's start x.
    struct HitSpan {
        int link = -1;
        std::string address;
        std::string hint;
        int left = 0, right = 0;
    };

    struct Line {
        std::size_t end = 0;
        int width = 0;
        int height = 0;      // H
        int textHeight = 0;  // tallest run ("gh" at least)
        int subExtent = 0, superExtent = 0;
        int textShift = 0;  // text moved up by a picture's ALIGN
        ImageAlign imageAlign = ImageAlign::Bottom;
        bool endsWithSpace = false;
        bool hasContent = false;  // a run or a picture, not only tags
        drawing::TColor background = drawing::clNone, backgroundTo = drawing::clNone;
        std::vector<drawing::Size> runSizes;  // measured once, replayed by the drawing pass
        std::vector<HitSpan> spans;
    };

    struct Box {
        int x = 0, top = 0, bottom = 0;
    };

    // One pass over a line: measuring when box is null, else drawing into it.
    std::size_t layLine(std::size_t pos, Line& line, const Box* box);
    TagOutcome handleTag(const html::TagKind& kind, std::string_view tagText, int& pen, Line& line,
                         const Box* box, bool atLineStart, bool& itemSeen);
    void handleFont(std::string_view tagText, bool closing);
    void handleParagraph(std::string_view tagText, Line& line);
    void handleAnchor(std::string_view tagText, bool closing, const Box* box);
    TagOutcome handleImage(std::string_view tagText, int& pen, Line& line, const Box* box, bool atLineStart);
    void handleBody(std::string_view tagText);
    void drawBullet(std::string_view tagText, int x, const Line& line, const Box& box);
    void drawTextRun(std::string runText, int x, drawing::Size size, std::size_t runEnd, const Line& line,
                     const Box& box);
    void finishMeasuring(Line& line);
    int lineX(const Line& line) const;
    void paintLineBackground(const Line& line, const Box& box);
    void hitTest(const Line& line, const Box& box);

    const drawing::Bitmap* findPicture(const std::string& source);
    void fillGradient(const drawing::Rect& rect, drawing::TColor from, drawing::TColor to, bool horizontal);
    int textBottom(const Line& line, const Box& box) const;
    int ghHeight(const drawing::CanvasFont& font);
    std::size_t nextTagFrom(std::size_t pos);

    HtmlTextTarget& m_target;
    const drawing::CanvasFont m_base;
    const HtmlTextOptions& m_options;
    std::string m_text;
    std::size_t m_end = 0;
    std::size_t m_nextTag = 0, m_nextTagSearchedFrom = 1;  // nothing cached yet
    State m_state;
    HtmlTextResult m_result;
    drawing::Rect m_focusRect;
    std::deque<drawing::Bitmap> m_icons;  // system icons, alive while drawing
    drawing::CanvasFont m_ghFont;
    int m_ghHeight = -1;
};

}  // namespace sk::smooth

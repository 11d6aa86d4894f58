// A drawing target for layout tests: every character is 10 pixels wide, a run
// is as high as its font's pixel height, and everything drawn is recorded. Its
// variant rules can be switched between those of the two real targets.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/smooth/HtmlMarkup.h"
#include "controls/smooth/HtmlTextTarget.h"

namespace sk::smooth::testing {

class RecordingHtmlTarget final : public HtmlTextTarget {
public:
    struct Run {
        std::string text;
        drawing::Rect rect;
        drawing::CanvasFont font;
        drawing::TColor background;
        bool ellipsis;
    };
    struct Fill {
        drawing::Rect rect;
        drawing::TColor color;
    };
    struct Line {
        int left, right, y;
    };

    enum class Variant { DeviceContext, Graphics };
    explicit RecordingHtmlTarget(Variant variant = Variant::DeviceContext) : m_variant(variant) {}

    static constexpr int kCharWidth = 10;

    drawing::Size measureRun(const drawing::CanvasFont& font, std::string_view text) override {
        ++measured;
        return {kCharWidth * static_cast<int>(html::characterCount(text)), std::abs(font.height)};
    }
    void drawRun(std::string_view text, const drawing::Rect& runRect, const HtmlRunStyle& style) override {
        runs.push_back({std::string(text), runRect, *style.font, style.background, style.ellipsis});
    }
    int scriptExtent(int runHeight, int currentExtent) const override {
        if (dc()) return std::max(currentExtent, runHeight / 4);
        return currentExtent < runHeight / 4 ? runHeight / 2 : currentExtent;
    }
    bool wrapsBefore(int lineWidth, int availableWidth, bool textBeforeEndsWithSpace) const override {
        return dc() ? lineWidth >= availableWidth : lineWidth > availableWidth && textBeforeEndsWithSpace;
    }
    bool joinsLinkWords() const override { return !dc(); }
    void drawZigzag(int left, int right, int bottom) override { zigzags.push_back({left, right, bottom}); }
    bool supportsRotation() const override { return dc(); }
    bool supportsShapedBullets() const override { return dc(); }
    bool skipsRunsAtRightEdge() const override { return dc(); }
    void fillRect(const drawing::Rect& rect, drawing::TColor color) override {
        fills.push_back({rect, color});
    }
    void fillEllipse(const drawing::Rect& box, drawing::TColor color) override {
        ellipses.push_back({box, color});
    }
    void drawHorizontalLine(int left, int right, int y, drawing::TColor) override {
        lines.push_back({left, right, y});
    }
    void drawPicture(const drawing::Bitmap&, const drawing::Rect& destination) override {
        pictures.push_back(destination);
    }
    void drawFocusRect(const drawing::Rect& rect) override { focusRects.push_back(rect); }
    void beginDrawing(const drawing::Rect&) override { ++drawings; }
    void endDrawing() override { --drawings; }

    // The texts of the recorded runs, joined with "|".
    std::string runTexts() const {
        std::string joined;
        for (const Run& run : runs) joined += (joined.empty() ? "" : "|") + run.text;
        return joined;
    }

    std::vector<Run> runs;
    std::vector<Fill> fills, ellipses;
    std::vector<Line> lines, zigzags;
    std::vector<drawing::Rect> pictures, focusRects;
    int measured = 0;
    int drawings = 0;

private:
    bool dc() const { return m_variant == Variant::DeviceContext; }
    Variant m_variant;
};

}  // namespace sk::smooth::testing

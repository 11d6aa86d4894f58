#include "controls/office/SteppedGradient.h"

#include <algorithm>

namespace sk::office {

using drawing::Rect;
using drawing::TColor;

TColor bandColour(TColor start, TColor end, int k, int bands) {
    const TColor s = drawing::ColorToRGB(start), e = drawing::ColorToRGB(end);
    auto channel = [&](int shift) {
        const int a = static_cast<int>((s >> shift) & 0xFF), b = static_cast<int>((e >> shift) & 0xFF);
        return std::clamp(a + drawing::roundHalfEven(static_cast<double>(k) * (b - a) / bands), 0, 255);
    };
    return drawing::RGB(channel(0), channel(8), channel(16));
}

namespace {

void fillBands(drawing::Canvas& canvas, const Rect& r, TColor start, TColor end, int bands, bool horizontal) {
    if (r.empty()) return;
    const int first = horizontal ? r.left : r.top;
    const int last = horizontal ? r.right() : r.bottom();
    const double e = static_cast<double>(last - 1 - first) / bands;
    const int step = drawing::roundHalfEven(e) + 1;
    canvas.brush().style = drawing::CanvasBrush::Style::Solid;
    for (int k = 0; k < bands; ++k) {
        const int from = first + drawing::roundHalfEven(k * e);
        canvas.brush().color = bandColour(start, end, k, bands);
        const Rect band = horizontal ? Rect{from, r.top, step, r.height} : Rect{r.left, from, r.width, step};
        canvas.fillRect(band.intersected(r));
    }
}

}  // namespace

void fillSteppedGradient(drawing::Canvas& canvas, const Rect& r, TColor start, TColor end, int bands,
                         TGradientDirection direction) {
    bands = std::max(1, bands);
    switch (direction) {
    case gdHorizontal:
        fillBands(canvas, r, start, end, bands, true);
        break;
    case gdVertical:
        fillBands(canvas, r, start, end, bands, false);
        break;
    case gdHorizontalInOut: {
        const int half = r.left + r.width / 2;
        fillBands(canvas, {r.left, r.top, half - r.left, r.height}, start, end, bands, true);
        fillBands(canvas, {half - 1, r.top, r.right() - (half - 1), r.height}, end, start, bands, true);
        break;
    }
    case gdVerticalInOut: {
        const int half = r.top + r.height / 2;
        fillBands(canvas, {r.left, r.top, r.width, half - r.top}, start, end, bands, false);
        fillBands(canvas, {r.left, half - 1, r.width, r.bottom() - (half - 1)}, end, start, bands, false);
        break;
    }
    }
}

}  // namespace sk::office

#include "controls/office/SteppedGradient.h"

#include <algorithm>

namespace sk::office {

using drawing::Rect;
using drawing::TColor;

TColor steppedGradientColor(TColor from, TColor to, int k, int n) {
    const TColor a = drawing::ColorToRGB(from), b = drawing::ColorToRGB(to);
    auto channel = [&](int shift) {
        const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        return static_cast<TColor>(
                   std::clamp(ca + drawing::roundHalfEven(static_cast<double>(k) * (cb - ca) / n), 0, 255))
               << shift;
    };
    return channel(0) | channel(8) | channel(16);
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
        canvas.brush().color = steppedGradientColor(start, end, k, bands);
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

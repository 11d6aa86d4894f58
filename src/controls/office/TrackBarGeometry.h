// Where the parts of a track bar lie: the inner rectangle, the track area, the
// slider, the thumb, the step buttons and the tick rows, and which value a
// pixel stands for. Painting and hit testing both use these helpers, so that
// they never disagree.
//
// Everything is worked out for a horizontal bar. A vertical bar is the same bar
// turned a quarter to the left: its values grow upwards, and each rectangle is
// mapped from the horizontal frame to the control.
#pragma once

#include <optional>

#include "controls/office/TrackBarTypes.h"
#include "drawing/Geometry.h"

namespace sk::office {

struct TrackBarMetrics {
    int width = 150;  // client size
    int height = 26;
    TTrackBarOrientation orientation = trHorizontal;
    int min = 0;
    int max = 10;
    int thumbWidth = 10;  // along the track
    int thumbSize = 15;   // across it
    int sliderOffset = 10;
    int sliderSize = 2;
    bool sliderBorder3D = true;
    int labelHeight = 0;  // a visible label above the track, else 0
    bool buttonsVisible = false;
    int buttonSize = 16;
    int buttonSpacing = 4;
    TTickMark tickPosition = tmBottomRight;
    int tickSize = 4;
    int tickSpacing = 8;
    int tickTextHeight = 0;  // with ShowText
};

class TrackBarGeometry {
public:
    static constexpr int BorderAndMargin = 3;
    static constexpr int PagingSlack = 4;  // pixels around the track area that still page

    explicit TrackBarGeometry(const TrackBarMetrics& metrics) : m(metrics) {}

    const TrackBarMetrics& metrics() const { return m; }
    drawing::Rect inner() const { return toControl(frameInner()); }
    drawing::Rect trackArea() const { return toControl(frameTrack()); }
    drawing::Rect slider() const { return toControl(frameSlider()); }
    drawing::Rect thumb(int position) const { return toControl(frameThumb(position)); }
    drawing::Rect minButton() const { return toControl(frameMinButton()); }
    drawing::Rect maxButton() const { return toControl(frameMaxButton()); }
    std::optional<drawing::Rect> bottomTickRow() const;
    std::optional<drawing::Rect> topTickRow() const;

    // The thumb's centre along the track, where the completed part of the slider ends.
    int thumbCentre(int position) const;
    // The slider split at the thumb centre: the completed part (empty at Min) and
    // the rest, from one pixel before the centre (empty at Max).
    drawing::Rect completedPart(int position) const;
    drawing::Rect restPart(int position) const;

    // The last value that gets a tick: Max, unless the ticks would crowd the bar
    // (more values than half its larger side less the row's start); always Max
    // when ticks carry text or a handler draws them.
    int lastTickValue(bool always) const;
    // Where the tick of a value lies along the track (x, or y for a vertical bar).
    int tickOffset(int value, int lastValue) const;

    // The value under a point: its distance from the track start less half the
    // thumb, as a share of the thumb's run, rounded halves to even and clamped.
    int valueAt(drawing::Point p) const;
    // The pixel length of one value and the thumb's start for paging.
    double pixelsPerValue() const;
    int pagingThumbStart(int position) const;
    // Along-track coordinate of a point, in the horizontal frame.
    int along(drawing::Point p) const;

    static int clampValue(int value, int min, int max);

private:
    int frameWidth() const { return m.orientation == trHorizontal ? m.width : m.height; }
    int frameHeight() const { return m.orientation == trHorizontal ? m.height : m.width; }
    drawing::Rect frameInner() const;
    drawing::Rect frameMinButton() const;
    drawing::Rect frameMaxButton() const;
    drawing::Rect frameTrack() const;
    drawing::Rect frameTopTickRow() const;
    drawing::Rect frameSlider() const;
    drawing::Rect frameThumb(int position) const;
    drawing::Rect frameBottomTickRow() const;
    int thumbRun() const;  // track width less the thumb width
    drawing::Rect toControl(const drawing::Rect& frame) const;

    TrackBarMetrics m;
};

}  // namespace sk::office

#include "controls/office/TrackBarGeometry.h"

#include <algorithm>

#include "drawing/Color.h"

namespace sk::office {

using drawing::Rect;

int TrackBarGeometry::clampValue(int value, int min, int max) {
    if (value > max) value = max;
    if (value < min) value = min;
    return value;
}

Rect TrackBarGeometry::frameInner() const {
    const int b = BorderAndMargin;
    return {b, b, std::max(0, frameWidth() - 2 * b), std::max(0, frameHeight() - 2 * b)};
}

Rect TrackBarGeometry::frameMinButton() const {
    const Rect in = frameInner();
    return {in.left, in.top, std::min(m.buttonSize, in.width), in.height};
}

Rect TrackBarGeometry::frameMaxButton() const {
    const Rect in = frameInner();
    const int w = std::min(m.buttonSize, in.width);
    return {in.right() - w, in.top, w, in.height};
}

Rect TrackBarGeometry::frameTrack() const {
    Rect r = frameInner();
    const int down = std::min(r.height, m.sliderOffset + m.labelHeight);
    r.top += down;
    r.height -= down;
    if (m.buttonsVisible) {
        const int left = frameMinButton().right() + m.buttonSpacing;
        const int right = frameMaxButton().left - m.buttonSpacing;
        r.left = left;
        r.width = std::max(0, right - left);
    }
    return r;
}

Rect TrackBarGeometry::frameTopTickRow() const {
    const Rect track = frameTrack();
    return {track.left + m.thumbWidth / 2, track.top, std::max(0, track.width - 2 * (m.thumbWidth / 2)),
            m.tickSize + m.tickTextHeight};
}

Rect TrackBarGeometry::frameSlider() const {
    const Rect track = frameTrack();
    int top = track.top;
    if (m.tickPosition == tmTopLeft || m.tickPosition == tmBoth)
        top = frameTopTickRow().bottom() + m.tickSpacing;
    return {track.left, top, track.width, m.sliderSize};
}

int TrackBarGeometry::thumbRun() const {
    return frameTrack().width - m.thumbWidth;
}

Rect TrackBarGeometry::frameThumb(int position) const {
    const Rect track = frameTrack();
    const Rect slider = frameSlider();
    const int range = m.max - m.min;
    const int left = track.left + (range == 0 ? 0 : (position - m.min) * thumbRun() / range);
    const int top = slider.top + slider.height / 2 - m.thumbSize / 2;
    return {left, top, m.thumbWidth, m.thumbSize};
}

Rect TrackBarGeometry::frameBottomTickRow() const {
    const Rect track = frameTrack();
    const Rect slider = frameSlider();
    const int top = slider.bottom() - (m.sliderBorder3D ? 1 : 0) + m.tickSpacing;
    return {track.left + m.thumbWidth / 2, top, std::max(0, track.width - 2 * (m.thumbWidth / 2)),
            m.tickSize + m.tickTextHeight};
}

std::optional<Rect> TrackBarGeometry::bottomTickRow() const {
    if (m.tickPosition == tmTopLeft) return std::nullopt;
    return toControl(frameBottomTickRow());
}

std::optional<Rect> TrackBarGeometry::topTickRow() const {
    if (m.tickPosition == tmBottomRight) return std::nullopt;
    return toControl(frameTopTickRow());
}

int TrackBarGeometry::thumbCentre(int position) const {
    const Rect t = frameThumb(position);
    const int centre = t.left + m.thumbWidth / 2;
    return m.orientation == trHorizontal ? centre : m.height - 1 - centre;
}

Rect TrackBarGeometry::completedPart(int position) const {
    if (position <= m.min) return {};
    const Rect s = frameSlider();
    const int centre = frameThumb(position).left + m.thumbWidth / 2;
    return toControl({s.left, s.top, std::max(0, centre - s.left), s.height});
}

Rect TrackBarGeometry::restPart(int position) const {
    const Rect s = frameSlider();
    if (position >= m.max) return {};
    if (position <= m.min) return toControl(s);
    const int from = frameThumb(position).left + m.thumbWidth / 2 - 1;
    return toControl({from, s.top, std::max(0, s.right() - from), s.height});
}

int TrackBarGeometry::lastTickValue(bool always) const {
    if (always) return m.max;
    const int limit = std::max(m.width, m.height) / 2 - frameBottomTickRow().left;
    return m.max > limit ? limit : m.max;
}

int TrackBarGeometry::tickOffset(int value, int lastValue) const {
    const int rowLeft = frameBottomTickRow().left;
    const int span = lastValue - m.min;
    const int along =
        span == 0 ? rowLeft
                  : rowLeft + static_cast<int>(static_cast<double>(value - m.min) * thumbRun() / span);
    return m.orientation == trHorizontal ? along : m.height - 1 - along;
}

int TrackBarGeometry::along(drawing::Point p) const {
    return m.orientation == trHorizontal ? p.x : m.height - 1 - p.y;
}

int TrackBarGeometry::valueAt(drawing::Point p) const {
    const int length = thumbRun();
    if (length <= 0 || m.max == m.min) return m.min;
    const double offset = along(p) - frameTrack().left - m.thumbWidth / 2;
    const double value = offset / length * (m.max - m.min) + m.min;
    return clampValue(drawing::roundHalfEven(value), m.min, m.max);
}

double TrackBarGeometry::pixelsPerValue() const {
    const int range = m.max - m.min;
    return range == 0 ? 0.0 : static_cast<double>(thumbRun()) / range;
}

int TrackBarGeometry::pagingThumbStart(int position) const {
    return frameTrack().left + drawing::roundHalfEven((position - m.min) * pixelsPerValue());
}

Rect TrackBarGeometry::toControl(const Rect& r) const {
    if (m.orientation == trHorizontal) return r;
    // Along the track upwards from the bottom edge, across it from the left.
    return {r.top, m.height - r.right(), r.height, r.width};
}

}  // namespace sk::office

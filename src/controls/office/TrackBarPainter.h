// Paints a track bar in its order: the parent's background (transparent bar),
// background and border, label, slider, ticks, thumb, step buttons and focus.
// Painting reads the bar's state and never changes it.
#pragma once

#include "controls/office/AdvTrackBar.h"
#include "ui/PaintSurface.h"
#include "ui/Region.h"

namespace sk::office {

class TrackBarPainter {
public:
    explicit TrackBarPainter(const TAdvTrackBar& bar);

    void paint(const ui::PaintSurface& surface) const;

    static int labelHeight(const TTrackBarLabel& label, int position);
    static int tickTextHeight(const TTrackBarTick& tick);

private:
    void paintBackground(drawing::Canvas& c) const;
    const drawing::Image* backgroundPicture() const;
    void paintLabel(drawing::Canvas& c) const;
    void paintSlider(drawing::Canvas& c) const;
    void paintSliderPart(drawing::Canvas& c, const ui::Region& clip, const drawing::Rect& part,
                         drawing::TColor first, drawing::TColor second) const;
    void paintTicks(drawing::Canvas& c) const;
    void paintThumb(drawing::Canvas& c) const;
    void paintRoundThumb(drawing::Canvas& c, const drawing::Rect& t, const ThumbColors& colors) const;
    void paintOtherThumb(drawing::Canvas& c, const drawing::Rect& t, const ThumbColors& colors) const;
    void paintButton(drawing::Canvas& c, const drawing::Rect& r, ButtonLook look, bool towardsMax) const;

    const TAdvTrackBar& m_bar;
    TrackBarGeometry m_geometry;
    bool m_enabled;
};

}  // namespace sk::office

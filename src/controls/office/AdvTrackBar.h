// A custom-drawn slider for an integer between Min and Max: a groove (the
// slider) whose part left of the thumb shows "completed" colors, a thumb that
// is dragged, clicked to or moved by keys and the wheel, a row of tick marks,
// optional step buttons and a label. While the thumb is dragged a hint window
// next to the pointer shows the value.
//
// The look lives in five sub-objects (Thumb, Slider, TickMark, Buttons,
// TrackLabel); TrackBarGeometry places the parts for painting and hit testing
// alike, TrackBarPainter draws them.
//
// The background picture (BackGround, or BackGroundDisabled while disabled) is
// drawn at the top-left at its own size or stretched over the control. Not
// built: slider and tick pictures, tick images and the rating pictures; their
// properties are not published.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/office/TrackBarButtons.h"
#include "controls/office/TrackBarGeometry.h"
#include "controls/office/TrackBarLabel.h"
#include "controls/office/TrackBarSlider.h"
#include "controls/office/TrackBarThumb.h"
#include "controls/office/TrackBarTick.h"
#include "drawing/Canvas.h"
#include "ui/HintWindow.h"
#include "ui/Picture.h"
#include "ui/WinControl.h"

namespace sk::office {

using TTrackHintEvent = std::function<void(ui::Component* sender, int position, std::string& hint)>;
// What the handler may change about one tick before it is drawn.
struct TickDrawing {
    int length = 0;
    drawing::TColor color = 0;
    drawing::TColor textColor = 0;
    std::string text;
    bool defaultDraw = true;
};
using TDrawTickEvent =
    std::function<void(ui::Component* sender, drawing::Canvas& canvas, drawing::Point location, int position,
                       int tickPos, TickDrawing& tick)>;

class TAdvTrackBar : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvTrackBar(ui::Component* owner = nullptr);
    ~TAdvTrackBar() override;

    TTrackBarThumb* Thumb() const { return m_thumb.get(); }
    TTrackBarSlider* Slider() const { return m_slider.get(); }
    TTrackBarTick* TickMark() const { return m_tickMark.get(); }
    TTrackBarButtons* Buttons() const { return m_buttons.get(); }
    TTrackBarLabel* TrackLabel() const { return m_trackLabel.get(); }

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const { return m_position; }
    // Compares before clamping: a value beyond the range stores the limit and
    // fires OnChange even when the position was at that limit already.
    void SetPosition(int value);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int value) { m_pageSize = value; }
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation value);
    TMoveOnClick MoveOnClick() const { return m_moveOnClick; }
    void SetMoveOnClick(TMoveOnClick value) { m_moveOnClick = value; }
    bool TrackHint() const { return m_trackHint; }
    void SetTrackHint(bool value) { m_trackHint = value; }
    bool ShowFocus() const { return m_showFocus; }
    void SetShowFocus(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    drawing::TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(drawing::TColor value);
    drawing::TColor ColorDisabled() const { return m_colorDisabled; }
    void SetColorDisabled(drawing::TColor value);
    drawing::TColor ColorDisabledTo() const { return m_colorDisabledTo; }
    void SetColorDisabledTo(drawing::TColor value);
    drawing::TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(drawing::TColor value);
    drawing::TColor BorderColorDisabled() const { return m_borderColorDisabled; }
    void SetBorderColorDisabled(drawing::TColor value);
    TGradientDirection Direction() const { return m_direction; }
    void SetDirection(TGradientDirection value);
    ui::TPicture* BackGround() const { return m_backGround.get(); }
    // Drawn while disabled; when empty, BackGround is drawn then too.
    ui::TPicture* BackGroundDisabled() const { return m_backGroundDisabled.get(); }
    bool BackGroundStretched() const { return m_backGroundStretched; }
    void SetBackGroundStretched(bool value);

    ui::TNotifyEvent OnChange;
    TTrackHintEvent OnGetTrackHint;
    TDrawTickEvent OnDrawTick;

    // ---- Geometry and run-time state, for painting and tests ----
    TrackBarGeometry geometry() const;
    ThumbLook thumbLook() const;
    ButtonLook buttonLook(bool maxButton) const;
    bool dragging() const { return m_dragging; }
    bool thumbHot() const { return m_thumbHot; }
    bool repeatTimerRunning() const { return m_repeatTimer != 0; }
    int lastHintValue() const { return m_lastHintValue; }
    const ui::HintWindow* hintWindow() const { return m_hint.get(); }
    bool focusShown() const { return m_showFocus && Focused(); }

    static constexpr int ThumbBands = 64;
    static constexpr int SliderBands = 20;
    static constexpr int BackgroundBands = 80;

protected:
    void paint(const ui::PaintSurface& surface) override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseUp(const ui::MouseArgs& args) override;
    void mouseLeave() override;
    bool mouseWheel(int delta, ui::TShiftState shift, drawing::Point pos) override;
    unsigned wantedKeys() const override { return ui::WantArrows; }
    void keyDown(int& key, ui::TShiftState shift) override;
    void focusEnter() override;
    void focusExit() override;
    void enabledChanged() override;

private:
    void invalidateThumb(int position);
    void invalidatePositionChange(int oldPosition);
    void setThumbHot(bool hot);
    void setButtonHot(drawing::Point p);
    void showDragHint(int value, drawing::Point pointer);
    void hideDragHint();
    bool pageTowards(int along);
    void stepBy(int delta);
    void startRepeat();
    void stopRepeat();
    void repeatTick();

    std::unique_ptr<TTrackBarThumb> m_thumb;
    std::unique_ptr<TTrackBarSlider> m_slider;
    std::unique_ptr<TTrackBarTick> m_tickMark;
    std::unique_ptr<TTrackBarButtons> m_buttons;
    std::unique_ptr<TTrackBarLabel> m_trackLabel;
    std::unique_ptr<ui::TPicture> m_backGround;
    std::unique_ptr<ui::TPicture> m_backGroundDisabled;

    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_pageSize = 1;
    TTrackBarOrientation m_orientation = trHorizontal;
    TMoveOnClick m_moveOnClick = mcStep;
    bool m_trackHint = false;
    bool m_showFocus = false;
    bool m_transparent = true;
    drawing::TColor m_colorTo = drawing::clNone;
    drawing::TColor m_colorDisabled = drawing::clNone;
    drawing::TColor m_colorDisabledTo = drawing::clNone;
    drawing::TColor m_borderColor = drawing::clNone;
    drawing::TColor m_borderColorDisabled = drawing::clNone;
    TGradientDirection m_direction = gdHorizontal;
    bool m_backGroundStretched = false;

    bool m_dragging = false;
    bool m_thumbPressed = false;
    bool m_thumbHot = false;
    bool m_paging = false;
    int m_pressAlong = 0;
    bool m_minPressed = false;
    bool m_maxPressed = false;
    bool m_minHot = false;
    bool m_maxHot = false;
    platform::TimerId m_repeatTimer = 0;
    bool m_repeatFirst = false;
    int m_lastHintValue = -1;
    std::unique_ptr<ui::HintWindow> m_hint;
};

}  // namespace sk::office

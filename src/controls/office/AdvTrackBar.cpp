// The track bar: published properties, the position rule, and the behaviour of
// mouse, keys, wheel, repeat timer and drag hint. Painting is TrackBarPainter's.
#include "controls/office/AdvTrackBar.h"

#include <cstdlib>

#include "controls/office/TrackBarPainter.h"
#include "ui/Form.h"

namespace sk::office {

using drawing::Point;
using drawing::Rect;

const ui::ClassInfo& TAdvTrackBar::staticClassInfo() {
    using T = TAdvTrackBar;
    static const ui::ClassInfo info =
        ui::ClassBuilder<T>("TAdvTrackBar", &ui::CustomControl::staticClassInfo())
            .creatable()
            .changeDefault("Color", static_cast<long long>(drawing::clNone))
            .changeDefault("TabStop", true)
            .object("BackGround", &T::BackGround)
            .object("BackGroundDisabled", &T::BackGroundDisabled)
            .boolean("BackGroundStretched", &T::BackGroundStretched, &T::SetBackGroundStretched, false)
            .color("BorderColor", &T::BorderColor, &T::SetBorderColor,
                   static_cast<long long>(drawing::clNone))
            .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled,
                   static_cast<long long>(drawing::clNone))
            .object("Buttons", &T::Buttons)
            .color("ColorTo", &T::ColorTo, &T::SetColorTo, static_cast<long long>(drawing::clNone))
            .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled,
                   static_cast<long long>(drawing::clNone))
            .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo,
                   static_cast<long long>(drawing::clNone))
            .enumeration("Direction", &T::Direction, &T::SetDirection, gdHorizontal, gradientDirectionNames())
            .integer("Max", &T::Max, &T::SetMax, 10LL)
            .integer("Min", &T::Min, &T::SetMin, 0LL)
            .enumeration("MoveOnClick", &T::MoveOnClick, &T::SetMoveOnClick, mcStep, moveOnClickNames())
            .enumeration("Orientation", &T::Orientation, &T::SetOrientation, trHorizontal, orientationNames())
            .integer("PageSize", &T::PageSize, &T::SetPageSize, 1LL)
            .integer("Position", &T::Position, &T::SetPosition, 0LL)
            .boolean("ShowFocus", &T::ShowFocus, &T::SetShowFocus, false)
            .object("Slider", &T::Slider)
            .object("Thumb", &T::Thumb)
            .object("TickMark", &T::TickMark)
            .boolean("TrackHint", &T::TrackHint, &T::SetTrackHint, false)
            .object("TrackLabel", &T::TrackLabel)
            .boolean("Transparent", &T::Transparent, &T::SetTransparent, true)
            .event("OnChange", &T::OnChange)
            .event("OnGetTrackHint", &T::OnGetTrackHint)
            .event("OnDrawTick", &T::OnDrawTick)
            .build();
    return info;
}
const ui::ClassInfo& TAdvTrackBar::classInfo() const {
    return staticClassInfo();
}

TAdvTrackBar::TAdvTrackBar(ui::Component* owner)
    : ui::CustomControl(owner),
      m_thumb(std::make_unique<TTrackBarThumb>()),
      m_slider(std::make_unique<TTrackBarSlider>()),
      m_tickMark(std::make_unique<TTrackBarTick>()),
      m_buttons(std::make_unique<TTrackBarButtons>()),
      m_trackLabel(std::make_unique<TTrackBarLabel>()),
      m_backGround(std::make_unique<ui::TPicture>()),
      m_backGroundDisabled(std::make_unique<ui::TPicture>()) {
    const auto repaint = [this](ui::Persistent*) { invalidate(); };
    m_thumb->setChangeHandler(repaint);
    m_slider->setChangeHandler(repaint);
    m_tickMark->setChangeHandler(repaint);
    m_buttons->setChangeHandler(repaint);
    m_trackLabel->setChangeHandler(repaint);
    m_backGround->setChangeHandler(repaint);
    m_backGroundDisabled->setChangeHandler(repaint);
    SetColor(drawing::clNone);
    SetTabStop(true);
    SetBounds(0, 0, 150, 26);
    m_trackHint = ShowHint();
    setClickEvents(false);
}

TAdvTrackBar::~TAdvTrackBar() {
    stopRepeat();
}

// ---- Properties ------------------------------------------------------------------

#define SK_TRACKBAR_SETTER(Name, Type, member) \
    void TAdvTrackBar::Set##Name(Type value) { \
        if (value == member) return;           \
        member = value;                        \
        invalidate();                          \
    }

SK_TRACKBAR_SETTER(Orientation, TTrackBarOrientation, m_orientation)
SK_TRACKBAR_SETTER(ShowFocus, bool, m_showFocus)
SK_TRACKBAR_SETTER(Transparent, bool, m_transparent)
SK_TRACKBAR_SETTER(ColorTo, drawing::TColor, m_colorTo)
SK_TRACKBAR_SETTER(ColorDisabled, drawing::TColor, m_colorDisabled)
SK_TRACKBAR_SETTER(ColorDisabledTo, drawing::TColor, m_colorDisabledTo)
SK_TRACKBAR_SETTER(BorderColor, drawing::TColor, m_borderColor)
SK_TRACKBAR_SETTER(BorderColorDisabled, drawing::TColor, m_borderColorDisabled)
SK_TRACKBAR_SETTER(Direction, TGradientDirection, m_direction)
SK_TRACKBAR_SETTER(BackGroundStretched, bool, m_backGroundStretched)
#undef SK_TRACKBAR_SETTER

void TAdvTrackBar::SetMin(int value) {
    if (value == m_min) return;
    m_min = value;
    invalidate();
    if (m_position < m_min) SetPosition(m_min);
}

void TAdvTrackBar::SetMax(int value) {
    if (value == m_max) return;
    m_max = value;
    invalidate();
    if (m_position > m_max) SetPosition(m_max);
}

void TAdvTrackBar::SetPosition(int value) {
    if (value == m_position) return;
    const int old = m_position;
    m_position = TrackBarGeometry::clampValue(value, m_min, m_max);
    invalidatePositionChange(old);
    if (OnChange) OnChange(this);
}

// ---- Geometry ----------------------------------------------------------------------

TrackBarGeometry TAdvTrackBar::geometry() const {
    TrackBarMetrics m;
    m.width = Width();
    m.height = Height();
    m.orientation = m_orientation;
    m.min = m_min;
    m.max = m_max;
    m.thumbWidth = m_thumb->Width();
    m.thumbSize = m_thumb->Size();
    m.sliderOffset = m_slider->Offset();
    m.sliderSize = m_slider->Size();
    m.sliderBorder3D = m_slider->Border3D();
    if (m_trackLabel->Visible() && m_trackLabel->atTop())
        m.labelHeight = TrackBarPainter::labelHeight(*m_trackLabel, m_position);
    m.buttonsVisible = m_buttons->Visible();
    m.buttonSize = m_buttons->Size();
    m.buttonSpacing = m_buttons->Spacing();
    m.tickPosition = m_tickMark->Position();
    m.tickSize = m_tickMark->Size();
    m.tickSpacing = m_tickMark->Spacing();
    if (m_tickMark->ShowText()) m.tickTextHeight = TrackBarPainter::tickTextHeight(*m_tickMark);
    return TrackBarGeometry(m);
}

ThumbLook TAdvTrackBar::thumbLook() const {
    if (!enabledWithParents()) return ThumbLook::Disabled;
    if (m_thumbPressed) return ThumbLook::Down;
    return m_thumbHot ? ThumbLook::Hot : ThumbLook::Normal;
}

ButtonLook TAdvTrackBar::buttonLook(bool maxButton) const {
    const bool pressed = maxButton ? m_maxPressed : m_minPressed;
    const bool hot = maxButton ? m_maxHot : m_minHot;
    if (pressed) return ButtonLook::Down;
    return hot ? ButtonLook::Hot : ButtonLook::Normal;
}

void TAdvTrackBar::invalidateThumb(int position) {
    // The white rim lies around the thumb rectangle.
    invalidate(geometry().thumb(position).inflated(1, 1));
}

void TAdvTrackBar::invalidatePositionChange(int oldPosition) {
    const TrackBarGeometry g = geometry();
    invalidateThumb(oldPosition);
    invalidateThumb(m_position);
    const SliderColors colors = m_slider->colors(enabledWithParents());
    if (colors.completed != drawing::clNone) invalidate(g.slider());
    if (m_trackLabel->Visible()) invalidate();
}

// ---- Painting --------------------------------------------------------------------

void TAdvTrackBar::paint(const ui::PaintSurface& surface) {
    TrackBarPainter(*this).paint(surface);
}

// ---- Mouse -----------------------------------------------------------------------

void TAdvTrackBar::mouseDown(const ui::MouseArgs& args) {
    ui::CustomControl::mouseDown(args);
    if (canFocus() && !Focused()) SetFocus();
    if (args.button != ui::MouseButton::Left || !Enabled()) return;
    const TrackBarGeometry g = geometry();
    if (m_buttons->Visible() && (g.minButton().contains(args.pos) || g.maxButton().contains(args.pos))) {
        (g.maxButton().contains(args.pos) ? m_maxPressed : m_minPressed) = true;
        invalidate(g.maxButton().contains(args.pos) ? g.maxButton() : g.minButton());
        if (m_buttons->RepeatClick()) {
            stepBy(m_maxPressed ? m_buttons->Step() : -m_buttons->Step());
            startRepeat();
        }
        return;
    }
    if (g.thumb(m_position).contains(args.pos)) {
        m_dragging = true;
        m_thumbPressed = true;
        invalidateThumb(m_position);
        return;
    }
    if (m_moveOnClick == mcMove) {
        SetPosition(g.valueAt(args.pos));
        return;
    }
    if (g.trackArea()
            .inflated(TrackBarGeometry::PagingSlack, TrackBarGeometry::PagingSlack)
            .contains(args.pos)) {
        m_paging = true;
        m_pressAlong = g.along(args.pos);
        pageTowards(m_pressAlong);
        startRepeat();
    }
}

void TAdvTrackBar::mouseMove(const ui::MouseArgs& args) {
    ui::CustomControl::mouseMove(args);
    if (m_dragging) {
        const int value = geometry().valueAt(args.pos);
        if (value != m_position && value != m_lastHintValue && m_trackHint) showDragHint(value, args.pos);
        SetPosition(value);
        return;
    }
    setThumbHot(geometry().thumb(m_position).contains(args.pos) && ClientRect().contains(args.pos));
    if (m_buttons->Visible()) setButtonHot(args.pos);
}

void TAdvTrackBar::mouseUp(const ui::MouseArgs& args) {
    if (args.button == ui::MouseButton::Left) {
        stopRepeat();
        hideDragHint();
        m_dragging = false;
        m_paging = false;
        const TrackBarGeometry g = geometry();
        if (m_thumbPressed) {
            m_thumbPressed = false;
            m_thumbHot = g.thumb(m_position).contains(args.pos);
            invalidateThumb(m_position);
        }
        if (m_minPressed || m_maxPressed) {
            const bool maxButton = m_maxPressed;
            const Rect button = maxButton ? g.maxButton() : g.minButton();
            m_minPressed = m_maxPressed = false;
            invalidate(button);
            if (button.contains(args.pos) && !m_buttons->RepeatClick())
                stepBy(maxButton ? m_buttons->Step() : -m_buttons->Step());
        }
    }
    ui::CustomControl::mouseUp(args);
}

void TAdvTrackBar::mouseLeave() {
    ui::CustomControl::mouseLeave();
    if (!m_thumbPressed) setThumbHot(false);
    if (m_minHot || m_maxHot) {
        m_minHot = m_maxHot = false;
        invalidate();
    }
}

bool TAdvTrackBar::mouseWheel(int delta, ui::TShiftState, Point) {
    if (delta == 0) return false;
    stepBy(delta > 0 ? 1 : -1);
    return true;
}

void TAdvTrackBar::setThumbHot(bool hot) {
    if (hot == m_thumbHot) return;
    m_thumbHot = hot;
    invalidateThumb(m_position);
}

void TAdvTrackBar::setButtonHot(Point p) {
    const TrackBarGeometry g = geometry();
    const bool minHot = g.minButton().contains(p), maxHot = g.maxButton().contains(p);
    if (minHot != m_minHot) invalidate(g.minButton());
    if (maxHot != m_maxHot) invalidate(g.maxButton());
    m_minHot = minHot;
    m_maxHot = maxHot;
}

// ---- Drag hint ---------------------------------------------------------------------

void TAdvTrackBar::showDragHint(int value, Point pointer) {
    std::string text = std::to_string(value);
    if (OnGetTrackHint) OnGetTrackHint(this, value, text);
    if (!m_hint) {
        const ui::Form* form = parentForm();
        m_hint = std::make_unique<ui::HintWindow>(form ? form->nativeWindow() : nullptr);
    }
    const drawing::Size size = m_hint->textSize(text);
    const Point at = clientToScreen(pointer);
    const Rect wanted{at.x + 10, at.y, size.width + 16, size.height + 4};
    m_hint->showAt(ui::HintWindow::keepInside(wanted, platform::currentPlatform().workAreaAt(at)), text);
    m_lastHintValue = value;
}

void TAdvTrackBar::hideDragHint() {
    if (m_hint) m_hint->hide();
}

// ---- Paging, steps and the repeat timer --------------------------------------------

bool TAdvTrackBar::pageTowards(int along) {
    const TrackBarGeometry g = geometry();
    const double s = g.pixelsPerValue();
    const int t = g.pagingThumbStart(m_position);
    int p = along;
    if (p < t) p -= m_thumb->Width() / 2;
    if (std::abs(p - t) < s) return false;
    stepBy(p < t ? -m_pageSize : m_pageSize);
    return true;
}

void TAdvTrackBar::stepBy(int delta) {
    SetPosition(TrackBarGeometry::clampValue(m_position + delta, m_min, m_max));
}

void TAdvTrackBar::startRepeat() {
    stopRepeat();
    m_repeatFirst = true;
    m_repeatTimer = startTimer(m_buttons->InitRepeatPause(), [this] { repeatTick(); });
}

void TAdvTrackBar::stopRepeat() {
    if (m_repeatTimer) stopTimer(m_repeatTimer);
    m_repeatTimer = 0;
}

void TAdvTrackBar::repeatTick() {
    if (!mouseCaptured()) {
        stopRepeat();
        return;
    }
    if (m_repeatFirst) {
        // The first repeat waits longer; the rest follow at the shorter pause.
        stopRepeat();
        m_repeatFirst = false;
        m_repeatTimer = startTimer(m_buttons->RepeatPause(), [this] { repeatTick(); });
    }
    if (m_paging) {
        pageTowards(m_pressAlong);
    } else if (m_minPressed || m_maxPressed) {
        stepBy(m_maxPressed ? m_buttons->Step() : -m_buttons->Step());
    }
}

// ---- Keys and focus ------------------------------------------------------------------

void TAdvTrackBar::keyDown(int& key, ui::TShiftState shift) {
    ui::CustomControl::keyDown(key, shift);
    if (shift & platform::ModShift) return;
    namespace vk = platform::vk;
    const bool vertical = m_orientation == trVertical;
    switch (key) {
        case vk::Right:
        case vk::Up:
            stepBy(1);
            break;
        case vk::Left:
        case vk::Down:
            stepBy(-1);
            break;
        case vk::Prior:
            stepBy(m_pageSize);
            break;
        case vk::Next:
            stepBy(-m_pageSize);
            break;
        case vk::Home:
            SetPosition(vertical ? m_max : m_min);
            break;
        case vk::End:
            SetPosition(vertical ? m_min : m_max);
            break;
        default:
            return;
    }
    key = 0;
}

void TAdvTrackBar::focusEnter() {
    invalidate();
    ui::CustomControl::focusEnter();
}

void TAdvTrackBar::focusExit() {
    invalidate();
    ui::CustomControl::focusExit();
}

void TAdvTrackBar::enabledChanged() {
    ui::CustomControl::enabledChanged();
    invalidate();
}

}  // namespace sk::office

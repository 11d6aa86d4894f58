// Controls: components with a place on a parent, a font, a colour and mouse
// input. Bounds are in pixels relative to the parent's top-left corner.
// Graphic controls (GraphicControl) are painted by their parent on the parent's
// surface; windowed controls (WinControl) can hold children, take the focus
// and keys, and always lie above the graphic controls of the same parent;
// among each kind, a later child lies above an earlier one.
//
// Painting is deferred: invalidate(rect) marks an area of the top-level window
// dirty, and the window repaints dirty areas once the current event has been
// handled (repaintNow() paints at once). A control paints by overriding
// paint(surface); the surface's origin is the control's top-left corner and its
// clip the area being repainted. What the parent and earlier siblings painted
// under the control is already in the buffer when paint() runs.
//
// How a custom control is declared (the pattern to copy):
//
//   // TSpinDial.h
//   class TSpinDial : public sk::ui::CustomControl {
//       SK_PERSISTENT_CLASS
//   public:
//       explicit TSpinDial(sk::ui::Component* owner);
//       int Position() const { return m_position; }
//       void SetPosition(int value);
//       sk::ui::TNotifyEvent OnChange;
//   protected:
//       void paint(const sk::ui::PaintSurface& surface) override;
//       void mouseDown(const sk::ui::MouseArgs& args) override;
//   private:
//       sk::drawing::Rect knobRect() const;   // used by paint and hit tests alike
//       int m_position = 0;
//   };
//
//   // TSpinDial.cpp
//   const ClassInfo& TSpinDial::staticClassInfo() {
//       static const ClassInfo info = ClassBuilder<TSpinDial>("TSpinDial", &CustomControl::staticClassInfo())
//           .creatable()
//           .integer("Position", &TSpinDial::Position, &TSpinDial::SetPosition, 0LL)
//           .event("OnChange", &TSpinDial::OnChange)   // stored after Position: loading fires nothing
//           .changeDefault("TabStop", true)
//           .build();
//       return info;
//   }
//   const ClassInfo& TSpinDial::classInfo() const { return staticClassInfo(); }
//
//   TSpinDial::TSpinDial(Component* owner) : CustomControl(owner) {
//       SetBounds(0, 0, 40, 40);
//       SetTabStop(true);
//   }
//   void TSpinDial::SetPosition(int value) {
//       if (value == m_position) return;
//       m_position = value;
//       invalidate();
//       if (OnChange && !loading()) OnChange(this);
//   }
//   void TSpinDial::paint(const PaintSurface& surface) {
//       paintParentBackground(surface);            // a transparent control
//       surface.fillRect(knobRect(), 0xFF3060C0);   // or draw through the drawing layer
//   }
//   void TSpinDial::mouseDown(const MouseArgs& args) {
//       CustomControl::mouseDown(args);             // fires OnMouseDown
//       if (canFocus()) SetFocus();
//       if (knobRect().contains(args.pos)) SetPosition(m_position + 1);
//   }
//
// and registered for form descriptions with sk::ui::registerClass<TSpinDial>().
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "drawing/Bitmap.h"
#include "drawing/Geometry.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/PaintSurface.h"
#include "ui/Region.h"
#include "ui/UiTypes.h"

namespace sk::ui {

class WinControl;
class Form;

using TMouseEvent =
    std::function<void(Component* sender, MouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(Component* sender, TShiftState shift, int x, int y)>;

class Control : public Component {
    SK_PERSISTENT_CLASS
public:
    explicit Control(Component* owner = nullptr);
    ~Control() override;

    // ---- Place ----
    WinControl* Parent() const { return m_parent; }
    void SetParent(WinControl* parent);
    int Left() const { return m_bounds.left; }
    int Top() const { return m_bounds.top; }
    int Width() const { return m_bounds.width; }
    int Height() const { return m_bounds.height; }
    void SetLeft(int v) { SetBounds(v, m_bounds.top, m_bounds.width, m_bounds.height); }
    void SetTop(int v) { SetBounds(m_bounds.left, v, m_bounds.width, m_bounds.height); }
    void SetWidth(int v) { SetBounds(m_bounds.left, m_bounds.top, v, m_bounds.height); }
    void SetHeight(int v) { SetBounds(m_bounds.left, m_bounds.top, m_bounds.width, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    drawing::Rect BoundsRect() const { return m_bounds; }
    drawing::Rect ClientRect() const { return {0, 0, m_bounds.width, m_bounds.height}; }
    int ClientWidth() const { return m_bounds.width; }
    int ClientHeight() const { return m_bounds.height; }
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);

    // ---- State ----
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Visible with every parent up to a shown form.
    bool showing() const;
    // Enabled with every parent.
    bool enabledWithParents() const;

    // ---- Appearance ----
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont& font) { m_font->assign(font); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool value);
    // The window text: a caption for labels and buttons, the text of edits.
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return m_caption; }
    void SetText(const std::string& text) { SetCaption(text); }

    // ---- Z-order ----
    void BringToFront();
    void SendToBack();
    virtual bool isWindowed() const { return false; }
    bool containsControl(const Control* control) const;  // itself or a descendant

    // ---- Coordinates ----
    Form* parentForm() const;           // the top-level form, or null
    drawing::Point formOrigin() const;  // the control's (0, 0) in form coordinates
    drawing::Rect formRect() const {
        return BoundsRect().translated(formOrigin().x - Left(), formOrigin().y - Top());
    }
    drawing::Point toForm(drawing::Point p) const;
    drawing::Point fromForm(drawing::Point p) const;
    drawing::Point clientToScreen(drawing::Point p) const;

    // ---- Shape ----
    // Restricts painting and hit testing to a region (in control coordinates);
    // nothing restores the rectangle.
    void setWindowRegion(std::optional<Region> region);
    const std::optional<Region>& windowRegion() const { return m_region; }
    // True when the point (control coordinates) lies on the control.
    virtual bool hitTest(drawing::Point p) const;

    // ---- Painting ----
    void invalidate();
    void invalidate(const drawing::Rect& r);  // in control coordinates
    // Paints every pending dirty area of the form now.
    void update();
    void repaintNow() {
        invalidate();
        update();
    }
    // Paints the parent's background and the parent's graphic controls into this
    // control's part of the surface, for controls that are transparent.
    void paintParentBackground(const PaintSurface& surface) const;
    // The pixels already painted under an area of this control (control coordinates).
    drawing::Bitmap readBackPixels(const drawing::Rect& area) const;
    // The surface a control paints with; used by the form's painter.
    virtual void paint(const PaintSurface& surface);

    // ---- Input ----
    bool wantsDoubleClicks() const { return m_doubleClicks; }
    void setWantsDoubleClicks(bool value) { m_doubleClicks = value; }
    // Controls with click events get click() when a left press and release
    // happen on them; controls with their own click rules turn this off.
    bool clickEvents() const { return m_clickEvents; }
    void setClickEvents(bool value) { m_clickEvents = value; }
    bool mouseInside() const { return m_mouseInside; }
    bool mouseCaptured() const;

    virtual void mouseDown(const MouseArgs& args);
    virtual void mouseMove(const MouseArgs& args);
    virtual void mouseUp(const MouseArgs& args);
    virtual void mouseEnter();
    virtual void mouseLeave();
    // True when handled; otherwise the wheel goes on to the parent.
    virtual bool mouseWheel(int delta, TShiftState shift, drawing::Point pos);
    virtual void click();
    virtual void dblClick();
    // A dialog key (Enter, Escape, Ctrl+Tab, ...) that the focused control did not
    // take, offered to every control; true consumes it.
    virtual bool dialogKey(int key, TShiftState shift);
    // A mnemonic character (with Alt, or alone when the focused control does not
    // take characters); true consumes it.
    virtual bool dialogChar(char32_t ch, TShiftState shift);
    // True when ch is the character that follows "&" in the caption ("&&" is a plain "&").
    static bool isAccel(char32_t ch, const std::string& caption);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    // The control became visible on screen (its form shown, it or a parent made
    // visible) or stopped being so. Pages use it for their show events.
    virtual void showingChanged(bool showing);
    void notifyShowingChanged(bool showing);

    // ---- Internal: called by the form ----
    void dispatchMouseDown(const MouseArgs& args);
    void dispatchMouseUp(const MouseArgs& args);
    void setMouseInside(bool inside);

protected:
    // Hooks for subclasses; each is called after the value has changed.
    virtual void fontChanged();
    virtual void colorChanged();
    virtual void enabledChanged();
    virtual void visibleChanged();
    virtual void boundsChanged(const drawing::Rect& old);
    virtual void textChanged();
    virtual void parentChanged();

    // The parent's font or colour changed; followers take it over.
    virtual void parentFontChanged();
    virtual void parentColorChanged();

    void Loaded() override;

private:
    friend class WinControl;
    void invalidateFormRect(const drawing::Rect& formRect) const;
    void applyShowHint(bool value);

    WinControl* m_parent = nullptr;
    drawing::Rect m_bounds{0, 0, 0, 0};
    TAlign m_align = alNone;
    bool m_visible = true;
    bool m_enabled = true;
    std::unique_ptr<TFont> m_font;
    bool m_parentFont = true;
    bool m_updatingFont = false;
    TColor m_color = clBtnFace;
    bool m_parentColor = false;
    TCursor m_cursor = crDefault;
    std::string m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    std::string m_caption;
    std::optional<Region> m_region;
    bool m_doubleClicks = false;
    bool m_clickEvents = true;
    bool m_clickPending = false;
    bool m_mouseInside = false;
};

// A control without a window of its own, painted by its parent.
class GraphicControl : public Control {
    SK_PERSISTENT_CLASS
public:
    explicit GraphicControl(Component* owner = nullptr) : Control(owner) {}
};

}  // namespace sk::ui

// Windowed controls: controls that hold children, take the keyboard focus and
// receive keys. A CustomControl is a windowed control that paints itself.
#pragma once

#include <vector>

#include "ui/Control.h"

namespace sk::ui {

// Keys that a focused control handles itself instead of leaving them to the form.
enum WantedKeys : unsigned {
    WantArrows = 1,  // Left, Right, Up, Down (otherwise they move the focus)
    WantTab = 2,     // Tab (otherwise it moves the focus)
    WantReturn = 4,  // Enter (otherwise it goes to the default button)
    WantEscape = 8,  // Escape (otherwise it goes to the cancel button)
    WantChars = 16,  // typed characters (otherwise they are mnemonics)
    WantAllKeys = 31,
};

using TKeyEvent = std::function<void(Component* sender, int& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(Component* sender, char32_t& key)>;

class WinControl : public Control {
    SK_PERSISTENT_CLASS
public:
    explicit WinControl(Component* owner = nullptr);
    ~WinControl() override;

    bool isWindowed() const override { return true; }

    // ---- Children ----
    // All children in insertion order; paint and hit-test order puts the graphic
    // ones below the windowed ones (see paintOrder()).
    const std::vector<Control*>& children() const { return m_children; }
    int ControlCount() const { return static_cast<int>(m_children.size()); }
    Control* Controls(int index) const { return m_children.at(static_cast<std::size_t>(index)); }
    std::vector<Control*> paintOrder() const;
    // The topmost visible, enabled child (or deeper) at a point of this control.
    Control* controlAt(drawing::Point p, bool includeDisabled = false) const;

    // ---- Alignment ----
    // The area that aligned children fill (a framed container makes it smaller).
    virtual drawing::Rect alignRect() const { return ClientRect(); }
    void realign();

    // ---- Focus ----
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int order);
    bool Focused() const;
    bool containsFocus() const;
    // Whether the control can take the focus now: visible, enabled, on a shown form.
    virtual bool canFocus() const;
    void SetFocus();
    // This control's windowed children in tab order.
    std::vector<WinControl*> tabList() const;
    // Every windowed descendant, each parent before its children, children in tab order.
    std::vector<WinControl*> tabOrderList() const;
    // The control after (or before) the given one in tab order among the descendants.
    WinControl* findNextControl(WinControl* current, bool forward, bool checkTabStop, bool checkParent) const;
    // Moves the focus to the next control; false when there is none.
    bool selectNext(WinControl* current, bool forward, bool checkTabStop);

    // ---- Keys ----
    virtual unsigned wantedKeys() const { return 0; }
    virtual void keyDown(int& key, TShiftState shift);
    virtual void keyUp(int& key, TShiftState shift);
    // Committed text (UTF-8), one call per character, after OnKeyPress.
    virtual void keyPress(char32_t& ch);
    virtual void focusEnter();
    virtual void focusExit();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // ---- Painting ----
    // Fills the control with its colour (clNone: nothing), as a window erases
    // its background. Custom controls override it.
    void paint(const PaintSurface& surface) override;
    // Painted after the children, with per-pixel alpha; takes no mouse input.
    virtual void paintOverlay(const PaintSurface& surface);
    bool hasOverlay() const { return m_hasOverlay; }
    void setHasOverlay(bool value) { m_hasOverlay = value; }

    // ---- Internal ----
    void insertChild(Control* child);
    void removeChild(Control* child);
    void moveChild(Control* child, bool toFront);
    bool dialogKeyToChildren(int key, TShiftState shift);
    bool dialogCharToChildren(char32_t ch, TShiftState shift);

protected:
    void boundsChanged(const drawing::Rect& old) override;
    void fontChanged() override;
    void colorChanged() override;
    void Loaded() override;
    // A child joined or left.
    virtual void childrenChanged() {}

private:
    std::vector<Control*> m_children;
    std::vector<WinControl*> m_tabList;
    bool m_tabStop = false;
    int m_loadedTabOrder = -1;
    bool m_hasOverlay = false;
    bool m_aligning = false;
};

// A windowed control that paints itself.
class CustomControl : public WinControl {
    SK_PERSISTENT_CLASS
public:
    explicit CustomControl(Component* owner = nullptr) : WinControl(owner) {}
};

}  // namespace sk::ui

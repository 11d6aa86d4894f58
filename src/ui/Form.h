// A form: a top-level window with its controls. It owns the window's back
// buffer, collects dirty areas and paints them after the current event, routes
// mouse and keyboard input to its controls (hit testing, capture, enter and
// leave, cursor, wheel, focus, Tab order, arrow navigation, dialog keys and
// mnemonics), and keeps the table of named handlers that form descriptions
// bind to events.
#pragma once

#include <any>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/NativeWindow.h"
#include "ui/HintWindow.h"
#include "ui/WinControl.h"

namespace sk::ui {

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

class Form : public WinControl {
    SK_PERSISTENT_CLASS
public:
    explicit Form(Component* owner = nullptr);
    ~Form() override;

    // ---- Window ----
    // The caption is the window title.
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientWidth(int w) { SetWidth(w); }
    void SetClientHeight(int h) { SetHeight(h); }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style) { m_borderStyle = style; }
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    int PixelsPerInch() const { return 96; }
    void SetPixelsPerInch(int) {}
    int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int h) { m_textHeight = h; }

    // The window icon in several sizes (applied when the window exists).
    void setIcon(std::vector<drawing::Bitmap> sizes);
    void show();
    void hide();
    // Asks to close (as the close box does): OnCloseQuery may refuse.
    void close();
    bool isShown() const { return m_shown; }
    platform::NativeWindow* nativeWindow() const { return m_window.get(); }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    std::function<void(Component* sender, bool& canClose)> OnCloseQuery;

    // ---- Handlers for form descriptions ----
    // A handler is an std::function of exactly the event's type, e.g.
    // registerHandler("AdvTrackBar1Change", TNotifyEvent([this](Component*) {...})).
    void registerHandler(const std::string& name, std::any handler);
    const std::any* findHandler(const std::string& name) const;

    // Reads a form description (YAML text) into this form: creates the
    // components, applies the values while loading, runs every Loaded step in
    // creation order, then OnCreate. sourceName names the text in error messages.
    void loadDescription(const std::string& text, const std::string& sourceName);
    // The same for an embedded resource ("forms/TForm1.yaml").
    void loadResource(const std::string& resourceName);
    // Runs the create handler; the reader calls it after loading.
    void doCreate();

    // The component of the given name owned by this form, as T; throws when it is
    // missing or of another class.
    template <class T>
    T* field(const std::string& name) const {
        auto* c = dynamic_cast<T*>(findComponent(name));
        if (!c) throw std::runtime_error("The form has no component " + name + " of the expected class");
        return c;
    }

    // ---- Focus ----
    WinControl* ActiveControl() const { return m_activeControl; }
    // Moves the focus (OnExit of the old control, then OnEnter of the new one).
    void SetActiveControl(WinControl* control);
    bool active() const { return m_active; }

    // ---- Painting ----
    const drawing::Bitmap& backBuffer() const { return m_buffer; }
    void invalidateArea(const drawing::Rect& formRect);
    bool hasDirtyAreas() const { return !m_dirty.empty(); }
    // Paints the dirty areas into the back buffer and presents them.
    void paintPending();
    // Paints one area of the form into the buffer (for reading back and benchmarks).
    void paintArea(const drawing::Rect& formRect);
    // Paints the parent's background and graphic children into an area (for transparent children).
    void paintBackgroundOf(const Control& child, const PaintSurface& surface) const;
    // Counts paint() calls of controls, for tests of what gets repainted.
    std::size_t paintCount() const { return m_paintCount; }

    // ---- Mouse state ----
    Control* captureControl() const { return m_capture; }
    void setCaptureControl(Control* control);
    Control* hoverControl() const { return m_hover; }

    // ---- Hints ----
    // The hint of a control with ShowHint appears after the pointer has rested
    // on it for hintPauseMs and goes after hintHidePauseMs, or at a press or key.
    static constexpr int hintPauseMs = 500;
    static constexpr int hintHidePauseMs = 2500;
    HintWindow* hintWindow() const { return m_hint.get(); }
    void cancelHint();

    // ---- Internal ----
    void controlRemoved(Control* control);
    void controlHidden(Control* control);
    void updateCursor();

    // Input from the window (the platform calls these through the form's window client).
    void handleMouseDown(const platform::MouseEvent& event);
    void handleMouseUp(const platform::MouseEvent& event);
    void handleMouseMove(const platform::MouseEvent& event);
    void handleMouseLeave();
    void handleMouseWheel(const platform::WheelEvent& event);
    void handleKeyDown(const platform::KeyEvent& event);
    void handleKeyUp(const platform::KeyEvent& event);
    void handleTextInput(const std::string& utf8);
    void handleActiveChanged(bool active);
    bool handleCloseRequested();

    // Form-level key handling for keys that the focused control did not take.
    bool formDialogKey(int key, TShiftState shift);

protected:
    void boundsChanged(const drawing::Rect& old) override;
    void textChanged() override;
    void visibleChanged() override;

private:
    void ensureWindow();
    void paintControl(Control& control, const drawing::Rect& clip, bool withChildren);
    void reportPaintFailure(const Control& control, const std::exception& failure);
    void updateHover(drawing::Point formPoint);
    void afterEvent();

    class Client;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<platform::NativeWindow> m_window;
    std::unique_ptr<HintWindow> m_hint;
    std::vector<drawing::Bitmap> m_icon;
    platform::TimerId m_hintTimer = 0;
    Control* m_hintControl = nullptr;
    void startHint();
    void showHint();
    drawing::Bitmap m_buffer;
    std::vector<drawing::Rect> m_dirty;
    std::map<std::string, std::any> m_handlers;
    WinControl* m_activeControl = nullptr;
    Control* m_capture = nullptr;
    Control* m_hover = nullptr;
    MouseButton m_pressedButton = MouseButton::Left;
    std::unordered_set<const Control*> m_paintFailuresReported;  // told once on standard error
    Control* m_lastPressControl = nullptr;
    drawing::Point m_lastMouse{-1, -1};
    TBorderStyle m_borderStyle = bsSizeable;
    TPosition m_position = poDefaultPosOnly;
    int m_textHeight = 13;
    bool m_shown = false;
    bool m_active = false;
    bool m_painting = false;
    std::size_t m_paintCount = 0;
};

}  // namespace sk::ui

// One window of the GTK backend: a GtkWindow holding a drawing area that
// takes all input and shows the framework's back buffer. A main window is a
// normal top-level window; a popup is an override-redirect window that stays
// on top, never takes the focus, and casts a soft shadow where a compositor
// can show transparency.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/NativeWindow.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _GtkWindow GtkWindow;
typedef struct _GtkIMContext GtkIMContext;
typedef struct _cairo cairo_t;
typedef union _GdkEvent GdkEvent;
typedef struct _GdkEventButton GdkEventButton;
typedef struct _GdkEventMotion GdkEventMotion;
typedef struct _GdkEventCrossing GdkEventCrossing;
typedef struct _GdkEventScroll GdkEventScroll;
typedef struct _GdkEventKey GdkEventKey;
typedef struct _GdkEventFocus GdkEventFocus;

namespace sk::platform {

class GtkPlatform;

class GtkNativeWindow : public NativeWindow {
public:
    GtkNativeWindow(GtkPlatform* platform, const WindowOptions& options);
    ~GtkNativeWindow() override;
    GtkNativeWindow(const GtkNativeWindow&) = delete;
    GtkNativeWindow& operator=(const GtkNativeWindow&) = delete;

    void setClient(WindowClient* client) override;
    void setTitle(const std::string& title) override;
    void setClientSize(drawing::Size size) override;
    drawing::Size clientSize() const override;
    void setPosition(drawing::Point screenTopLeft) override;
    void setIcon(const std::vector<drawing::Bitmap>& sizes) override;
    void show() override;
    void hide() override;
    bool visible() const override;
    void present(const drawing::Bitmap& backBuffer, const drawing::Rect& area) override;
    void setCursor(CursorShape shape) override;
    void captureMouse(bool capture) override;
    void setTextInputPosition(const drawing::Rect& caret) override;
    drawing::Point clientToScreen(drawing::Point clientPoint) const override;

    WindowKind kind() const { return m_options.kind; }
    GtkWindow* gtkWindow() const;
    // The X11 window id of the top-level window once shown (0 before, or on another display system).
    std::uint64_t x11WindowId() const;
    // True for a popup drawn with a transparent shadow margin (a compositor is running).
    bool hasShadow() const { return m_shadow > 0; }
    void detachFromPlatform() { m_platform = nullptr; }
    // The busy cursor over the whole window while the program waits, or the
    // window's own cursor again.
    void showBusy(bool busy);

private:
    // Signal handlers; the static trampolines in the source file call these.
    friend struct GtkNativeWindowSignals;
    bool onDraw(cairo_t* cr);
    void onRealize();
    bool onButtonPress(const GdkEventButton* event);
    bool onButtonRelease(const GdkEventButton* event);
    bool onMotion(const GdkEventMotion* event);
    bool onCrossing(const GdkEventCrossing* event);
    bool onScroll(const GdkEventScroll* event);
    bool onKeyPress(GdkEventKey* event);
    bool onKeyRelease(GdkEventKey* event);
    bool onFocus(bool in);
    bool onDelete();
    void onCommit(const char* text);
    void onGrabBroken();

    bool insideClient(drawing::Point p) const;
    void sendLeaveIfOutside(drawing::Point pointer);
    void applyCursor();
    void releaseGrab();

    GtkPlatform* m_platform;
    WindowOptions m_options;
    WindowClient* m_client = nullptr;
    GtkWidget* m_window = nullptr;
    GtkWidget* m_area = nullptr;
    GtkIMContext* m_im = nullptr;
    drawing::Size m_clientSize;
    int m_shadow = 0;  // width of the popup's shadow margin at right and bottom
    const drawing::Bitmap* m_buffer = nullptr;
    bool m_shownOnce = false;
    CursorShape m_cursor = CursorShape::Arrow;
    bool m_busy = false;
    bool m_captured = false;
    bool m_grabbed = false;  // an explicit pointer grab of ours (capture without a held button)
    bool m_pointerInside = false;
    unsigned m_heldButtons = 0;
    // Keys whose keyDown went out, by hardware key code, so that each gets its keyUp.
    std::map<unsigned, int> m_keysDown;
    bool m_inKeyPress = false;
    std::string m_committed;  // text the input method committed during the current key press
    // Expires with the window, so that a handler can tell whether the client destroyed it.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace sk::platform

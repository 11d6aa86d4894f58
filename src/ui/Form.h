// A form: a top-level window with its controls. It keeps the window's life
// (caption, icon, border, position, show, hide, close), the table of named
// handlers that form descriptions bind to events, and the keyboard focus. Its
// painting lives in a FormPainter and the routing of its input in an
// InputRouter; the form's window client hands the window's events to them.
#pragma once

#include <any>
#include <cstddef>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/NativeWindow.h"
#include "ui/FormPainter.h"
#include "ui/InputRouter.h"
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
    // The result a button hands its form when clicked (0: none). The window is
    // never shown modally, so a result is kept and closes nothing.
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int value) { m_modalResult = value; }
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

    // ---- Painting and input ----
    FormPainter& painter() { return m_painter; }
    InputRouter& input() { return m_input; }
    // The painter's most used calls, for the many callers that paint a form and read its pixels.
    const drawing::Bitmap& backBuffer() const { return m_painter.backBuffer(); }
    bool hasDirtyAreas() const { return m_painter.hasDirtyAreas(); }
    void paintPending() { m_painter.paintPending(); }
    void paintArea(const drawing::Rect& formRect) { m_painter.paintArea(formRect); }
    std::size_t paintCount() const { return m_painter.paintCount(); }

    // ---- Internal: the form's controls change ----
    void controlRemoved(Control* control);
    void controlHidden(Control* control);

protected:
    void boundsChanged(const drawing::Rect& old) override;
    void textChanged() override;
    void visibleChanged() override;

private:
    void ensureWindow();
    void activeChanged(bool active);
    bool closeRequested();

    // The painter and the router come first: the window client refers to the router.
    FormPainter m_painter{*this};
    InputRouter m_input{*this};
    class Client;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<platform::NativeWindow> m_window;
    std::vector<drawing::Bitmap> m_icon;
    std::map<std::string, std::any> m_handlers;
    WinControl* m_activeControl = nullptr;
    TBorderStyle m_borderStyle = bsSizeable;
    TPosition m_position = poDefaultPosOnly;
    int m_textHeight = 13;
    int m_modalResult = 0;
    bool m_shown = false;
    bool m_active = false;
};

}  // namespace sk::ui

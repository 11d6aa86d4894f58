// Forms: the top-level window, its handlers, focus and window client.
#include "ui/Form.h"

#include <stdexcept>

#include "platform/EmbeddedResources.h"
#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/FormReader.h"

namespace sk::ui {

namespace {
const EnumNames kBorderStyleNames{
    "TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumNames kPositionNames{
    "TPosition",
    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
     "poMainFormCenter", "poOwnerFormCenter"}};
}  // namespace

// Passes the window's input to the form's input router, and its activation
// and close box to the form.
class Form::Client : public platform::WindowClient {
public:
    explicit Client(Form& form) : m_form(form), m_input(form.m_input) {}
    void mouseDown(const platform::MouseEvent& e) override { m_input.mouseDown(e); }
    void mouseUp(const platform::MouseEvent& e) override { m_input.mouseUp(e); }
    void mouseMove(const platform::MouseEvent& e) override { m_input.mouseMove(e); }
    void mouseLeave() override { m_input.mouseLeave(); }
    void mouseWheel(const platform::WheelEvent& e) override { m_input.mouseWheel(e); }
    void keyDown(const platform::KeyEvent& e) override { m_input.keyDown(e); }
    void keyUp(const platform::KeyEvent& e) override { m_input.keyUp(e); }
    void textInput(const std::string& utf8) override { m_input.textInput(utf8); }
    void activeChanged(bool active) override { m_form.activeChanged(active); }
    bool closeRequested() override { return m_form.closeRequested(); }
    void lostCapture() override { m_input.setCaptureControl(nullptr); }

private:
    Form& m_form;
    InputRouter& m_input;
};

const ClassInfo& Form::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<Form>("TForm", &WinControl::staticClassInfo())
            .enumeration("BorderStyle", &Form::BorderStyle, &Form::SetBorderStyle, bsSizeable,
                         kBorderStyleNames)
            .string("Caption", &Form::Caption, &Form::SetCaption)
            .integer("ClientHeight", &Form::ClientHeight, &Form::SetClientHeight, {})
            .integer("ClientWidth", &Form::ClientWidth, &Form::SetClientWidth, {})
            .enumeration("Position", &Form::Position, &Form::SetPosition, poDefaultPosOnly, kPositionNames)
            .integer("PixelsPerInch", &Form::PixelsPerInch, &Form::SetPixelsPerInch, 96LL)
            .integer("TextHeight", &Form::TextHeight, &Form::SetTextHeight, 13LL)
            .event("OnCreate", &Form::OnCreate)
            .event("OnShow", &Form::OnShow)
            .event("OnHide", &Form::OnHide)
            .event("OnDestroy", &Form::OnDestroy)
            .event("OnCloseQuery", &Form::OnCloseQuery)
            .changeDefault("Visible", false)
            .changeDefault("ParentFont", false)
            .build();
    return info;
}
const ClassInfo& Form::classInfo() const {
    return staticClassInfo();
}

Form::Form(Component* owner) : WinControl(owner), m_client(std::make_unique<Client>(*this)) {
    SetVisible(false);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    Application::instance().addForm(this);
}

Form::~Form() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            // A form being destroyed has nobody left to report to.
        }
    }
    // Children and owned components go first, while the form is still whole.
    m_activeControl = nullptr;
    m_input.forgetControls();
    while (!children().empty()) delete children().back();
    destroyComponents();
    Application::instance().removeForm(this);
    if (m_window) {
        m_window->setClient(nullptr);
        m_window.reset();
    }
}

// ---- Window ----------------------------------------------------------------

void Form::ensureWindow() {
    if (m_window) return;
    platform::WindowOptions options;
    options.kind = platform::WindowKind::Main;
    options.title = Caption();
    options.clientSize = {Width(), Height()};
    options.resizable = m_borderStyle == bsSizeable || m_borderStyle == bsSizeToolWin;
    options.centred = m_position == poScreenCenter || m_position == poDesktopCenter ||
                      m_position == poMainFormCenter || m_position == poOwnerFormCenter;
    options.position = {Left(), Top()};
    m_window = platform::currentPlatform().createWindow(options);
    m_window->setClient(m_client.get());
    if (!m_icon.empty()) m_window->setIcon(m_icon);
}

void Form::setIcon(std::vector<drawing::Bitmap> sizes) {
    m_icon = std::move(sizes);
    if (m_window) m_window->setIcon(m_icon);
}

void Form::show() {
    if (m_shown) return;
    ensureWindow();
    m_shown = true;
    m_painter.renewBuffer();
    WinControl::SetVisible(true);
    if (OnShow) OnShow(this);
    for (Control* child : std::vector<Control*>(children())) child->notifyShowingChanged(true);
    m_window->show();
    paintPending();
}

void Form::hide() {
    if (!m_shown) return;
    m_input.cancelHint();
    SetActiveControl(nullptr);
    m_input.setCaptureControl(nullptr);
    for (Control* child : std::vector<Control*>(children())) child->notifyShowingChanged(false);
    m_shown = false;
    WinControl::SetVisible(false);
    m_painter.discardDirtyAreas();
    if (m_window) m_window->hide();
    if (OnHide) OnHide(this);
}

void Form::close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    hide();
    Application::instance().formClosed(this);
}

void Form::visibleChanged() {
    WinControl::visibleChanged();
    if (Visible() && !m_shown && !loading())
        show();
    else if (!Visible() && m_shown)
        hide();
}

void Form::boundsChanged(const drawing::Rect& old) {
    WinControl::boundsChanged(old);
    if (old.width == Width() && old.height == Height()) return;
    if (m_window) m_window->setClientSize({Width(), Height()});
    if (m_shown) m_painter.renewBuffer();
}

void Form::textChanged() {
    if (m_window) m_window->setTitle(Caption());
}

// ---- Handlers and descriptions ---------------------------------------------

void Form::registerHandler(const std::string& name, std::any handler) {
    m_handlers[name] = std::move(handler);
}

const std::any* Form::findHandler(const std::string& name) const {
    auto it = m_handlers.find(name);
    return it == m_handlers.end() ? nullptr : &it->second;
}

void Form::loadDescription(const std::string& text, const std::string& sourceName) {
    FormReader reader(*this, sourceName);
    reader.read(text);
}

void Form::loadResource(const std::string& resourceName) {
    auto bytes = platform::findResource(resourceName);
    if (!bytes) throw std::runtime_error("Resource " + resourceName + " not found");
    loadDescription(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()), resourceName);
}

void Form::doCreate() {
    if (OnCreate) Application::instance().runEvent([this] { OnCreate(this); });
}

// ---- Focus -----------------------------------------------------------------

void Form::SetActiveControl(WinControl* control) {
    if (control == m_activeControl) return;
    if (control && (control == this || !control->canFocus())) return;
    WinControl* old = m_activeControl;
    m_activeControl = nullptr;
    if (old) {
        old->invalidate();
        old->focusExit();
    }
    // An OnExit handler may have moved the focus already.
    if (m_activeControl) return;
    m_activeControl = control;
    if (control) {
        control->invalidate();
        control->focusEnter();
    }
}

// ---- Window client ----------------------------------------------------------

void Form::activeChanged(bool active) {
    Application::instance().runEvent([&] {
        m_active = active;
        if (m_activeControl) m_activeControl->invalidate();
    });
}

bool Form::closeRequested() {
    Application::instance().runEvent([&] { close(); });
    return false;  // the form has hidden its window itself when it closed
}

// ---- The form's controls change ---------------------------------------------

void Form::controlRemoved(Control* control) {
    if (control->Visible() && m_shown) control->invalidate();
    if (control->containsControl(m_activeControl)) m_activeControl = nullptr;
    m_input.controlRemoved(control);
    m_painter.controlRemoved(control);
}

void Form::controlHidden(Control* control) {
    if (control->containsControl(m_activeControl)) SetActiveControl(nullptr);
    m_input.controlHidden(control);
}

}  // namespace sk::ui

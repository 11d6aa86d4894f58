// Forms: the top-level window, its back buffer and the routing of input.
#include "ui/Form.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "platform/EmbeddedResources.h"
#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/FormReader.h"
#include "ui/Utf8.h"

namespace sk::ui {

namespace {
const EnumNames kBorderStyleNames{
    "TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumNames kPositionNames{
    "TPosition",
    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
     "poMainFormCenter", "poOwnerFormCenter"}};

bool inSubtree(const Control* control, const Control* root) {
    for (const Control* c = control; c; c = c->Parent())
        if (c == root) return true;
    return false;
}

platform::CursorShape cursorShape(TCursor cursor) {
    switch (cursor) {
        case crHandPoint:
            return platform::CursorShape::Hand;
        case crIBeam:
            return platform::CursorShape::IBeam;
        case crSizeWE:
            return platform::CursorShape::SizeWE;
        case crSizeNS:
            return platform::CursorShape::SizeNS;
        case crHourGlass:
            return platform::CursorShape::Wait;
        default:
            return platform::CursorShape::Arrow;
    }
}

}  // namespace

// Passes the window's input to the form.
class Form::Client : public platform::WindowClient {
public:
    explicit Client(Form& form) : m_form(form) {}
    void mouseDown(const platform::MouseEvent& e) override { m_form.handleMouseDown(e); }
    void mouseUp(const platform::MouseEvent& e) override { m_form.handleMouseUp(e); }
    void mouseMove(const platform::MouseEvent& e) override { m_form.handleMouseMove(e); }
    void mouseLeave() override { m_form.handleMouseLeave(); }
    void mouseWheel(const platform::WheelEvent& e) override { m_form.handleMouseWheel(e); }
    void keyDown(const platform::KeyEvent& e) override { m_form.handleKeyDown(e); }
    void keyUp(const platform::KeyEvent& e) override { m_form.handleKeyUp(e); }
    void textInput(const std::string& utf8) override { m_form.handleTextInput(utf8); }
    void activeChanged(bool active) override { m_form.handleActiveChanged(active); }
    bool closeRequested() override { return m_form.handleCloseRequested(); }
    void lostCapture() override { m_form.setCaptureControl(nullptr); }

private:
    Form& m_form;
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
    m_capture = m_hover = m_lastPressControl = m_hintControl = nullptr;
    m_hint.reset();
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
    m_buffer = drawing::Bitmap(std::max(1, Width()), std::max(1, Height()));
    m_shown = true;
    WinControl::SetVisible(true);
    invalidateArea({0, 0, Width(), Height()});
    if (OnShow) OnShow(this);
    for (Control* child : std::vector<Control*>(children())) child->notifyShowingChanged(true);
    m_window->show();
    paintPending();
}

void Form::hide() {
    if (!m_shown) return;
    cancelHint();
    SetActiveControl(nullptr);
    setCaptureControl(nullptr);
    for (Control* child : std::vector<Control*>(children())) child->notifyShowingChanged(false);
    m_shown = false;
    WinControl::SetVisible(false);
    m_dirty.clear();
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
    if (m_shown) {
        m_buffer = drawing::Bitmap(std::max(1, Width()), std::max(1, Height()));
        invalidateArea({0, 0, Width(), Height()});
    }
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

// ---- Painting --------------------------------------------------------------

void Form::invalidateArea(const drawing::Rect& formRect) {
    if (!m_shown) return;
    drawing::Rect r = formRect.intersected({0, 0, Width(), Height()});
    if (r.empty()) return;
    // Overlapping areas merge, so that no pixel is painted twice.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = m_dirty.begin(); it != m_dirty.end(); ++it) {
            if (!it->intersected(r).empty()) {
                r = r.united(*it);
                m_dirty.erase(it);
                merged = true;
                break;
            }
        }
    }
    m_dirty.push_back(r);
    if (m_dirty.size() > 16) {
        drawing::Rect all;
        for (const auto& d : m_dirty) all = all.united(d);
        m_dirty.assign(1, all);
    }
}

void Form::paintPending() {
    if (!m_shown || m_painting || m_dirty.empty()) return;
    m_painting = true;
    const std::vector<drawing::Rect> areas = std::move(m_dirty);
    m_dirty.clear();
    for (const auto& area : areas) {
        paintArea(area);
        if (m_window) m_window->present(m_buffer, area);
    }
    m_painting = false;
}

void Form::paintArea(const drawing::Rect& formRect) {
    const drawing::Rect area = formRect.intersected({0, 0, m_buffer.width(), m_buffer.height()});
    if (area.empty()) return;
    paintControl(*this, area, true);
}

void Form::paintControl(Control& control, const drawing::Rect& clip, bool withChildren) {
    if (!control.Visible()) return;
    const drawing::Point origin = control.formOrigin();
    const drawing::Rect area =
        drawing::Rect{origin.x, origin.y, control.Width(), control.Height()}.intersected(clip);
    if (area.empty()) return;

    // A shaped control: what lies outside its region is put back afterwards.
    drawing::Bitmap saved;
    const auto& region = control.windowRegion();
    if (region) {
        saved = drawing::Bitmap(area.width, area.height);
        saved.copyFrom(m_buffer, area, {0, 0});
    }

    const PaintSurface surface{&m_buffer, origin, area};
    ++m_paintCount;
    try {
        control.paint(surface);
    } catch (const std::exception& e) {
        reportPaintFailure(control, e);
    }
    if (withChildren && control.isWindowed()) {
        auto& parent = static_cast<WinControl&>(control);
        for (Control* child : parent.paintOrder()) paintControl(*child, area, true);
    }

    if (region) {
        for (int y = area.top; y < area.bottom(); ++y) {
            int runStart = -1;
            for (int x = area.left; x <= area.right(); ++x) {
                const bool outside = x < area.right() && !region->contains({x - origin.x, y - origin.y});
                if (outside && runStart < 0) runStart = x;
                if (!outside && runStart >= 0) {
                    m_buffer.copyFrom(saved, {runStart - area.left, y - area.top, x - runStart, 1},
                                      {runStart, y});
                    runStart = -1;
                }
            }
        }
    }

    if (control.isWindowed() && static_cast<WinControl&>(control).hasOverlay()) {
        try {
            static_cast<WinControl&>(control).paintOverlay(surface);
        } catch (const std::exception& e) {
            reportPaintFailure(control, e);
        }
    }
}

void Form::reportPaintFailure(const Control& control, const std::exception& failure) {
    // Painting is not an event handler: a control that fails to paint leaves its
    // area as it was and the program goes on without a box per repaint, but the
    // failure is told once per control, for whoever reads the program's output.
    if (!m_paintFailuresReported.insert(&control).second) return;
    std::fprintf(stderr, "slidekiln: %s \"%s\" cannot paint: %s\n", control.classInfo().name().c_str(),
                 control.Name().c_str(), failure.what());
}

void Form::paintBackgroundOf(const Control& child, const PaintSurface& surface) const {
    WinControl* parent = child.Parent();
    if (!parent || !surface.target) return;
    const drawing::Point childOrigin = child.formOrigin();
    const drawing::Rect area =
        drawing::Rect{childOrigin.x, childOrigin.y, child.Width(), child.Height()}.intersected(surface.clip);
    if (area.empty()) return;
    auto* self = const_cast<Form*>(this);
    const PaintSurface parentSurface{surface.target, parent->formOrigin(), area};
    try {
        parent->paint(parentSurface);
    } catch (const std::exception& e) {
        self->reportPaintFailure(*parent, e);
    }
    // The parent's graphic controls that lie below the child.
    for (Control* sibling : parent->paintOrder()) {
        if (sibling == &child) break;
        if (sibling->isWindowed()) break;
        self->paintControl(*sibling, area, false);
    }
}

// ---- Mouse -----------------------------------------------------------------

void Form::setCaptureControl(Control* control) {
    if (control == m_capture) return;
    m_capture = control;
    if (m_window) m_window->captureMouse(control != nullptr);
}

void Form::updateHover(drawing::Point p) {
    Control* hit = nullptr;
    if (drawing::Rect{0, 0, Width(), Height()}.contains(p)) {
        hit = controlAt(p);
        if (!hit) hit = this;
    }
    if (hit == m_hover) return;
    Control* old = m_hover;
    m_hover = hit;
    if (old) old->setMouseInside(false);
    if (m_hover == hit && hit) hit->setMouseInside(true);
    startHint();
}

// ---- Hints -----------------------------------------------------------------

void Form::cancelHint() {
    if (m_hintTimer) stopTimer(m_hintTimer);
    m_hintTimer = 0;
    m_hintControl = nullptr;
    if (m_hint) m_hint->hide();
}

void Form::startHint() {
    cancelHint();
    Control* c = m_hover;
    if (!c || m_capture || !c->ShowHint() || c->Hint().empty()) return;
    m_hintControl = c;
    m_hintTimer = startTimer(hintPauseMs, [this] { showHint(); });
}

void Form::showHint() {
    if (m_hintTimer) stopTimer(m_hintTimer);
    m_hintTimer = 0;
    if (!m_hintControl || m_hintControl != m_hover) return;
    if (!m_hint) m_hint = std::make_unique<HintWindow>(m_window.get());
    const std::string text = m_hintControl->Hint();
    const drawing::Size size = m_hint->textSize(text);
    drawing::Point at = m_window ? m_window->clientToScreen(m_lastMouse) : m_lastMouse;
    drawing::Rect rect{at.x, at.y + 20, size.width + 8, size.height + 4};
    rect = HintWindow::keepInside(rect, platform::currentPlatform().workArea());
    m_hint->showAt(rect, text);
    m_hintTimer = startTimer(hintHidePauseMs, [this] { cancelHint(); });
}

void Form::updateCursor() {
    if (!m_window) return;
    Control* c = m_capture ? m_capture : m_hover;
    TCursor cursor = crDefault;
    for (; c && cursor == crDefault; c = c->Parent()) cursor = c->Cursor();
    m_window->setCursor(cursorShape(cursor));
}

void Form::handleMouseMove(const platform::MouseEvent& e) {
    Application::instance().runEvent([&] {
        m_lastMouse = e.position;
        updateHover(e.position);
        Control* target = m_capture ? m_capture : m_hover;
        if (target) {
            MouseArgs args{e.button, e.modifiers, target->fromForm(e.position), false};
            target->mouseMove(args);
        }
        updateCursor();
    });
}

void Form::handleMouseLeave() {
    Application::instance().runEvent([&] {
        if (m_capture) return;  // the captured control keeps following the pointer
        cancelHint();
        Control* old = m_hover;
        m_hover = nullptr;
        if (old) old->setMouseInside(false);
    });
}

void Form::handleMouseDown(const platform::MouseEvent& e) {
    Application::instance().runEvent([&] {
        cancelHint();
        updateHover(e.position);
        Control* target = m_capture ? m_capture : m_hover;
        if (!target) return;
        // The first button held captures the pointer until the last is let go.
        if ((e.buttons & ~platform::buttonMask(e.button)) == 0) setCaptureControl(target);
        const bool doubleClick = e.doubleClick && m_lastPressControl == target && m_pressedButton == e.button;
        m_lastPressControl = target;
        m_pressedButton = e.button;
        MouseArgs args{e.button, e.modifiers, target->fromForm(e.position), doubleClick};
        target->dispatchMouseDown(args);
        updateCursor();
    });
}

void Form::handleMouseUp(const platform::MouseEvent& e) {
    Application::instance().runEvent([&] {
        Control* target = m_capture ? m_capture : m_hover;
        if (e.buttons == platform::ButtonNone) setCaptureControl(nullptr);
        if (target) {
            MouseArgs args{e.button, e.modifiers, target->fromForm(e.position), false};
            target->dispatchMouseUp(args);
        }
        updateHover(e.position);
        updateCursor();
    });
}

void Form::handleMouseWheel(const platform::WheelEvent& e) {
    Application::instance().runEvent([&] {
        Control* c = m_activeControl ? static_cast<Control*>(m_activeControl) : this;
        for (; c; c = c->Parent())
            if (c->mouseWheel(e.delta, e.modifiers, c->fromForm(e.position))) return;
    });
}

// ---- Keyboard --------------------------------------------------------------

bool Form::formDialogKey(int key, TShiftState shift) {
    using namespace platform;
    if (!(shift & ModAlt)) {
        if (key == vk::Tab && !(shift & ModCtrl)) {
            selectNext(m_activeControl, !(shift & ModShift), true);
            return true;
        }
        if ((key == vk::Left || key == vk::Right || key == vk::Up || key == vk::Down) && !(shift & ModCtrl)) {
            if (m_activeControl && m_activeControl->Parent())
                m_activeControl->Parent()->selectNext(m_activeControl, key == vk::Right || key == vk::Down,
                                                      false);
            return true;
        }
    }
    if (dialogKey(key, shift)) return true;
    return dialogKeyToChildren(key, shift);
}

void Form::handleKeyDown(const platform::KeyEvent& e) {
    Application::instance().runEvent([&] {
        cancelHint();
        using namespace platform;
        int key = e.key;
        const TShiftState shift = e.modifiers;
        WinControl* target = m_activeControl ? m_activeControl : this;

        // Alt+character: the control whose caption marks it with "&". The layout's
        // character comes first (Alt+К in a Russian layout), then the key's Latin name.
        if ((shift & ModAlt) && !(shift & ModCtrl)) {
            if (e.character >= 0x20 && dialogCharToChildren(e.character, shift)) return;
            if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
                const char32_t ch =
                    key >= 'A' && key <= 'Z' ? static_cast<char32_t>(key + 32) : static_cast<char32_t>(key);
                if (ch != e.character && dialogCharToChildren(ch, shift)) return;
            }
        }
        if (key == 0) return;  // a character key without a code: nothing but mnemonics

        unsigned mask = 0;
        if (key == vk::Tab) mask = WantTab;
        if (key == vk::Left || key == vk::Right || key == vk::Up || key == vk::Down) mask = WantArrows;
        if (key == vk::Return) mask = WantReturn;
        if (key == vk::Escape) mask = WantEscape;
        if (mask && target != this && !(target->wantedKeys() & mask) && formDialogKey(key, shift)) return;
        if (mask && target == this && formDialogKey(key, shift)) return;

        target->keyDown(key, shift);
        // Keys with Ctrl or Alt that the focused control left: its ancestors get them.
        if (key != 0 && (shift & (ModCtrl | ModAlt)) && target != this) {
            for (WinControl* p = target->Parent(); p; p = p->Parent())
                if (p->dialogKey(key, shift)) return;
        }
    });
}

void Form::handleKeyUp(const platform::KeyEvent& e) {
    Application::instance().runEvent([&] {
        int key = e.key;
        WinControl* target = m_activeControl ? m_activeControl : this;
        target->keyUp(key, e.modifiers);
    });
}

void Form::handleTextInput(const std::string& utf8) {
    Application::instance().runEvent([&] {
        for (char32_t ch : decodeUtf8(utf8)) {
            if (ch < 0x20 || ch == 0x7F) continue;
            WinControl* target = m_activeControl ? m_activeControl : this;
            if (!(target->wantedKeys() & WantChars) && dialogCharToChildren(ch, 0)) continue;
            target->keyPress(ch);
        }
    });
}

void Form::handleActiveChanged(bool active) {
    Application::instance().runEvent([&] {
        m_active = active;
        if (m_activeControl) m_activeControl->invalidate();
    });
}

bool Form::handleCloseRequested() {
    Application::instance().runEvent([&] { close(); });
    return false;  // the form has hidden its window itself when it closed
}

// ---- Removal ---------------------------------------------------------------

void Form::controlRemoved(Control* control) {
    if (control->Visible() && m_shown) control->invalidate();
    if (inSubtree(m_activeControl, control)) m_activeControl = nullptr;
    if (inSubtree(m_capture, control)) setCaptureControl(nullptr);
    if (inSubtree(m_hover, control)) m_hover = nullptr;
    if (inSubtree(m_lastPressControl, control)) m_lastPressControl = nullptr;
    if (inSubtree(m_hintControl, control)) cancelHint();
    std::erase_if(m_paintFailuresReported, [&](const Control* c) { return inSubtree(c, control); });
}

void Form::controlHidden(Control* control) {
    if (inSubtree(m_activeControl, control)) SetActiveControl(nullptr);
    if (inSubtree(m_capture, control)) setCaptureControl(nullptr);
    if (inSubtree(m_hover, control)) {
        Control* old = m_hover;
        m_hover = nullptr;
        old->setMouseInside(false);
    }
}

}  // namespace sk::ui

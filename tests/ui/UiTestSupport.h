// Shared set-up of the framework tests: a headless platform installed as the
// current one, forms shown in memory windows, and small test controls that
// paint a flat colour and record what happens to them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace sk::ui::test {

class UiTest : public ::testing::Test {
protected:
    UiTest() {
        platform::setCurrentPlatform(&m_platform);
        Application::instance().SetTitle("Test");
    }
    ~UiTest() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }

    platform::HeadlessPlatform& headless() { return m_platform; }

    // A shown form of the given client size, colour white.
    Form& form(int width = 200, int height = 150) {
        if (!m_form) {
            m_form = std::make_unique<Form>();
            m_form->SetBounds(0, 0, width, height);
            m_form->SetColor(0xFFFFFF);
        }
        return *m_form;
    }
    void showForm() {
        form().show();
        Application::instance().paintPending();
    }
    platform::HeadlessWindow& window() {
        return *static_cast<platform::HeadlessWindow*>(form().nativeWindow());
    }
    std::uint32_t pixel(int x, int y) { return form().backBuffer().pixel(x, y); }
    std::uint32_t screenPixel(int x, int y) { return window().image().pixel(x, y); }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<Form> m_form;
};

// A log of events, shared by the probe controls of a test.
using EventLog = std::vector<std::string>;

// Paints its area in one ARGB colour and logs input.
template <class Base>
class Probe : public Base {
public:
    Probe(Component* owner, WinControl* parent, drawing::Rect bounds, std::uint32_t argb,
          EventLog* log = nullptr)
        : Base(owner), m_argb(argb), m_log(log) {
        this->SetParent(parent);
        this->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    }
    void paint(const PaintSurface& surface) override {
        ++paints;
        if (m_transparentPaint)
            this->paintParentBackground(surface);
        else
            surface.fillRect(this->ClientRect(), m_argb);
    }
    void setTransparentPaint(bool value) { m_transparentPaint = value; }
    void mouseDown(const MouseArgs& a) override {
        log("down " + std::to_string(a.pos.x) + "," + std::to_string(a.pos.y) +
            (a.doubleClick ? " double" : ""));
        Base::mouseDown(a);
    }
    void mouseUp(const MouseArgs& a) override {
        log("up " + std::to_string(a.pos.x) + "," + std::to_string(a.pos.y));
        Base::mouseUp(a);
    }
    void mouseMove(const MouseArgs& a) override {
        log("move " + std::to_string(a.pos.x) + "," + std::to_string(a.pos.y));
        Base::mouseMove(a);
    }
    void mouseEnter() override {
        log("enter");
        Base::mouseEnter();
    }
    void mouseLeave() override {
        log("leave");
        Base::mouseLeave();
    }
    void click() override {
        log("click");
        Base::click();
    }
    void dblClick() override {
        log("dblclick");
        Base::dblClick();
    }
    int paints = 0;

protected:
    void log(const std::string& what) {
        if (m_log) m_log->push_back(this->Name() + " " + what);
    }

private:
    std::uint32_t m_argb;
    EventLog* m_log;
    bool m_transparentPaint = false;
};

using GraphicProbe = Probe<GraphicControl>;

class WindowedProbe : public Probe<CustomControl> {
public:
    using Probe<CustomControl>::Probe;
    unsigned wanted = 0;
    unsigned wantedKeys() const override { return wanted; }
    void keyDown(int& key, TShiftState shift) override {
        log("key " + std::to_string(key));
        CustomControl::keyDown(key, shift);
    }
    void keyPress(char32_t& ch) override {
        log("char " + std::to_string(static_cast<int>(ch)));
        CustomControl::keyPress(ch);
    }
    void focusEnter() override {
        log("focus");
        CustomControl::focusEnter();
    }
    void focusExit() override {
        log("blur");
        CustomControl::focusExit();
    }
};

}  // namespace sk::ui::test

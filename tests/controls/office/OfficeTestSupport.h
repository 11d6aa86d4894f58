// Shared set-up of the office control tests: a headless platform installed as
// the current one and a shown form in a memory window, driven by injected input
// and the virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace sk::office::test {

class OfficeTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t kPageColor = 0xF2E9C4;  // as a window colour

    OfficeTest() {
        platform::setCurrentPlatform(&m_platform);
        ui::Application::instance().SetTitle("Slidekiln 3.1");
        m_form = std::make_unique<ui::Form>();
        m_form->SetBounds(0, 0, 400, 200);
        m_form->SetColor(kPageColor);
    }
    ~OfficeTest() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }

    platform::HeadlessPlatform& headless() { return m_platform; }
    ui::Form& form() { return *m_form; }
    void showForm() {
        m_form->show();
        ui::Application::instance().paintPending();
    }
    platform::HeadlessWindow& window() { return *static_cast<platform::HeadlessWindow*>(m_form->nativeWindow()); }
    const drawing::Bitmap& screen() { return m_form->backBuffer(); }
    // Advances the virtual clock and paints what the timers made dirty.
    void advance(std::uint64_t ms) {
        m_platform.advanceClock(ms);
        ui::Application::instance().paintPending();
    }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<ui::Form> m_form;
};

}  // namespace sk::office::test

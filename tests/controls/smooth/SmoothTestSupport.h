// Shared helpers of the smooth control tests: pictures made in memory as image
// file bytes, fills painted onto small bitmaps, and a shown headless form.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <memory_resource>
#include <vector>

#include "controls/smooth/GDIPFill.h"
#include "drawing/Bitmap.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace sk::smooth::test {

// The bytes of a PNG file of the bitmap.
std::vector<unsigned char> pngBytes(const drawing::Bitmap& bitmap);
// The bytes of a 24-bit BMP file of the bitmap (alpha dropped).
std::vector<unsigned char> bmpBytes(const drawing::Bitmap& bitmap);
// A bitmap of one colour, with an optional different pixel at (x, y).
drawing::Bitmap solidBitmap(int width, int height, std::uint32_t argb);

// Paints the fill into `rect` on a bitmap of the given size cleared to `background`.
drawing::Bitmap paintFill(const TGDIPFill& fill, int width, int height, const drawing::RectF& rect,
                          std::uint32_t background = 0xFFFFFFFF, drawing::RectF* content = nullptr);

// A memory resource that has no memory, installed as the smooth controls' image
// memory for as long as it lives.
class NoImageMemory : public std::pmr::memory_resource {
public:
    NoImageMemory();
    ~NoImageMemory() override;

private:
    void* do_allocate(std::size_t, std::size_t) override { throw std::bad_alloc(); }
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
};

// A headless platform and a shown form of the settings page's colour.
class SmoothFormTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t kPageColour = 0xF2E9C4;  // window colour
    static constexpr std::uint32_t kPageArgb = 0xFFC4E9F2;

    SmoothFormTest();
    ~SmoothFormTest() override;

    ui::Form& form() { return *m_form; }
    void showForm();
    void paintPending() { ui::Application::instance().paintPending(); }
    const drawing::Bitmap& screen() { return m_form->backBuffer(); }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<ui::Form> m_form;
};

}  // namespace sk::smooth::test

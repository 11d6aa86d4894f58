// Helpers of the smooth control tests.
#include "SmoothTestSupport.h"


#include "controls/smooth/ImageMemory.h"
#include "drawing/Graphics.h"

namespace sk::smooth::test {

// Made in memory: test programs run side by side and must not share a file.
std::vector<unsigned char> pngBytes(const drawing::Bitmap& bitmap) { return bitmap.pngBytes(); }

std::vector<unsigned char> bmpBytes(const drawing::Bitmap& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    const int rowBytes = (w * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * h), fileSize = 54 + imageSize;
    std::vector<unsigned char> out;
    auto u16 = [&](unsigned v) {
        out.push_back(static_cast<unsigned char>(v & 0xFF));
        out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    out.push_back('B');
    out.push_back('M');
    u32(fileSize);
    u32(0);
    u32(54);
    u32(40);
    u32(static_cast<std::uint32_t>(w));
    u32(static_cast<std::uint32_t>(h));
    u16(1);
    u16(24);
    u32(0);
    u32(imageSize);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (int y = h - 1; y >= 0; --y) {  // bottom-up rows
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = bitmap.pixel(x, y);
            out.push_back(static_cast<unsigned char>(p & 0xFF));
            out.push_back(static_cast<unsigned char>((p >> 8) & 0xFF));
            out.push_back(static_cast<unsigned char>((p >> 16) & 0xFF));
        }
        for (int pad = w * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

drawing::Bitmap solidBitmap(int width, int height, std::uint32_t argb) {
    drawing::Bitmap bitmap(width, height);
    bitmap.fill(argb);
    return bitmap;
}

drawing::Bitmap paintFill(const TGDIPFill& fill, int width, int height, const drawing::RectF& rect,
                          std::uint32_t background, drawing::RectF* content) {
    drawing::Bitmap bitmap = solidBitmap(width, height, background);
    drawing::Graphics g(bitmap);
    const drawing::RectF left = fill.PaintFill(g, rect);
    if (content) *content = left;
    return bitmap;
}

NoImageMemory::NoImageMemory() {
    setImageMemory(this);
}
NoImageMemory::~NoImageMemory() {
    setImageMemory(nullptr);
}

SmoothFormTest::SmoothFormTest() {
    platform::setCurrentPlatform(&m_platform);
    ui::Application::instance().SetTitle("Slidekiln 3.1");
    m_form = std::make_unique<ui::Form>();
    m_form->SetBounds(0, 0, 700, 460);
    m_form->SetColor(kPageColour);
}

SmoothFormTest::~SmoothFormTest() {
    m_form.reset();
    platform::setCurrentPlatform(nullptr);
}

void SmoothFormTest::showForm() {
    m_form->show();
    paintPending();
}

}  // namespace sk::smooth::test

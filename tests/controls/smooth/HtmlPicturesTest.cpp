// Pictures named by the markup: system icons through the platform, pictures
// fetched by address through the cache (once, drawn only when they have come,
// failures quiet), and the drawn result in both variants.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/smooth/HtmlPictureCache.h"
#include "controls/smooth/HtmlTextTestSupport.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"

namespace sk::smooth {
namespace {

using namespace testing;
using drawing::Rect;

constexpr std::uint32_t kOrange = 0xFFFF8000;

drawing::Bitmap solid(int w, int h, std::uint32_t argb) {
    drawing::Bitmap b(w, h);
    b.fill(argb);
    return b;
}

class HtmlPictures : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrentPlatform(&m_platform); }
    void TearDown() override { platform::setCurrentPlatform(nullptr); }
    platform::HeadlessPlatform m_platform;
};

TEST_F(HtmlPictures, SystemIconsComeFromThePlatformSmallOrLarge) {
    m_platform.setSystemIcon(".pdf", false, solid(16, 16, kOrange));
    m_platform.setSystemIcon(".pdf", true, solid(32, 32, kOrange));
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 40};
    const Rendered small = renderCanvas("<IMG src=\"SSYS:.pdf\">x", options, tahoma(-11), 200, 40);
    const Rendered large = renderGraphics("<IMG src=\"LSYS:.pdf\">x", options, tahoma(-11), 200, 40);
    EXPECT_EQ(countPixels(small.bitmap, {0, 0, 200, 40}, kOrange), 16 * 16);
    EXPECT_EQ(countPixels(large.bitmap, {0, 0, 200, 40}, kOrange), 32 * 32);
    EXPECT_EQ(small.result.height, 16);
    EXPECT_EQ(large.result.height, 32);
    const Rendered none = renderCanvas("<IMG src=\"SSYS:.unknown\">x", options, tahoma(-11), 200, 40);
    EXPECT_EQ(none.result.height, renderCanvas("x", options, tahoma(-11), 200, 40).result.height);
    EXPECT_EQ(m_platform.systemIconRequests().back(), ".unknown");
}

TEST_F(HtmlPictures, AnAddressIsFetchedOnceAndDrawnWhenItHasCome) {
    HtmlPictureCache cache;
    int arrivals = 0;
    cache.OnPictureArrived = [&] { ++arrivals; };
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 40};
    options.pictureCache = &cache;
    const char* markup = "<IMG src=\"http://example.org/logo.png\">x";

    const Rendered before = renderGraphics(markup, options, tahoma(-11), 200, 40);
    EXPECT_EQ(countPixels(before.bitmap, {0, 0, 200, 40}, kOrange), 0) << "nothing until it has come";
    renderCanvas(markup, options, tahoma(-11), 200, 40);
    ASSERT_EQ(m_platform.fetchedUrls().size(), 1u) << "fetched once";
    EXPECT_EQ(m_platform.fetchedUrls()[0], "http://example.org/logo.png") << "the address keeps its case";

    m_platform.completeFetch(0, solid(10, 12, kOrange).pngBytes());
    EXPECT_EQ(arrivals, 1);
    const Rendered after = renderCanvas(markup, options, tahoma(-11), 200, 40);
    EXPECT_EQ(countPixels(after.bitmap, {0, 0, 200, 40}, kOrange), 10 * 12);
    EXPECT_EQ(m_platform.fetchedUrls().size(), 1u);
    EXPECT_EQ(cache.addressCount(), 1u);
}

TEST_F(HtmlPictures, FailedOrUselessFetchesTakeNoRoomAndAreNotRetried) {
    HtmlPictureCache cache;
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 40};
    options.pictureCache = &cache;
    options.measureOnly = true;
    const int plain = renderCanvas("x", options, tahoma(-11), 200, 40).result.width;
    renderCanvas("<IMG src=\"https://offline/a.png\"><IMG src=\"https://offline/b.png\">x", options,
                 tahoma(-11), 200, 40);
    ASSERT_EQ(m_platform.fetchedUrls().size(), 2u);
    m_platform.completeFetch(0, std::nullopt);
    const std::string text = "not a picture";
    m_platform.completeFetch(1, std::vector<unsigned char>(text.begin(), text.end()));
    const Rendered r = renderCanvas("<IMG src=\"https://offline/a.png\"><IMG src=\"https://offline/b.png\">x",
                                    options, tahoma(-11), 200, 40);
    EXPECT_EQ(r.result.width, plain);
    EXPECT_EQ(m_platform.fetchedUrls().size(), 2u);
}

TEST_F(HtmlPictures, AFetchThatOutlivesItsCacheIsDropped) {
    {
        HtmlPictureCache cache;
        cache.OnPictureArrived = [] { FAIL() << "the cache is gone"; };
        cache.picture("http://late/x.png");
    }
    m_platform.completeFetch(0, solid(4, 4, kOrange).pngBytes());
}

TEST(HtmlPicturesWithoutPlatform, NothingIsFetchedAndNothingRaises) {
    HtmlPictureCache cache;
    EXPECT_EQ(cache.picture("http://example.org/x.png"), nullptr);
    HtmlTextOptions options;
    options.rect = {0, 0, 100, 20};
    options.pictureCache = &cache;
    EXPECT_NO_THROW(
        renderCanvas("<IMG src=\"SSYS:.txt\"><IMG src=\"http://x/y\">", options, tahoma(-11), 100, 20));
}

}  // namespace
}  // namespace sk::smooth

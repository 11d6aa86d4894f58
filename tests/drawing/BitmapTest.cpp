#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "drawing/Bitmap.h"
#include "support/TestEnvironment.h"

namespace sk::drawing {
namespace {

TEST(Bitmap, NewBitmapIsTransparentAndKeepsStraightColors) {
    Bitmap bitmap(4, 3);
    EXPECT_EQ(bitmap.size(), (Size{4, 3}));
    EXPECT_EQ(bitmap.pixel(0, 0), 0u);
    // Straight colours survive the premultiplied storage (within rounding for low alpha).
    const std::uint32_t colours[] = {0xFF123456, 0x80FF0000, 0xFFFFFFFF, 0x00000000, 0x40FFFFFF};
    for (std::uint32_t c : colours) {
        bitmap.setPixel(1, 1, c);
        EXPECT_EQ(bitmap.pixel(1, 1), c) << std::hex << c;
    }
}

TEST(Bitmap, OutsideAccessIsIgnored) {
    Bitmap bitmap(2, 2);
    bitmap.setPixel(-1, 0, 0xFFFFFFFF);
    bitmap.setPixel(2, 0, 0xFFFFFFFF);
    EXPECT_EQ(bitmap.pixel(5, 5), 0u);
    EXPECT_EQ(bitmap.pixel(-1, 0), 0u);
    Bitmap empty;
    EXPECT_TRUE(empty.empty());
    empty.setPixel(0, 0, 1);
    EXPECT_EQ(empty.pixel(0, 0), 0u);
    EXPECT_TRUE(Bitmap(0, 5).empty());
}

TEST(Bitmap, CopyIsDeepAndMoveEmptiesTheSource) {
    Bitmap a(3, 3);
    a.fill(0xFF00FF00);
    Bitmap b = a;
    b.setPixel(0, 0, 0xFFFF0000);
    EXPECT_EQ(a.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(b.pixel(0, 0), 0xFFFF0000u);
    Bitmap c = std::move(b);
    EXPECT_TRUE(b.empty());  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(c.pixel(0, 0), 0xFFFF0000u);
    a = c;
    EXPECT_EQ(a.pixel(0, 0), 0xFFFF0000u);
}

TEST(Bitmap, CopyFromClipsAtBothEdges) {
    Bitmap source(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            source.setPixel(x, y, 0xFF000000u | static_cast<std::uint32_t>(y * 16 + x));
    Bitmap target(4, 4);
    target.fill(0xFFFFFFFF);
    // Source rectangle sticks out at the top-left; destination sticks out at the bottom-right.
    target.copyFrom(source, {-1, -1, 3, 3}, {2, 2});
    // Source pixel (0,0) lands at destination (3,3).
    EXPECT_EQ(target.pixel(3, 3), 0xFF000000u);
    EXPECT_EQ(target.pixel(2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(3, 2), 0xFFFFFFFFu);
    target.copyFrom(source, {1, 1, 2, 2}, {0, 0});
    EXPECT_EQ(target.pixel(0, 0), 0xFF000011u);
    EXPECT_EQ(target.pixel(1, 1), 0xFF000022u);
    EXPECT_EQ(target.pixel(2, 0), 0xFFFFFFFFu);
}

TEST(Bitmap, PngRoundTrip) {
    Bitmap bitmap(5, 2);
    bitmap.fill(0xFF102030);
    bitmap.setPixel(4, 1, 0x80FF8000);
    const auto file = test::outputFolder() / "bitmap-roundtrip.png";
    ASSERT_TRUE(bitmap.savePng(file));
    auto loaded = Bitmap::loadPng(file);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->size(), bitmap.size());
    EXPECT_EQ(loaded->pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(loaded->pixel(4, 1), 0x80FF8000u);
    EXPECT_FALSE(Bitmap::loadPng(test::outputFolder() / "no-such-file.png").has_value());
    // The same file's bytes, made in memory.
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bitmap.pngBytes(), saved);
    EXPECT_TRUE(Bitmap().pngBytes().empty());
}

}  // namespace
}  // namespace sk::drawing

namespace sk::drawing {
namespace {

TEST(Bitmap, FillRectIsClippedToTheBitmap) {
    Bitmap bitmap(4, 3);
    bitmap.fillRect({-2, 1, 4, 5}, 0x80FF0000);
    EXPECT_EQ(bitmap.pixel(0, 0), 0u);
    EXPECT_EQ(bitmap.pixel(1, 1), 0x80FF0000u);
    EXPECT_EQ(bitmap.pixel(1, 2), 0x80FF0000u);
    EXPECT_EQ(bitmap.pixel(2, 2), 0u);
    bitmap.fillRect({0, 0, 0, 3}, 0xFFFFFFFF);  // empty: nothing
    EXPECT_EQ(bitmap.pixel(0, 0), 0u);
}

}  // namespace
}  // namespace sk::drawing

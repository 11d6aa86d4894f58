// Pixel probes and image comparison for rendering tests. On failure the image (and
// for comparisons a diff) is written to sk::test::outputFolder() and named in the
// failure message.
//
//   EXPECT_TRUE(sk::test::pixelIs(bitmap, 3, 4, 0xFF0000FF, "glow-outline"));
//   EXPECT_TRUE(sk::test::pixelNear(bitmap, 10, 10, 0xFF808080, 6, "gradient-middle"));
//   EXPECT_TRUE(sk::test::imagesMatch(actual, expected, 2, "tab-strip"));
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "drawing/Bitmap.h"

namespace sk::test {

// The pixel is exactly `argb` (0xAARRGGBB).
testing::AssertionResult pixelIs(const drawing::Bitmap& image, int x, int y, std::uint32_t argb,
                                 const std::string& name = "image");
// Every channel (alpha included) within `tolerance` of `argb`.
testing::AssertionResult pixelNear(const drawing::Bitmap& image, int x, int y, std::uint32_t argb,
                                   int tolerance, const std::string& name = "image");
// Same size, and every pixel's channels within `tolerance`; on failure writes
// <name>-actual.png, <name>-expected.png and <name>-diff.png (red where they differ).
testing::AssertionResult imagesMatch(const drawing::Bitmap& actual, const drawing::Bitmap& expected,
                                     int tolerance, const std::string& name);
// The largest channel difference between two colours.
int channelDistance(std::uint32_t a, std::uint32_t b);
// "0xAARRGGBB".
std::string hexColor(std::uint32_t argb);
// Writes the image to the output folder as <name>.png and returns the path.
std::string saveImage(const drawing::Bitmap& image, const std::string& name);

}  // namespace sk::test

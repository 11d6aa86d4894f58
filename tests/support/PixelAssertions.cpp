#include "support/PixelAssertions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "support/TestEnvironment.h"

namespace sk::test {

int channelDistance(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(
            worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return worst;
}

std::string hexColor(std::uint32_t argb) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", argb);
    return text;
}

std::string saveImage(const drawing::Bitmap& image, const std::string& name) {
    std::filesystem::create_directories(outputFolder());
    const auto file = outputFolder() / (name + ".png");
    image.savePng(file);
    return file.string();
}

testing::AssertionResult pixelIs(const drawing::Bitmap& image, int x, int y, std::uint32_t argb,
                                 const std::string& name) {
    return pixelNear(image, x, y, argb, 0, name);
}

testing::AssertionResult pixelNear(const drawing::Bitmap& image, int x, int y, std::uint32_t argb,
                                   int tolerance, const std::string& name) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return testing::AssertionFailure() << "(" << x << ", " << y << ") lies outside the " << image.width()
                                           << " x " << image.height() << " image " << name;
    const std::uint32_t actual = image.pixel(x, y);
    if (channelDistance(actual, argb) <= tolerance) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") of " << name << " is " << hexColor(actual) << ", expected "
           << hexColor(argb) << " within " << tolerance << "; image written to "
           << saveImage(image, name + "-actual");
}

testing::AssertionResult imagesMatch(const drawing::Bitmap& actual, const drawing::Bitmap& expected,
                                     int tolerance, const std::string& name) {
    if (actual.size() != expected.size())
        return testing::AssertionFailure()
               << name << ": size " << actual.width() << " x " << actual.height() << " differs from "
               << expected.width() << " x " << expected.height() << "; written "
               << saveImage(actual, name + "-actual");
    drawing::Bitmap diff(actual.width(), actual.height());
    int differing = 0, worst = 0;
    drawing::Point first{-1, -1};
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const int distance = channelDistance(actual.pixel(x, y), expected.pixel(x, y));
            const bool bad = distance > tolerance;
            diff.setPixel(x, y, bad ? 0xFFFF0000u : 0xFF000000u | ((expected.pixel(x, y) >> 2) & 0x3F3F3F));
            if (bad) {
                if (differing++ == 0) first = {x, y};
                worst = std::max(worst, distance);
            }
        }
    if (differing == 0) return testing::AssertionSuccess();
    saveImage(expected, name + "-expected");
    return testing::AssertionFailure()
           << name << ": " << differing << " pixels differ by more than " << tolerance << " (worst " << worst
           << ", first at " << first.x << ", " << first.y << ": " << hexColor(actual.pixel(first.x, first.y))
           << " instead of " << hexColor(expected.pixel(first.x, first.y)) << "); written "
           << saveImage(actual, name + "-actual") << " and " << saveImage(diff, name + "-diff");
}

}  // namespace sk::test

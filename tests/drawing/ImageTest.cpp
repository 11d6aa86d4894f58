// Decoding pictures from bytes made here, drawing them, and failing cleanly on
// damaged files.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <vector>

#include "drawing/Graphics.h"
#include "drawing/Image.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

constexpr ARGB kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

// A 16 x 8 picture: left half red, right half blue, encoded by gdk-pixbuf.
std::vector<unsigned char> encoded(const char* type, bool alpha = false) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, alpha, 8, 16, 8);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf), stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            guchar* p = pixels + y * stride + x * channels;
            p[0] = x < 8 ? 255 : 0;
            p[1] = 0;
            p[2] = x < 8 ? 0 : 255;
            if (alpha) p[3] = 255;
        }
    gchar* buffer = nullptr;
    gsize size = 0;
    GError* error = nullptr;
    const bool ok = gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, type, &error, nullptr);
    if (error) g_error_free(error);
    g_object_unref(pixbuf);
    std::vector<unsigned char> bytes;
    if (ok)
        bytes.assign(reinterpret_cast<unsigned char*>(buffer),
                     reinterpret_cast<unsigned char*>(buffer) + size);
    g_free(buffer);
    return bytes;
}

// A 1 x 1 GIF whose only pixel is red (colour 0 of a two-colour table).
const std::vector<unsigned char> kGif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01,
                                         0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                         0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                         0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

TEST(Image, EveryFormatDecodesFromBytes) {
    struct Case {
        const char* type;
        ImageFormat format;
        int tolerance;
    };
    const Case cases[] = {{"png", ImageFormat::Png, 0},
                          {"jpeg", ImageFormat::Jpeg, 40},
                          {"bmp", ImageFormat::Bmp, 0},
                          {"tiff", ImageFormat::Tiff, 0},
                          {"ico", ImageFormat::Icon, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const auto bytes = encoded(c.type, std::string(c.type) == "ico");
        ASSERT_FALSE(bytes.empty());
        Status status = Status::GenericError;
        const auto image = Image::fromBytes(bytes, &status);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(status, Status::Ok);
        EXPECT_EQ(image->rawFormat(), c.format);
        EXPECT_EQ(image->width(), 16);
        EXPECT_EQ(image->height(), 8);
        EXPECT_TRUE(
            test::pixelNear(image->bitmap(), 2, 4, kRed, c.tolerance, std::string("decoded-") + c.type));
        EXPECT_TRUE(
            test::pixelNear(image->bitmap(), 13, 4, kBlue, c.tolerance, std::string("decoded-") + c.type));
    }
    EXPECT_EQ(Image::fromBytes(encoded("jpeg"))->pixelFormat(), PixelFormat::Format24bppRGB);
    EXPECT_EQ(Image::fromBytes(encoded("png", true))->pixelFormat(), PixelFormat::Format32bppARGB);
    const auto gif = Image::fromBytes(kGif);
    ASSERT_TRUE(gif.has_value());
    EXPECT_EQ(gif->rawFormat(), ImageFormat::Gif);
    EXPECT_EQ(gif->pixel(0, 0), kRed);
}

TEST(Image, DamagedOrUnknownBytesFailCleanly) {
    Status status = Status::Ok;
    const auto jpeg = encoded("jpeg");
    const std::vector<unsigned char> truncated(jpeg.begin(),
                                               jpeg.begin() + static_cast<long>(jpeg.size() / 2));
    EXPECT_FALSE(Image::fromBytes(truncated, &status).has_value());
    EXPECT_NE(status, Status::Ok);
    const auto png = encoded("png");
    const std::vector<unsigned char> cutPng(png.begin(), png.begin() + 40);
    EXPECT_FALSE(Image::fromBytes(cutPng, &status).has_value());
    EXPECT_NE(status, Status::Ok);
    std::vector<unsigned char> garbage(200, 0x5A);
    EXPECT_FALSE(Image::fromBytes(garbage, &status).has_value());
    EXPECT_EQ(status, Status::UnknownImageFormat);
    EXPECT_FALSE(Image::fromBytes({}, &status).has_value());
    EXPECT_EQ(status, Status::InvalidParameter);
    std::vector<unsigned char> badBmp = encoded("bmp");
    badBmp.resize(30);
    EXPECT_FALSE(Image::fromBytes(badBmp, &status).has_value());
    const std::vector<unsigned char> svg = {'<', 's', 'v', 'g', '>'};
    EXPECT_FALSE(Image::fromBytes(svg, &status).has_value());  // not a picture format we take
}

TEST(Image, DrawnAtAPointStretchedAndWithAColorKey) {
    const auto image = Image::fromBytes(encoded("png"));
    ASSERT_TRUE(image.has_value());
    Bitmap b(40, 20);
    b.fill(kWhite);
    Graphics g(b);
    g.drawImage(*image, PointF{1, 2});
    EXPECT_TRUE(test::pixelIs(b, 1, 2, kRed, "image-at-point"));
    EXPECT_TRUE(test::pixelIs(b, 16, 9, kBlue, "image-at-point"));
    EXPECT_TRUE(test::pixelIs(b, 17, 9, kWhite, "image-at-point"));
    EXPECT_TRUE(test::pixelIs(b, 0, 2, kWhite, "image-at-point"));

    Bitmap s(40, 20);
    Graphics gs(s);
    gs.drawImage(*image, RectF{0, 0, 32, 16});  // doubled
    EXPECT_TRUE(test::pixelIs(s, 2, 2, kRed, "image-stretched"));
    EXPECT_TRUE(test::pixelIs(s, 30, 14, kBlue, "image-stretched"));
    EXPECT_TRUE(test::pixelIs(s, 31, 15, kBlue, "image-stretched"));  // edges keep their colour
    EXPECT_EQ(s.pixel(33, 5), 0u);

    Bitmap k(20, 10);
    k.fill(kWhite);
    Graphics gk(k);
    ImageAttributes attributes;
    attributes.setColorKey(kRed);
    gk.drawImage(*image, RectF{0, 0, 16, 8}, RectF{0, 0, 16, 8}, &attributes);
    EXPECT_TRUE(test::pixelIs(k, 2, 2, kWhite, "image-keyed"));
    EXPECT_TRUE(test::pixelIs(k, 12, 2, kBlue, "image-keyed"));
}

TEST(Image, RotateFlipAndUseAsATarget) {
    Image image(3, 2);
    image.setPixel(0, 0, kRed);
    image.rotateFlip(RotateFlipType::Rotate90FlipNone);  // clockwise: top-left goes top-right
    EXPECT_EQ(image.width(), 2);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(image.pixel(1, 0), kRed);
    image.rotateFlip(RotateFlipType::RotateNoneFlipX);
    EXPECT_EQ(image.pixel(0, 0), kRed);
    image.rotateFlip(RotateFlipType::Rotate180FlipNone);
    EXPECT_EQ(image.pixel(1, 2), kRed);
    Graphics g(image.bitmap());
    g.clear(kBlue);
    EXPECT_EQ(image.pixel(0, 0), kBlue);
}

}  // namespace
}  // namespace sk::drawing

// The picture holder: bytes kept as they are, decoded size, transparent BMPs,
// bad bytes and memory that cannot be had.
#include <gtest/gtest.h>

#include <fstream>

#include "SmoothTestSupport.h"
#include "controls/smooth/AdvGDIPPicture.h"
#include "drawing/Graphics.h"
#include "platform/Exception.h"
#include "support/PixelAssertions.h"
#include "support/TestEnvironment.h"

namespace sk::smooth::test {
namespace {

using sk::test::pixelIs;

TEST(AdvGDIPPicture, KeepsTheFileBytesUnchangedAndReadsTheSize) {
    TAdvGDIPPicture picture;
    EXPECT_TRUE(picture.Empty());
    int changes = 0;
    picture.OnChange = [&](ui::Persistent*) { ++changes; };
    const auto bytes = pngBytes(solidBitmap(7, 3, 0xFF102030));
    picture.loadFromBytes(bytes);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Data().bytes, bytes);
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(changes, 1);

    // Streams as the binary property Data.
    const auto* data = TAdvGDIPPicture::staticClassInfo().findProperty("Data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->type, ui::PropertyType::Binary);
    EXPECT_EQ(data->getBinary(picture).bytes, bytes);

    TAdvGDIPPicture copy;
    copy.assignPicture(&picture);
    EXPECT_EQ(copy.Data().bytes, bytes);
    copy.assignPicture(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(AdvGDIPPicture, LoadingAFileThatFailsLeavesItEmpty) {
    TAdvGDIPPicture picture;
    picture.loadFromBytes(pngBytes(solidBitmap(2, 2, 0xFF000000)));
    EXPECT_FALSE(picture.loadFromFile(sk::test::outputFolder() / "no such picture.png"));
    EXPECT_TRUE(picture.Empty());

    const auto file = sk::test::outputFolder() / "smooth-picture-file.bmp";
    const auto bytes = bmpBytes(solidBitmap(5, 4, 0xFF336699));
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(picture.loadFromFile(file));
    EXPECT_EQ(picture.Data().bytes, bytes);
    EXPECT_EQ(picture.Width(), 5);
}

TEST(AdvGDIPPicture, DrawsStretchedAndTransparentBmpsAtTheirOwnSizeWithoutTheirKeyColour) {
    drawing::Bitmap source = solidBitmap(4, 4, 0xFFFF0000);
    source.setPixel(0, 3, 0xFF00FF00);  // bottom-left: the automatic key
    for (int x = 1; x < 4; ++x) source.setPixel(x, 3, 0xFF00FF00);
    source.setPixel(3, 0, 0xFFFFFFFF);  // white: the fixed key's default
    struct Case {
        const char* name;
        bool transparent;
        TTransparencyMode mode;
        std::uint32_t atGreen, atWhite;  // what shows at the green and the white source pixels
        bool stretched;
    };
    constexpr std::uint32_t kBack = 0xFF000080;
    const Case cases[] = {
        {"opaque", false, tmAutomatic, 0xFF00FF00, 0xFFFFFFFF, true},
        {"automatic key", true, tmAutomatic, kBack, 0xFFFFFFFF, false},
        {"fixed key", true, tmFixed, 0xFF00FF00, kBack, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TAdvGDIPPicture picture;
        picture.loadFromBytes(bmpBytes(source));
        picture.SetTransparent(c.transparent);
        picture.SetTransparencyMode(c.mode);
        drawing::Bitmap target = solidBitmap(20, 20, kBack);
        drawing::Graphics g(target);
        picture.draw(g, {2, 2, 8, 8});
        if (c.stretched) {
            EXPECT_TRUE(pixelIs(target, 2, 9, c.atGreen, "picture-draw"));
            EXPECT_TRUE(pixelIs(target, 9, 2, c.atWhite, "picture-draw"));
        } else {
            EXPECT_TRUE(pixelIs(target, 2, 5, c.atGreen, "picture-draw"));
            EXPECT_TRUE(pixelIs(target, 5, 2, c.atWhite, "picture-draw"));
            EXPECT_TRUE(pixelIs(target, 6, 6, kBack, "picture-draw"));  // own size, not stretched
        }
        EXPECT_TRUE(pixelIs(target, 3, 3, 0xFFFF0000, "picture-draw"));
    }
}

TEST(AdvGDIPPicture, BadBytesKeepThePictureButDrawNothing) {
    for (std::vector<unsigned char> bytes :
         {std::vector<unsigned char>{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i'},
          std::vector<unsigned char>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0},
          std::vector<unsigned char>{0xFF, 0xD8, 0xFF, 0xE0, 1, 2}}) {
        TAdvGDIPPicture picture;
        picture.loadFromBytes(bytes);
        EXPECT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Data().bytes, bytes);
        EXPECT_EQ(picture.Width(), 0);
        drawing::Bitmap target = solidBitmap(10, 10, 0xFF123456);
        drawing::Graphics g(target);
        EXPECT_NO_THROW(picture.draw(g, {0, 0, 10, 10}));
        EXPECT_TRUE(pixelIs(target, 5, 5, 0xFF123456, "bad-bytes"));
    }
}

TEST(AdvGDIPPicture, DrawingWithoutMemoryForDecodingRaisesAndRecoversLater) {
    TAdvGDIPPicture picture;
    const auto bytes = pngBytes(solidBitmap(3, 3, 0xFF00FF00));
    {
        NoImageMemory noMemory;
        picture.loadFromBytes(bytes);
        EXPECT_FALSE(picture.Empty());  // the bytes are kept
        drawing::Bitmap target(4, 4);
        drawing::Graphics g(target);
        try {
            picture.draw(g, {0, 0, 3, 3});
            ADD_FAILURE() << "no exception";
        } catch (const platform::Exception& e) {
            EXPECT_STREQ(e.what(), "Could not allocate memory for image");
        }
    }
    drawing::Bitmap target(4, 4);
    drawing::Graphics g(target);
    picture.draw(g, {0, 0, 3, 3});
    EXPECT_TRUE(pixelIs(target, 1, 1, 0xFF00FF00, "decoded-later"));
    EXPECT_EQ(picture.Width(), 3);
}

}  // namespace
}  // namespace sk::smooth::test

// The settings page's title and banners in the main window: their stored values,
// what each shows on the page, and the track bar and the dial lying over the
// picture banner.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ProgramStart.h"
#include "controls/smooth/AdvReflectionLabel.h"
#include "controls/smooth/AdvSmoothLabel.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

using smooth::TAdvReflectionLabel;
using smooth::TAdvSmoothLabel;

constexpr std::uint32_t kPageArgb = 0xFFC4E9F2;  // 0x00F2E9C4 as ARGB

// Stands where a windowed control of the page is not in the description yet:
// opaque over its whole rectangle, as a windowed control paints.
class OpaqueStandIn : public ui::CustomControl {
public:
    explicit OpaqueStandIn(ui::Component* owner) : ui::CustomControl(owner) {}
    void paint(const ui::PaintSurface& surface) override { surface.fillRect(ClientRect(), 0xFF404040); }
};

// Straight alpha blend of an ARGB colour over an opaque one, per channel.
std::uint32_t over(std::uint32_t colour, int alpha, std::uint32_t under) {
    auto mixChannel = [&](int shift) {
        const int c = (colour >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        return static_cast<std::uint32_t>((c * alpha + u * (255 - alpha) + 127) / 255) << shift;
    };
    return 0xFF000000u | mixChannel(16) | mixChannel(8) | mixChannel(0);
}

class SettingsPageBanners : public ::testing::Test {
protected:
    SettingsPageBanners() {
        platform::setCurrentPlatform(&m_platform);
        m_form = createMainWindow();
        title = m_form->field<TAdvReflectionLabel>("AdvReflectionLabel1");
        banner = m_form->field<TAdvSmoothLabel>("AdvSmoothLabel3");
        footer = m_form->field<TAdvSmoothLabel>("AdvSmoothLabel2");
    }
    ~SettingsPageBanners() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    void showForm() {
        m_form->show();
        ui::Application::instance().paintPending();
    }
    void paintPending() { ui::Application::instance().paintPending(); }
    const drawing::Bitmap& screen() { return m_form->backBuffer(); }
    // A windowed control of the page by name, or an opaque stand-in of the same
    // place while the description does not hold it yet.
    ui::Control* windowedControl(const std::string& name, drawing::Rect bounds) {
        if (auto* control = dynamic_cast<ui::Control*>(m_form->findComponent(name))) return control;
        auto* standIn = new OpaqueStandIn(m_form.get());
        standIn->SetParent(m_form->AdvTabSheet1);
        standIn->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
        return standIn;
    }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<TForm1> m_form;
    TAdvReflectionLabel* title = nullptr;
    TAdvSmoothLabel* banner = nullptr;
    TAdvSmoothLabel* footer = nullptr;
};

TEST_F(SettingsPageBanners, TitleAndBannersCarryTheirStoredValues) {
    EXPECT_EQ(title->Parent(), m_form->AdvTabSheet1);
    EXPECT_EQ(title->BoundsRect(), (drawing::Rect{152, 0, 433, 49}));
    EXPECT_EQ(title->Font()->Name(), "Tahoma");
    EXPECT_EQ(title->Font()->Height(), -24);
    EXPECT_EQ(title->Font()->Size(), 18);
    EXPECT_TRUE(title->Font()->hasStyle(ui::fsBold));
    EXPECT_EQ(title->Font()->Charset(), ui::RUSSIAN_CHARSET);
    EXPECT_EQ(title->ReflectionSize(), 20);
    EXPECT_EQ(title->URLColor(), drawing::clBlue);
    EXPECT_EQ(
        title->markup(),
        "<FONT face=\"Tahoma\" color=\"clNavy\"><B><P align=\"center\">НАСТРОЙКИ КОМПИЛЯТОРА</P></B></FONT>");

    EXPECT_EQ(banner->BoundsRect(), (drawing::Rect{72, 200, 465, 57}));
    EXPECT_TRUE(banner->Transparent());
    const smooth::TGDIPFill& bannerFill = *banner->Fill();
    EXPECT_EQ(bannerFill.Color(), drawing::clWhite);
    EXPECT_EQ(bannerFill.ColorTo(), drawing::clWhite);
    EXPECT_EQ(bannerFill.ColorMirror(), drawing::clNone);
    EXPECT_EQ(bannerFill.Opacity(), 172);
    EXPECT_EQ(bannerFill.OpacityTo(), 147);
    EXPECT_EQ(bannerFill.BorderColor(), drawing::clBlack);
    EXPECT_EQ(bannerFill.Rounding(), 20);
    EXPECT_EQ(bannerFill.ShadowOffset(), 0);
    EXPECT_EQ(banner->Caption()->Text(), "УСТАНОВИТЬ СТЕПЕНЬ СЖАТИЯ");
    EXPECT_EQ(banner->Caption()->Font()->Name(), "Comic Sans MS");
    EXPECT_EQ(banner->Caption()->Font()->Height(), -24);
    EXPECT_TRUE(banner->Caption()->Font()->hasStyle(ui::fsBold));
    EXPECT_EQ(banner->Caption()->GradientType(), smooth::gtTexture);
    EXPECT_EQ(banner->Caption()->Picture()->Width(), 1024);
    EXPECT_EQ(banner->Caption()->Picture()->Height(), 768);
    const auto& jpeg = banner->Caption()->Picture()->Data().bytes;
    ASSERT_GT(jpeg.size(), 3u);
    EXPECT_EQ(jpeg[0], 0xFF);  // the JPEG file's own bytes
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(banner->CaptionShadow()->Text(), "AdvSmoothLabel");
    EXPECT_EQ(banner->CaptionShadow()->Font()->Height(), -27);
    EXPECT_FALSE(banner->CaptionShadowVisible());

    EXPECT_EQ(footer->BoundsRect(), (drawing::Rect{56, 373, 609, 41}));
    EXPECT_FALSE(footer->Transparent());
    const smooth::TGDIPFill& footerFill = *footer->Fill();
    EXPECT_EQ(footerFill.Color(), drawing::clTeal);
    EXPECT_EQ(footerFill.ColorTo(), drawing::clGreen);
    EXPECT_EQ(footerFill.ColorMirrorTo(), drawing::clNone);
    EXPECT_EQ(footerFill.Opacity(), 172);
    EXPECT_EQ(footerFill.OpacityTo(), 147);
    EXPECT_EQ(footerFill.Rounding(), 6);
    EXPECT_EQ(footerFill.ShadowColor(), drawing::clTeal);
    EXPECT_EQ(footerFill.ShadowOffset(), 5);
    EXPECT_NE(footer->Caption()->Text().find("2009–2026"), std::string::npos);
    EXPECT_NE(footer->Caption()->Text().find("Студия Горностай"), std::string::npos);
    EXPECT_EQ(footer->Caption()->Font()->Name(), "Tahoma");
    EXPECT_EQ(footer->Caption()->Font()->Height(), -27);
    EXPECT_EQ(footer->Caption()->Font()->Style(), 0u);
    EXPECT_EQ(footer->Caption()->ColorEnd(), drawing::clWhite);
    EXPECT_EQ(footer->CaptionShadow()->Text(), "AdvSmoothLabel");
    EXPECT_FALSE(footer->CaptionShadowVisible());
}

TEST_F(SettingsPageBanners, TitleIsNavyAndCentredWithAFadingReflection) {
    showForm();
    ASSERT_NE(title->reflection(), nullptr);
    const drawing::Rect block = title->textBlock();
    EXPECT_NEAR(block.left, 433 - block.right(), 1);  // centred in the label
    const drawing::Point origin = title->formOrigin();
    int navy = 0, reflected = 0;
    for (int y = 0; y < 49; ++y)
        for (int x = 0; x < 433; ++x) {
            const std::uint32_t p = screen().pixel(origin.x + x, origin.y + y);
            if (y < block.height - 7 && sk::test::channelDistance(p, 0xFF000080) <= 8) ++navy;
            // Below the text block: navy seen through the reflection's opacity.
            if (y >= block.height && drawing::argbBlue(p) > 0x90 && drawing::argbRed(p) < 0xB0) ++reflected;
        }
    EXPECT_GT(navy, 500);
    EXPECT_GT(reflected, 100);
    // Nothing of the reflection from its 20th row on.
    for (int y = block.height - 7 + 20; y < 49; ++y)
        for (int x = 0; x < 433; x += 3)
            ASSERT_EQ(screen().pixel(origin.x + x, origin.y + y), kPageArgb) << y;
}

TEST_F(SettingsPageBanners, PictureBannerShowsOnlyItsCaptionFilledWithThePhotograph) {
    showForm();
    const drawing::Point o = banner->formOrigin();
    // Transparent: the white rounded body with its black border is not painted.
    for (drawing::Point p : {drawing::Point{2, 2}, drawing::Point{232, 1}, drawing::Point{440, 30}})
        EXPECT_TRUE(sk::test::pixelIs(screen(), o.x + p.x, o.y + p.y, kPageArgb, "settings-banner"));
    // The letters show the photograph's pixels under them, from the label's corner.
    const drawing::Image* photo = banner->Caption()->Picture()->image();
    ASSERT_NE(photo, nullptr);
    int ink = 0, photographic = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 465; ++x) {
            if (banner->Top() + y >= 240) break;  // the track bar lies over the lowest rows
            const std::uint32_t p = screen().pixel(o.x + x, o.y + y);
            if (p == kPageArgb) continue;
            ++ink;
            if (sk::test::channelDistance(p, photo->pixel(x, y)) <= 2) ++photographic;
        }
    EXPECT_GT(ink, 1500);
    EXPECT_GT(photographic, ink / 3);
}

TEST_F(SettingsPageBanners, FooterShowsItsRoundedTealToGreenBodyAndShadow) {
    showForm();
    const drawing::Point o = footer->formOrigin();
    auto at = [&](int x, int y) { return screen().pixel(o.x + x, o.y + y); };
    // Teal at 172 over the page at the top, green at 147 at the bottom of the body
    // (the body is 35 rows high: the shadow takes 5); gamma-corrected in between.
    EXPECT_LE(sk::test::channelDistance(at(8, 1), over(0xFF008080, 172, kPageArgb)), 12);
    EXPECT_LE(sk::test::channelDistance(at(8, 33), over(0xFF008000, 147, kPageArgb)), 20);
    EXPECT_EQ(at(300, 0), 0xFF000000u);  // the black border
    // Rounded: the corner pixel stays the page's.
    EXPECT_EQ(at(0, 0), kPageArgb);
    // The teal shadow right of and below the body, not above or left of it; its
    // soft rim is a tenth of the way to the centre, so narrow below and wide at the side.
    EXPECT_LT(drawing::argbRed(at(605, 20)), drawing::argbRed(kPageArgb) - 6);
    EXPECT_LT(drawing::argbRed(at(300, 38)), drawing::argbRed(kPageArgb) - 30);
    EXPECT_EQ(screen().pixel(o.x + 300, o.y - 1), kPageArgb);
}

// The track bar (104, 240, 409 wide) lies over the banner's lowest 17 rows over its
// width and the dial (from 520) over its right end from 448 pixels right of its
// left edge. The page is rendered with the banner given an opaque red body (so
// that it would show wherever it is not covered) and without the banner.
class SettingsPageLayering : public SettingsPageBanners {
protected:
    SettingsPageLayering() {
        trackBar = windowedControl("AdvTrackBar1", {104, 240, 409, 45});
        dial = windowedControl("ILAngularGauge4", {520, 176, 160, 160});
        underTrackBar = banner->BoundsRect().intersected(trackBar->BoundsRect());
        underDial = banner->BoundsRect().intersected(dial->BoundsRect());
        banner->SetTransparent(false);
        banner->Fill()->SetColor(drawing::clRed);
        banner->Fill()->SetColorTo(drawing::clRed);
        banner->Fill()->SetOpacity(255);
        banner->Fill()->SetOpacityTo(255);
        banner->Fill()->SetRounding(0);
        showForm();
        withBanner = screen();
        banner->Hide();
        paintPending();
        withoutBanner = screen();
        banner->Show();
        paintPending();
    }
    // The form pixel of a point of the page, with and without the banner.
    std::uint32_t with(int x, int y) const { return withBanner.pixel(sheet().x + x, sheet().y + y); }
    std::uint32_t without(int x, int y) const { return withoutBanner.pixel(sheet().x + x, sheet().y + y); }
    drawing::Point sheet() const { return m_form->AdvTabSheet1->formOrigin(); }

    ui::Control* trackBar = nullptr;
    ui::Control* dial = nullptr;
    drawing::Rect underTrackBar, underDial;
    drawing::Bitmap withBanner, withoutBanner;
};

TEST_F(SettingsPageLayering, TrackBarAndDialAreWindowedAndLieOverThePictureBanner) {
    EXPECT_TRUE(trackBar->isWindowed());
    EXPECT_TRUE(dial->isWindowed());
    EXPECT_FALSE(banner->isWindowed());
    EXPECT_EQ(underTrackBar, (drawing::Rect{104, 240, 409, 17}));
    EXPECT_EQ(underDial.left - banner->Left(), 448);
    EXPECT_EQ(underDial, (drawing::Rect{520, 200, 17, 57}));

    // The dial is opaque: nothing of the banner under it.
    for (int y = underDial.top; y < underDial.bottom(); ++y)
        for (int x = underDial.left; x < underDial.right(); ++x)
            ASSERT_EQ(with(x, y), without(x, y)) << x << "," << y;
    // What the track bar paints itself (where it differs from the bare page) lies
    // over the banner.
    int ownPixels = 0;
    for (int y = underTrackBar.top; y < underTrackBar.bottom(); ++y)
        for (int x = underTrackBar.left; x < underTrackBar.right(); ++x) {
            if (without(x, y) == kPageArgb) continue;
            ++ownPixels;
            ASSERT_EQ(with(x, y), without(x, y)) << x << "," << y;
        }
    EXPECT_GT(ownPixels, 0);
    // Just above the track bar and left of the dial the banner shows.
    EXPECT_NE(with(300, 239), without(300, 239));
    EXPECT_NE(with(519, 220), without(519, 220));
}

}  // namespace
}  // namespace sk::app

// The values both smooth captions share: stored opacities, change reporting
// through the font and the picture, one change per assign.
#include <gtest/gtest.h>

#include "controls/smooth/AdvSmoothLabelCaption.h"
#include "controls/smooth/AdvSmoothPanelCaption.h"

namespace sk::smooth::test {
namespace {

template <class Caption>
class SmoothCaptions : public ::testing::Test {
protected:
    Caption caption;
    int changes = 0;
    void SetUp() override {
        caption.OnChange = [this](ui::Persistent*) { ++changes; };
    }
};
using CaptionTypes = ::testing::Types<TAdvSmoothLabelCaption, TAdvSmoothPanelCaption>;
TYPED_TEST_SUITE(SmoothCaptions, CaptionTypes);

TYPED_TEST(SmoothCaptions, StoredOpacitiesOutsideAByteAreTakenAtTheNearerEnd) {
    const ui::ClassInfo& info = TypeParam::staticClassInfo();
    info.findProperty("OpacityStart")->setInt(this->caption, 300);
    info.findProperty("OpacityEnd")->setInt(this->caption, -4);
    EXPECT_EQ(this->caption.OpacityStart(), 255);
    EXPECT_EQ(this->caption.OpacityEnd(), 0);
}

TYPED_TEST(SmoothCaptions, EveryRealChangeIsReportedOnceAndTheCurrentValueNotAtAll) {
    this->caption.SetText("Slidekiln");
    this->caption.SetText("Slidekiln");
    EXPECT_EQ(this->changes, 1);
    this->caption.Font()->SetSize(31);
    EXPECT_EQ(this->changes, 2) << "a change of the font is the caption's";
    this->caption.Picture()->loadFromBytes({1, 2, 3});
    EXPECT_EQ(this->changes, 3) << "a change of the picture is the caption's";
    this->caption.SetGradientType(gtRadial);
    this->caption.SetHatchStyle(drawing::HatchStyleCross);
    EXPECT_EQ(this->changes, 5);
}

TYPED_TEST(SmoothCaptions, AssignCopiesEveryValueWithOneChange) {
    TypeParam source;
    source.SetText("Title");
    source.SetLocation(plBottomRight);
    source.SetLeft(7);
    source.Font()->SetName("Arial");
    source.Font()->SetSize(9);
    source.SetColorEnd(drawing::clNone);
    source.SetOpacityStart(40);
    this->caption.assign(source);
    EXPECT_EQ(this->changes, 1);
    EXPECT_EQ(this->caption.Text(), "Title");
    EXPECT_EQ(this->caption.Location(), plBottomRight);
    EXPECT_EQ(this->caption.Left(), 7);
    EXPECT_EQ(this->caption.Font()->Name(), "Arial");
    EXPECT_EQ(this->caption.Font()->Size(), 9);
    EXPECT_EQ(this->caption.endARGB(), this->caption.startARGB());
    EXPECT_EQ(this->caption.OpacityStart(), 40);
    this->caption.SetText("after");
    EXPECT_EQ(this->changes, 2) << "changes are reported again after the assign";
}

}  // namespace
}  // namespace sk::smooth::test

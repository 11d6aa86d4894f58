// Writing the instruments back into a form description: values that equal the
// class's default but not the owner's own default are stored, and everything
// reads back as it was.
#include <gtest/gtest.h>

#include "InstrumentTestSupport.h"
#include "ui/FormWriter.h"

namespace sk::instruments::test {
namespace {

class StreamingTest : public InstrumentTest {};

TEST_F(StreamingTest, OwnDefaultsDecideWhatIsStored) {
    load(kFormDial + kFormPanel);
    auto* dial = field<TILAngularGauge>("ILAngularGauge4");
    auto* panel = field<TILGlassPanel>("ILGlassPanel1");
    dial->Hand()->Length()->SetValue(0);                      // the size class's default, not the hand's 0.78
    dial->Scale()->MinorTicks()->SetCount(11);                // the major ticks' default, not the minor's 4
    dial->Scale()->MinorTicks()->Labels()->SetVisible(true);  // hidden by default for minor labels
    dial->Center()->Top()->SetColor(0x64808080);              // the bottom disc's default colour
    panel->Border()->BevelInner()->SetStyle(bvsRaised);       // the outer bevel's default style
    panel->Border()->SetShape(gbsEllipse);                    // the class's default, not the panel's
    const std::string written = ui::writeFormDescription(form());
    EXPECT_EQ(written.find("Hand.Length.Value"), written.rfind("Hand.Length.Value")) << "written once";
    EXPECT_NE(written.find("Hand.Length.Value: 0"), std::string::npos) << written;
    EXPECT_EQ(written.find("Hand.TailLength"), std::string::npos) << "own defaults are left out";

    ui::Form reread;
    reread.loadDescription(written, "written form");
    auto* dial2 = reread.field<TILAngularGauge>("ILAngularGauge4");
    auto* panel2 = reread.field<TILGlassPanel>("ILGlassPanel1");
    EXPECT_FLOAT_EQ(dial2->Hand()->Length()->Value(), 0);
    EXPECT_FLOAT_EQ(dial2->Hand()->TailLength()->Value(), 0.4f);
    EXPECT_EQ(dial2->Scale()->MinorTicks()->Count(), 11u);
    EXPECT_TRUE(dial2->Scale()->MinorTicks()->Labels()->Visible());
    EXPECT_EQ(dial2->Center()->Top()->Color(), 0x64808080u);
    EXPECT_EQ(panel2->Border()->BevelInner()->Style(), bvsRaised);
    EXPECT_EQ(panel2->Border()->Shape(), gbsEllipse);
    EXPECT_EQ(panel2->Border()->CornerRadius()->Value(), 0.2f);
}

}  // namespace
}  // namespace sk::instruments::test

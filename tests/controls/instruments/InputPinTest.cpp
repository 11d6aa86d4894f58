// Value input pins: pending links read from the form and written back unchanged,
// resolution by name when the source appears, values and ranges delivered to
// the gauges, and refusal of malformed names.
#include <gtest/gtest.h>

#include "InstrumentTestSupport.h"
#include "ui/FormReader.h"
#include "ui/FormWriter.h"

namespace sk::instruments::test {
namespace {

constexpr const char* kSourceName = "Form1.ILRangeChanger1.OutputPin";

class InputPinTest : public InstrumentTest {
protected:
    InputPinTest() {
        load(kFormDial + kFormPanel);
        dial = field<TILAngularGauge>("ILAngularGauge4");
        display = field<TILSegmentGauge>("ILSegmentGauge5");
    }
    TILAngularGauge* dial = nullptr;
    TILSegmentGauge* display = nullptr;
};

TEST_F(InputPinTest, AnUnknownSourceLeavesBothGaugesPendingWithTheirStoredValues) {
    for (TOWRealAndRangedSinkPin* pin : {dial->InputPin(), display->InputPin()}) {
        EXPECT_EQ(pin->Form(), "Form1");
        EXPECT_EQ(pin->SourcePin(), kSourceName);
        EXPECT_TRUE(pin->pending());
    }
    EXPECT_EQ(dial->InputPin()->source(), display->InputPin()->source()) << "one placeholder for the name";
    EXPECT_EQ(PinRegistry::instance().placeholderCount(), 1u);
    EXPECT_EQ(dial->Value(), 0);
    EXPECT_EQ(display->Min(), -100);
    EXPECT_EQ(display->Max(), 100);
    dial->SetValue(60);
    EXPECT_EQ(dial->Value(), 60) << "setting Value from code works as usual";
}

TEST_F(InputPinTest, TheFormWriterWritesThePendingLinkBackAsRead) {
    const std::string written = ui::writeFormDescription(form());
    EXPECT_NE(written.find(std::string("InputPin.SourcePin: \"") + kSourceName + "\""), std::string::npos)
        << written;
    EXPECT_NE(written.find("InputPin.Form: \"Form1\""), std::string::npos);
    EXPECT_EQ(written.find("InputPin.State"), std::string::npos) << "unused state settings are not written";

    ui::Form reread;
    reread.loadDescription(written, "written form");
    auto* dial2 = reread.field<TILAngularGauge>("ILAngularGauge4");
    auto* display2 = reread.field<TILSegmentGauge>("ILSegmentGauge5");
    EXPECT_EQ(dial2->InputPin()->SourcePin(), kSourceName);
    EXPECT_TRUE(dial2->InputPin()->pending());
    EXPECT_EQ(display2->InputPin()->SourcePin(), kSourceName);
    // The other stored values came back too.
    EXPECT_EQ(dial2->FaceColor(), 0xFF000000u);
    EXPECT_EQ(dial2->Ranges()->Ranges()->count(), 3);
    EXPECT_FLOAT_EQ(dial2->geometry().radius, dial->geometry().radius);
    EXPECT_EQ(display2->Min(), -100);
    EXPECT_EQ(ui::writeFormDescription(reread), written) << "writing again gives the same text";
}

TEST_F(InputPinTest, ASourceCreatedLaterTakesOverThePendingLinks) {
    {
        OWSourcePin source("ILRangeChanger1.OutputPin");  // without the form's name
        EXPECT_EQ(PinRegistry::instance().placeholderCount(), 0u) << "the placeholder is freed";
        EXPECT_EQ(dial->InputPin()->source(), &source);
        EXPECT_FALSE(dial->InputPin()->pending());
        EXPECT_EQ(source.sinkCount(), 2u);

        source.send(30.0, 0.0, 50.0);
        EXPECT_EQ(dial->Min(), 0);
        EXPECT_EQ(dial->Max(), 50) << "the scale is renumbered";
        EXPECT_EQ(dial->Value(), 30);
        source.send(70.0);
        EXPECT_EQ(dial->Value(), 50) << "a plain value is limited as any Value set";
        EXPECT_EQ(dial->Max(), 50);
        source.send(20LL);
        EXPECT_EQ(display->Value(), 20) << "integers arrive as reals";
        source.sendRange(-5, 5);
        EXPECT_EQ(display->Max(), 50) << "a range alone does not reach the gauge";
        EXPECT_EQ(display->InputPin()->lastMax(), 5);
    }
    EXPECT_EQ(dial->InputPin()->source(), nullptr) << "unlinked when the source goes";
    EXPECT_EQ(dial->InputPin()->SourcePin(), kSourceName) << "the stored name stays";
}

TEST_F(InputPinTest, NilUnlinksAndTheListFormTriesEachName) {
    OWSourcePin other("Form1.Other.OutputPin");
    dial->InputPin()->SetSourcePin("nil");
    EXPECT_EQ(dial->InputPin()->source(), nullptr);
    dial->InputPin()->SetSourcePin("(Form1.Missing.OutputPin, Form1.Other.OutputPin)");
    EXPECT_EQ(dial->InputPin()->source(), &other);
    display->InputPin()->SetSourcePin("nil");
    EXPECT_EQ(PinRegistry::instance().placeholderCount(), 0u) << "a placeholder without links goes";
}

TEST_F(InputPinTest, MalformedSourceNamesAreRefusedWithTheLine) {
    for (const char* bad : {"Form1.X; rm -rf /", "-Form1.X.Y", "a..b", "(Form1.X.Y, )", "Form1.X.Y\nZ"}) {
        EXPECT_THROW(dial->InputPin()->SetSourcePin(bad), std::invalid_argument) << bad;
        EXPECT_EQ(dial->InputPin()->SourcePin(), kSourceName) << "unchanged after a refusal";
    }
    std::string text = kFormDial;
    text.replace(text.find(kSourceName), std::string(kSourceName).size(), "Form1.Bad Name");
    ui::Form broken;
    EXPECT_THROW(broken.loadDescription(formWith(text), "broken form"), ui::FormError);
}

}  // namespace
}  // namespace sk::instruments::test

// Shared set-up of the instrument tests: a headless platform, a shown form with
// the page colour, and the main window's stored values for the dial, the glass
// panel and the segment display as form descriptions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/instruments/ILAngularGauge.h"
#include "controls/instruments/ILGlassPanel.h"
#include "controls/instruments/ILSegmentGauge.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace sk::instruments::test {

// The dial of the settings page with every value the main window stores.
inline const std::string kFormDial = R"(
  - object: ILAngularGauge4
    class: TILAngularGauge
    Left: 20
    Top: 10
    Width: 160
    Height: 160
    Transparent: false
    Color: 0xFF000000
    Background.UseParentColor: true
    Background.Color: 0x00F2E9C4
    Border.BevelOuter.Width.Value: 0.02
    Border.BevelInner.Width.Value: 0.02
    Border.Width.Value: 0.05
    Border.CornerRadius.Value: 0.1
    Glass.LightColor: 0x6EFFFFFF
    Caption.Text: "ILAngularGauge4"
    Caption.Font.Name: "Microsoft Sans Serif"
    Caption.Font.Style: [fsBold]
    Caption.Font.Size.Value: 0.09
    Caption.Font.Brush.Color: 0xFFFFFFFF
    Caption.Font.Pen.Enabled: false
    Caption.Font.Pen.Brush.Color: 0xFF000000
    Caption.Font.Pen.Width: 1.0
    Caption.Position.X.Value: 0
    Caption.Position.Y.Value: 0.7
    Caption.Angle: 0
    Scale.Position.Value: 0.9
    Scale.MinAngle: 315
    Scale.MaxAngle: 225
    Scale.Precision.NumberDigits: 2
    Scale.Precision.FixedPrecision: false
    Scale.MajorTicks.Visible: true
    Scale.MajorTicks.Count: 11
    Scale.MajorTicks.Thickness.Value: 0.02
    Scale.MajorTicks.Length.Value: 0.05
    Scale.MajorTicks.Brush.Color: 0xFFFFFFFF
    Scale.MajorTicks.Labels.Visible: true
    Scale.MajorTicks.Labels.Position.Value: 0.75
    Scale.MajorTicks.Labels.Font.Name: "Microsoft Sans Serif"
    Scale.MajorTicks.Labels.Font.Style: [fsBold]
    Scale.MajorTicks.Labels.Font.Size.Value: 0.09
    Scale.MajorTicks.Labels.Font.Brush.Color: 0xFFFFFFFF
    Scale.MajorTicks.Labels.Font.Pen.Enabled: false
    Scale.MajorTicks.MinTick.Visible: true
    Scale.MajorTicks.MinTick.TickLabel.Visible: true
    Scale.MajorTicks.MaxTick.Visible: true
    Scale.MajorTicks.MaxTick.TickLabel.Visible: true
    Scale.MinorTicks.Visible: true
    Scale.MinorTicks.Count: 3
    Scale.MinorTicks.Thickness.Value: 0.01
    Scale.MinorTicks.Length.Value: 0.02
    Scale.MinorTicks.Brush.Color: 0xFFFFFFFF
    Scale.MinorTicks.Labels.Visible: false
    Scale.MinorTicks.Labels.Position.Value: 0.85
    Scale.MinorTicks.Labels.Font.Size.Value: 0.065
    Scale.MinorTicks.Labels.Font.Brush.Color: 0xFF000000
    Ranges.Position.Value: 0.01
    Ranges.Width.Value: 0.025
    Ranges.Ranges:
      - Color: 0xFF00FF00
        Range: 0.3
      - Color: 0xFFFFFF00
        Range: 0.3
      - Color: 0xFFFF0000
        Range: 0.3
    Hand.Length.Value: 0.78
    Hand.TailLength.Value: 0.4
    Hand.TipWidth.Value: 0.02
    Hand.TailWidth.Value: 0.1
    Hand.TailIndentSize.Value: 0.07
    Center.Bottom.Size.Value: 0.2
    Center.Bottom.Color: 0x64808080
    Center.Top.Size.Value: 0.143
    Center.Top.Color: 0xFF708090
    Min: 0
    Max: 100
    Value: 0
    InputPin.Form: "Form1"
    InputPin.SourcePin: "Form1.ILRangeChanger1.OutputPin"
)";

// The glass panel of the compilation page with the segment display inside.
inline const std::string kFormPanel = R"(
  - object: ILGlassPanel1
    class: TILGlassPanel
    Left: 8
    Top: 216
    Width: 145
    Height: 49
    Transparent: false
    Border.BevelOuter.Width.Value: 0.05
    Border.BevelInner.Width.Value: 0.05
    Border.Width.Value: 0
    Border.CornerRadius.Value: 0.2
    Glass.LightColor: 0x6EFFFFFF
    children:
      - object: ILSegmentGauge5
        class: TILSegmentGauge
        Left: 5
        Top: 5
        Width: 135
        Height: 39
        Align: alClient
        Transparent: false
        Segments.Gap.Value: 0.01
        Segments.Width.Value: 0.13
        Segments.Color: 0xFF4040FF
        Segments.CenterColor: 0xFF00FFFF
        DecimalPoint.Visible: true
        DecimalPoint.Offset.Right.Value: 0.04
        DecimalPoint.Offset.Bottom.Value: 0.1
        DecimalPoint.Size.Value: 0.13
        Indents.Left.Value: 0.1
        Indents.Right.Value: 0.1
        Indents.Top.Value: 0.1
        Indents.Bottom.Value: 0.1
        Precision.NumberDigits: 1
        LeadingZero: false
        Sign.Visible: true
        Sign.Size.Value: 0.6
        Sign.Length.Value: 0.4
        Sign.Width.Value: 0.15
        Sign.Offsets.X.Value: 0
        Sign.Offsets.Y.Value: 0
        Sign.Offsets.Separation.Value: 0.3
        Sign.ShowPlus: false
        Min: -100
        Max: 100
        Value: 0
        InputPin.Form: "Form1"
        InputPin.SourcePin: "Form1.ILRangeChanger1.OutputPin"
)";

inline void registerInstrumentClasses() {
    ui::registerClass<TILAngularGauge>();
    ui::registerClass<TILSegmentGauge>();
    ui::registerClass<TILGlassPanel>();
}

// A form description with the given children, page-coloured like the main window's pages.
inline std::string formWith(const std::string& children) {
    return "object: Form1\nclass: TForm\nColor: 0x00F2E9C4\nClientWidth: 400\nClientHeight: 300\nchildren:" +
           children;
}

class InstrumentTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t kPageArgb = 0xFFC4E9F2;

    InstrumentTest() {
        platform::setCurrentPlatform(&m_platform);
        registerInstrumentClasses();
        m_form = std::make_unique<ui::Form>();
    }
    ~InstrumentTest() override {
        m_form.reset();
        platform::setCurrentPlatform(nullptr);
    }

    void load(const std::string& children) { m_form->loadDescription(formWith(children), "test form"); }
    template <class T>
    T* field(const std::string& name) {
        return m_form->field<T>(name);
    }
    void showForm() {
        m_form->show();
        ui::Application::instance().paintPending();
    }
    void paint() { ui::Application::instance().paintPending(); }
    const drawing::Bitmap& screen() { return m_form->backBuffer(); }
    ui::Form& form() { return *m_form; }

    platform::HeadlessPlatform m_platform;
    std::unique_ptr<ui::Form> m_form;
};

}  // namespace sk::instruments::test

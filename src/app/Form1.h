// TForm1, the main window: created from its form description
// (resources/forms/TForm1.yaml), holding the page control with the settings,
// compilation and about pages, and the handlers that couple the controls.
//
// Controls of the layout are fields named after it, bound once the description
// has been read; handlers are registered by name before reading, so the
// description binds them to events.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/AboutPage.h"
#include "app/CompilationPage.h"
#include "controls/instruments/ILAngularGauge.h"
#include "controls/instruments/ILGlassPanel.h"
#include "controls/instruments/ILSegmentGauge.h"
#include "controls/office/AdvOfficeRadioButton.h"
#include "controls/office/AdvPageControl.h"
#include "controls/office/AdvTabSheet.h"
#include "controls/office/AdvTrackBar.h"
#include "ui/Form.h"

namespace sk::app {

class TForm1 : public ui::Form {
    SK_PERSISTENT_CLASS
public:
    // Reads the embedded description "forms/TForm1.yaml"; FormCreate runs at the end.
    explicit TForm1(ui::Component* owner = nullptr);
    // For tests: reads another description text instead.
    TForm1(const std::string& description, const std::string& sourceName, ui::Component* owner = nullptr);

    // ---- Controls of the layout ----
    office::TAdvPageControl* AdvPageControl1 = nullptr;
    office::TAdvTabSheet* AdvTabSheet1 = nullptr;
    office::TAdvTabSheet* AdvTabSheet2 = nullptr;
    office::TAdvTabSheet* AdvTabSheet3 = nullptr;
    // The settings page's package buttons and compression track bar.
    office::TAdvOfficeRadioButton* AdvOfficeRadioButton1 = nullptr;
    office::TAdvOfficeRadioButton* AdvOfficeRadioButton2 = nullptr;
    office::TAdvTrackBar* AdvTrackBar1 = nullptr;

    // The dial of the settings page; the level display in its glass frame on the
    // compilation page.
    instruments::TILAngularGauge* ILAngularGauge4 = nullptr;
    instruments::TILGlassPanel* ILGlassPanel1 = nullptr;
    instruments::TILSegmentGauge* ILSegmentGauge5 = nullptr;

    // The compilation page's controls and handlers.
    CompilationPage& compilationPage() const { return *m_compilationPage; }
    // The about page's controls and its link handler.
    AboutPage& aboutPage() const { return *m_aboutPage; }

    // ---- Handlers ----
    // The window is created: its colour, then the dial from the track bar.
    void FormCreate(ui::Component* sender);
    // The settings page is shown: the dial from the track bar.
    void AdvTabSheet1Show(ui::Component* sender);
    // The track bar moved (by the user or by code): the dial follows.
    void AdvTrackBar1Change(ui::Component* sender);
    // The compilation page is shown: the package ticks and the level display.
    void AdvTabSheet2Show(ui::Component* sender);

    // The dial ILAngularGauge4 shows ten times the position of AdvTrackBar1.
    void setDialFromTrackBar();

    static constexpr ui::TColor kWindowColor = 0x00F2E9C4;

protected:
    void Loaded() override;
    void visibleChanged() override;

private:
    void registerHandlers();
    static void showPackageTicks(ui::TImage& shownA, ui::TImage& shownB, ui::TImage& hiddenA, ui::TImage& hiddenB);

    bool m_iconSet = false;
    std::unique_ptr<CompilationPage> m_compilationPage;
    std::unique_ptr<AboutPage> m_aboutPage;
};

}  // namespace sk::app

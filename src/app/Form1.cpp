// The main window: its description, its fields, its handlers and its icon.
#include "app/Form1.h"

#include <cmath>
#include <vector>

#include "drawing/Image.h"
#include "platform/EmbeddedResources.h"

namespace sk::app {

namespace {

// The application icon in every size the resources hold.
std::vector<drawing::Bitmap> applicationIcons() {
    std::vector<drawing::Bitmap> icons;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        auto bytes = platform::findResource("icons/slidekiln-" + std::to_string(size) + ".png");
        if (!bytes) continue;
        if (auto image = drawing::Image::fromBytes(*bytes)) icons.push_back(image->bitmap());
    }
    return icons;
}

}  // namespace

const ui::ClassInfo& TForm1::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TForm1>("TForm1", &ui::Form::staticClassInfo()).build();
    return info;
}
const ui::ClassInfo& TForm1::classInfo() const {
    return staticClassInfo();
}

TForm1::TForm1(ui::Component* owner) : Form(owner) {
    registerHandlers();
    loadResource("forms/TForm1.yaml");
}

TForm1::TForm1(const std::string& description, const std::string& sourceName, ui::Component* owner)
    : Form(owner) {
    registerHandlers();
    loadDescription(description, sourceName);
}

void TForm1::registerHandlers() {
    registerHandler("FormCreate", ui::TNotifyEvent([this](ui::Component* s) { FormCreate(s); }));
    registerHandler("AdvTabSheet1Show", ui::TNotifyEvent([this](ui::Component* s) { AdvTabSheet1Show(s); }));
    registerHandler("AdvTrackBar1Change",
                    ui::TNotifyEvent([this](ui::Component* s) { AdvTrackBar1Change(s); }));
    registerHandler("AdvTabSheet2Show", ui::TNotifyEvent([this](ui::Component* s) { AdvTabSheet2Show(s); }));
    m_compilationPage = std::make_unique<CompilationPage>(*this);
    m_compilationPage->registerHandlers();
    m_aboutPage = std::make_unique<AboutPage>(*this);
    m_aboutPage->registerHandlers();
}

void TForm1::Loaded() {
    Form::Loaded();
    // Every component exists once loading ends; bind the fields before the
    // Loaded steps of the controls and the create handler run.
    AdvPageControl1 = field<office::TAdvPageControl>("AdvPageControl1");
    AdvTabSheet1 = field<office::TAdvTabSheet>("AdvTabSheet1");
    AdvTabSheet2 = field<office::TAdvTabSheet>("AdvTabSheet2");
    AdvTabSheet3 = field<office::TAdvTabSheet>("AdvTabSheet3");
    AdvOfficeRadioButton1 = field<office::TAdvOfficeRadioButton>("AdvOfficeRadioButton1");
    AdvOfficeRadioButton2 = field<office::TAdvOfficeRadioButton>("AdvOfficeRadioButton2");
    AdvTrackBar1 = field<office::TAdvTrackBar>("AdvTrackBar1");
    ILAngularGauge4 = field<instruments::TILAngularGauge>("ILAngularGauge4");
    ILGlassPanel1 = field<instruments::TILGlassPanel>("ILGlassPanel1");
    ILSegmentGauge5 = field<instruments::TILSegmentGauge>("ILSegmentGauge5");
    m_compilationPage->bindControls();
    m_aboutPage->bindControls();
}

void TForm1::visibleChanged() {
    Form::visibleChanged();
    if (m_iconSet || !nativeWindow()) return;
    m_iconSet = true;
    nativeWindow()->setIcon(applicationIcons());
}

// ---- Handlers -------------------------------------------------------------------------------

void TForm1::FormCreate(ui::Component*) {
    SetColor(kWindowColor);
    setDialFromTrackBar();
}

void TForm1::AdvTabSheet1Show(ui::Component*) {
    setDialFromTrackBar();
}

void TForm1::AdvTrackBar1Change(ui::Component*) {
    setDialFromTrackBar();
}

void TForm1::AdvTabSheet2Show(ui::Component*) {
    // The handlers may run before the fields are bound (while the description
    // is read); the page is set again each time it is shown.
    if (!AdvOfficeRadioButton1 || !ILSegmentGauge5) return;
    // The ticked box beside the chosen package, the empty one beside the other;
    // both tests are made, in this order.
    CompilationPage& page = *m_compilationPage;
    if (AdvOfficeRadioButton1->Checked()) showPackageTicks(*page.Image1, *page.Image4, *page.Image2, *page.Image3);
    if (AdvOfficeRadioButton2->Checked()) showPackageTicks(*page.Image2, *page.Image3, *page.Image1, *page.Image4);
    ILSegmentGauge5->SetValue(ILAngularGauge4->Value());
}

void TForm1::showPackageTicks(ui::TImage& shownA, ui::TImage& shownB, ui::TImage& hiddenA, ui::TImage& hiddenB) {
    shownA.SetVisible(true);
    shownB.SetVisible(true);
    hiddenA.SetVisible(false);
    hiddenB.SetVisible(false);
}

void TForm1::setDialFromTrackBar() {
    // A position applied while the description is read comes before the fields
    // are bound; the dial follows once they are.
    if (!AdvTrackBar1 || !ILAngularGauge4) return;
    ILAngularGauge4->SetValue(10.0 * AdvTrackBar1->Position());
}

}  // namespace sk::app

// The main window: its description, its fields, its handlers and its icon.
#include "app/Form1.h"

#include <cmath>
#include <vector>

#include "drawing/Image.h"
#include "platform/EmbeddedResources.h"

namespace sk::app {

namespace {

const ui::PropertyInfo* findProperty(const ui::Component* component, const std::string& name) {
    return component ? component->classInfo().findProperty(name) : nullptr;
}

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
    static const ui::ClassInfo info = ui::ClassBuilder<TForm1>("TForm1", &ui::Form::staticClassInfo()).build();
    return info;
}
const ui::ClassInfo& TForm1::classInfo() const { return staticClassInfo(); }

TForm1::TForm1(ui::Component* owner) : Form(owner) {
    registerHandlers();
    loadResource("forms/TForm1.yaml");
}

TForm1::TForm1(const std::string& description, const std::string& sourceName, ui::Component* owner) : Form(owner) {
    registerHandlers();
    loadDescription(description, sourceName);
}

void TForm1::registerHandlers() {
    registerHandler("FormCreate", ui::TNotifyEvent([this](ui::Component* s) { FormCreate(s); }));
    registerHandler("AdvTabSheet1Show", ui::TNotifyEvent([this](ui::Component* s) { AdvTabSheet1Show(s); }));
    registerHandler("AdvTabSheet2Show", ui::TNotifyEvent([this](ui::Component* s) { AdvTabSheet2Show(s); }));
    m_compilationPage = std::make_unique<CompilationPage>(*this);
    m_compilationPage->registerHandlers();
}

void TForm1::Loaded() {
    Form::Loaded();
    // Every component exists once loading ends; bind the fields before the
    // Loaded steps of the controls and the create handler run.
    AdvPageControl1 = field<office::TAdvPageControl>("AdvPageControl1");
    AdvTabSheet1 = field<office::TAdvTabSheet>("AdvTabSheet1");
    AdvTabSheet2 = field<office::TAdvTabSheet>("AdvTabSheet2");
    AdvTabSheet3 = field<office::TAdvTabSheet>("AdvTabSheet3");
    m_compilationPage->bindControls();
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

void TForm1::AdvTabSheet1Show(ui::Component*) { setDialFromTrackBar(); }

void TForm1::AdvTabSheet2Show(ui::Component*) {
    // The ticked box beside the chosen package, the empty one beside the other;
    // both tests are made, in this order.
    if (boolProperty("AdvOfficeRadioButton1", "Checked").value_or(false)) {
        setBoolProperty("Image1", "Visible", true);
        setBoolProperty("Image4", "Visible", true);
        setBoolProperty("Image2", "Visible", false);
        setBoolProperty("Image3", "Visible", false);
    }
    if (boolProperty("AdvOfficeRadioButton2", "Checked").value_or(false)) {
        setBoolProperty("Image2", "Visible", true);
        setBoolProperty("Image3", "Visible", true);
        setBoolProperty("Image1", "Visible", false);
        setBoolProperty("Image4", "Visible", false);
    }
    if (auto level = numberProperty("ILAngularGauge4", "Value")) setNumberProperty("ILSegmentGauge5", "Value", *level);
}

void TForm1::setDialFromTrackBar() {
    if (auto position = numberProperty("AdvTrackBar1", "Position"))
        setNumberProperty("ILAngularGauge4", "Value", 10.0 * *position);
}

// ---- Published values by name ---------------------------------------------------------------

std::optional<double> TForm1::numberProperty(const std::string& component, const std::string& property) const {
    const ui::Component* c = findComponent(component);
    const ui::PropertyInfo* p = findProperty(c, property);
    if (!p) return std::nullopt;
    if (p->type == ui::PropertyType::Float) return p->getFloat(*c);
    if (p->type == ui::PropertyType::Integer) return static_cast<double>(p->getInt(*c));
    return std::nullopt;
}

bool TForm1::setNumberProperty(const std::string& component, const std::string& property, double value) {
    ui::Component* c = findComponent(component);
    const ui::PropertyInfo* p = findProperty(c, property);
    if (!p) return false;
    if (p->type == ui::PropertyType::Float) {
        p->setFloat(*c, value);
        return true;
    }
    if (p->type == ui::PropertyType::Integer) {
        p->setInt(*c, std::llround(value));
        return true;
    }
    return false;
}

std::optional<bool> TForm1::boolProperty(const std::string& component, const std::string& property) const {
    const ui::Component* c = findComponent(component);
    const ui::PropertyInfo* p = findProperty(c, property);
    if (!p || p->type != ui::PropertyType::Boolean) return std::nullopt;
    return p->getBool(*c);
}

bool TForm1::setBoolProperty(const std::string& component, const std::string& property, bool value) {
    ui::Component* c = findComponent(component);
    const ui::PropertyInfo* p = findProperty(c, property);
    if (!p || p->type != ui::PropertyType::Boolean) return false;
    p->setBool(*c, value);
    return true;
}

}  // namespace sk::app

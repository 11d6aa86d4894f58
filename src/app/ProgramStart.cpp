// Program start: fonts, class registration, title and main window.
#include "app/ProgramStart.h"

#include <string_view>

#include "controls/instruments/ILAngularGauge.h"
#include "controls/instruments/ILGlassPanel.h"
#include "controls/instruments/ILSegmentGauge.h"
#include "controls/office/AdvFileNameEdit.h"
#include "controls/office/AdvOfficeRadioButton.h"
#include "controls/office/AdvGlowButton.h"
#include "controls/office/AdvPageControl.h"
#include "controls/office/AdvTabSheet.h"
#include "controls/office/dxfLabel.h"
#include "controls/smooth/AdvReflectionLabel.h"
#include "controls/smooth/AdvSmoothLabel.h"
#include "controls/office/AdvTrackBar.h"
#include "controls/smooth/AdvSmoothPanel.h"
#include "drawing/FontConfiguration.h"
#include "platform/EmbeddedResources.h"
#include "ui/Application.h"

namespace sk::app {

bool installFonts() {
    auto config = platform::findResource("fonts/fonts.conf");
    if (!config) return false;
    return drawing::installFontConfiguration(
        std::string_view(reinterpret_cast<const char*>(config->data()), config->size()));
}

void registerFormClasses() {
    ui::registerStandardClasses();
    ui::registerClass<office::TAdvPageControl>();
    ui::registerClass<office::TAdvTabSheet>();
    ui::registerClass<office::TAdvEdit>();
    ui::registerClass<office::TAdvEditBtn>();
    ui::registerClass<office::TAdvFileNameEdit>();
    ui::registerClass<office::TAdvGlowButton>();
    ui::registerClass<office::TdxfLabel>();
    ui::registerClass<smooth::TAdvSmoothPanel>();
    ui::registerClass<smooth::TAdvReflectionLabel>();
    ui::registerClass<smooth::TAdvSmoothLabel>();
    ui::registerClass<instruments::TILAngularGauge>();
    ui::registerClass<instruments::TILGlassPanel>();
    ui::registerClass<instruments::TILSegmentGauge>();
    ui::registerClass<office::TAdvTrackBar>();
    ui::registerClass<office::TAdvOfficeRadioButton>();
}

std::unique_ptr<TForm1> createMainWindow() {
    ui::Application& application = ui::Application::instance();
    application.SetTitle(kApplicationTitle);
    registerFormClasses();
    auto form = std::make_unique<TForm1>();
    application.SetMainForm(form.get());
    return form;
}

}  // namespace sk::app

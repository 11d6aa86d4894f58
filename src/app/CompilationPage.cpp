// The compilation page: output path handling and the compile action.
#include "app/CompilationPage.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

#include "builder/BuildProcedure.h"
#include "controls/office/AdvOfficeRadioButton.h"
#include "controls/office/AdvTrackBar.h"
#include "platform/Platform.h"
#include "ui/Application.h"

namespace sk::app {

CompilationPage::CompilationPage(ui::Form& form) : m_form(form) {}

CompilationPage::~CompilationPage() = default;

void CompilationPage::registerHandlers() {
    m_form.registerHandler("AdvFileNameEdit1Change",
                           ui::TNotifyEvent([this](ui::Component* s) { AdvFileNameEdit1Change(s); }));
    m_form.registerHandler("AdvFileNameEdit2Change",
                           ui::TNotifyEvent([this](ui::Component* s) { AdvFileNameEdit2Change(s); }));
    m_form.registerHandler("AdvGlowButton3Click",
                           ui::TNotifyEvent([this](ui::Component* s) { AdvGlowButton3Click(s); }));
}

void CompilationPage::bindControls() {
    Label1 = m_form.field<ui::TLabel>("Label1");
    Label2 = m_form.field<ui::TLabel>("Label2");
    Label3 = m_form.field<ui::TLabel>("Label3");
    Image1 = m_form.field<ui::TImage>("Image1");
    Image2 = m_form.field<ui::TImage>("Image2");
    Image3 = m_form.field<ui::TImage>("Image3");
    Image4 = m_form.field<ui::TImage>("Image4");
    Edit1 = m_form.field<ui::TEdit>("Edit1");
    AdvFileNameEdit1 = m_form.field<office::TAdvFileNameEdit>("AdvFileNameEdit1");
    AdvGlowButton3 = m_form.field<office::TAdvGlowButton>("AdvGlowButton3");
    AdvFileNameEdit2 = m_form.field<office::TAdvFileNameEdit>("AdvFileNameEdit2");

    // The layout names the output on a Windows drive ("C:\presentation.exe").
    Edit1->SetText(localPath(Edit1->Text()));
    AdvFileNameEdit2->SetText(localPath(AdvFileNameEdit2->Text()));
}

// ---- Handlers --------------------------------------------------------------------

void CompilationPage::AdvFileNameEdit1Change(ui::Component*) {}

void CompilationPage::AdvFileNameEdit2Change(ui::Component*) {
    // Always appended, also to a name that ends in ".exe" already.
    Edit1->SetText(AdvFileNameEdit2->FileName() + ".exe");
}

void CompilationPage::AdvGlowButton3Click(ui::Component*) {
    const builder::BuildRequest request = buildRequest();
    if (m_launcher) {
        builder::BuildProcedure(*this, m_programFolder, *m_launcher).run(request);
    } else {
        builder::BuildProcedure(*this).run(request);
    }
}

builder::BuildRequest CompilationPage::buildRequest() const {
    builder::BuildRequest request;
    // The settings page as it stands at the press. Only code can uncheck both
    // buttons; the 2003 package, the one checked at start, is built then.
    const bool package2003 = m_form.field<office::TAdvOfficeRadioButton>("AdvOfficeRadioButton1")->Checked();
    const bool package2007 = m_form.field<office::TAdvOfficeRadioButton>("AdvOfficeRadioButton2")->Checked();
    request.package =
        package2007 && !package2003 ? builder::PackageKind::Package2007 : builder::PackageKind::Package2003;
    request.level = m_form.field<office::TAdvTrackBar>("AdvTrackBar1")->Position();
    request.sourcePath = AdvFileNameEdit1->FileName();
    request.outputPath = Edit1->Text();
    return request;
}

void CompilationPage::setBuildTools(std::string programFolder, builder::ToolLauncher* launcher) {
    m_programFolder = std::move(programFolder);
    m_launcher = launcher;
}

void CompilationPage::showMessage(const std::string& text) {
    platform::currentPlatform().messageBox(ui::Application::instance().Title(), text,
                                           platform::MessageIcon::None, m_form.nativeWindow());
}

// ---- Paths ------------------------------------------------------------------------

std::string CompilationPage::homeFolder() {
    const char* home = std::getenv("HOME");
    std::string folder = home && *home ? home : "";
    if (folder.empty())
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) folder = entry->pw_dir;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string CompilationPage::localPath(const std::string& windowsPath) {
    const bool driveRoot = windowsPath.size() >= 3 &&
                           std::isalpha(static_cast<unsigned char>(windowsPath[0])) &&
                           windowsPath[1] == ':' && windowsPath[2] == '\\';
    if (!driveRoot) return windowsPath;
    std::string rest = windowsPath.substr(3);
    for (char& c : rest)
        if (c == '\\') c = '/';
    const std::string home = homeFolder();
    return (home == "/" ? "" : home) + "/" + rest;
}

}  // namespace sk::app

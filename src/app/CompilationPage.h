// The compilation page of the main window (AdvTabSheet2): its controls, the
// handlers of the two file fields and of the compile button, and the build
// request read from the window when the button is pressed.
//
// The page is a part of TForm1: the form creates it before reading its
// description (so the handlers are there to be bound) and binds its controls
// once the description has been read.
#pragma once

#include <memory>
#include <string>

#include "builder/BuildRequest.h"
#include "builder/MessageSink.h"
#include "builder/ToolLauncher.h"
#include "controls/office/AdvFileNameEdit.h"
#include "controls/office/AdvGlowButton.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace sk::app {

class CompilationPage : private builder::MessageSink {
public:
    explicit CompilationPage(ui::Form& form);
    ~CompilationPage() override;
    CompilationPage(const CompilationPage&) = delete;
    CompilationPage& operator=(const CompilationPage&) = delete;

    // Registers the page's handlers with the form; before its description is read.
    void registerHandlers();
    // Binds the controls once the description has been read (while the controls
    // are still loading, so that no change handler runs) and turns the stored
    // Windows output path into a path of this system.
    void bindControls();

    // ---- Controls of the page ----
    ui::TLabel* Label1 = nullptr;
    ui::TLabel* Label2 = nullptr;
    ui::TLabel* Label3 = nullptr;
    ui::TImage* Image1 = nullptr;
    ui::TImage* Image2 = nullptr;
    ui::TImage* Image3 = nullptr;
    ui::TImage* Image4 = nullptr;
    ui::TEdit* Edit1 = nullptr;
    office::TAdvFileNameEdit* AdvFileNameEdit1 = nullptr;
    office::TAdvGlowButton* AdvGlowButton3 = nullptr;
    office::TAdvFileNameEdit* AdvFileNameEdit2 = nullptr;

    // ---- Handlers ----
    // The source field changed: nothing to do; the source is read at the press.
    void AdvFileNameEdit1Change(ui::Component* sender);
    // The output browse field changed: its name plus ".exe" becomes the output path.
    void AdvFileNameEdit2Change(ui::Component* sender);
    // The compile button: runs the build with the request read from the window now.
    void AdvGlowButton3Click(ui::Component* sender);

    // The four values of a build as the window holds them now.
    builder::BuildRequest buildRequest() const;

    // The outside tools to build with: a program folder (ending in "/") and a
    // launcher, e.g. fake tools in tests. Without, the real ones next to the program.
    void setBuildTools(std::string programFolder, builder::ToolLauncher* launcher);

    // A path of the classic system as a path of this one: a drive root ("C:\")
    // becomes the user's home folder, backslashes become slashes. Other text is
    // returned unchanged.
    static std::string localPath(const std::string& windowsPath);
    // The user's home folder, without a trailing "/".
    static std::string homeFolder();

private:
    void showMessage(const std::string& text) override;

    ui::Form& m_form;
    std::string m_programFolder;
    builder::ToolLauncher* m_launcher = nullptr;
};

}  // namespace sk::app

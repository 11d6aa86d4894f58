// TAdvFileNameEdit: the edit whose button opens the platform's file dialog; the
// file chosen there becomes the text. FileName is the text under another name.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/office/AdvEditBtn.h"
#include "controls/office/FileNameDialog.h"

namespace sk::office {

using TDialogExitEvent = std::function<void(ui::Component* sender, bool accepted)>;

class TAdvFileNameEdit : public TAdvEditBtn {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvFileNameEdit(ui::Component* owner = nullptr);

    const std::string& FileName() const { return Text(); }
    void SetFileName(const std::string& value) { SetText(value); }
    TFileDialogKind DialogKind() const { return m_settings.kind; }
    void SetDialogKind(TFileDialogKind value) { m_settings.kind = value; }
    const std::string& DialogTitle() const { return m_settings.title; }
    void SetDialogTitle(const std::string& value) { m_settings.title = value; }
    const std::string& Filter() const { return m_settings.filter; }
    void SetFilter(const std::string& value) { m_settings.filter = value; }
    int FilterIndex() const { return m_settings.filterIndex; }
    void SetFilterIndex(int value) { m_settings.filterIndex = value; }
    const std::string& DefaultExt() const { return m_settings.defaultExt; }
    void SetDefaultExt(const std::string& value) { m_settings.defaultExt = value; }
    const std::string& InitialDir() const { return m_settings.initialDir; }
    void SetInitialDir(const std::string& value) { m_settings.initialDir = value; }
    std::uint32_t DialogOptions() const { return m_settings.options; }
    void SetDialogOptions(std::uint32_t value) { m_settings.options = value; }

    TDialogExitEvent OnDialogExit;

    // Opens the dialog; the text becomes the chosen file when the user accepts.
    void browse();

protected:
    void buttonAction() override { browse(); }

private:
    FileNameDialogSettings m_settings;
};

}  // namespace sk::office

// The file name edit's browse action.
#include "controls/office/AdvFileNameEdit.h"

#include "platform/Platform.h"
#include "ui/Form.h"

namespace sk::office {

namespace {
const ui::EnumNames kDialogKindNames{"TFileDialogKind", {"fdOpen", "fdSave", "fdOpenPicture", "fdSavePicture"}};
const ui::EnumNames kOpenOptionNames{
    "TOpenOption",
    {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
     "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
     "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
     "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing", "ofDontAddToRecent",
     "ofForceShowHidden"}};
// The bitmap resource of the default glyph.
constexpr const char* kFolderGlyph = "glyphs/open-folder.bmp";
}  // namespace

const ui::ClassInfo& TAdvFileNameEdit::staticClassInfo() {
    using E = TAdvFileNameEdit;
    static const ui::ClassInfo info =
        ui::ClassBuilder<E>("TAdvFileNameEdit", &TAdvEditBtn::staticClassInfo())
            .creatable()
            .string("DefaultExt", &E::DefaultExt, &E::SetDefaultExt)
            .enumeration("DialogKind", &E::DialogKind, &E::SetDialogKind, fdOpen, kDialogKindNames)
            .setOf("DialogOptions", &E::DialogOptions, &E::SetDialogOptions, 0, kOpenOptionNames)
            .string("DialogTitle", &E::DialogTitle, &E::SetDialogTitle)
            .string("Filter", &E::Filter, &E::SetFilter)
            .integer("FilterIndex", &E::FilterIndex, &E::SetFilterIndex, 0LL)
            .string("InitialDir", &E::InitialDir, &E::SetInitialDir)
            .event("OnDialogExit", &E::OnDialogExit)
            .build();
    return info;
}
const ui::ClassInfo& TAdvFileNameEdit::classInfo() const { return staticClassInfo(); }

TAdvFileNameEdit::TAdvFileNameEdit(ui::Component* owner) : TAdvEditBtn(owner) {
    Glyph()->loadFromResource(kFolderGlyph);
}

void TAdvFileNameEdit::browse() {
    platform::FileDialogRequest request = fileDialogRequest(m_settings, Text());
    if (const ui::Form* form = parentForm()) request.owner = form->nativeWindow();
    if (OnClickBtn) OnClickBtn(this);
    const std::optional<platform::FileDialogResult> result = platform::currentPlatform().fileDialog(request);
    if (result) {
        SetText(result->fileName);
        m_settings.filterIndex = result->filterIndex;
        if (OnDialogExit) OnDialogExit(this, true);
        SetModified(true);
    } else {
        if (OnDialogExit) OnDialogExit(this, false);
    }
}

}  // namespace sk::office

// What the file name edit asks of the platform's file dialog: the request built
// from the edit's properties and text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace sk::office {

enum TFileDialogKind { fdOpen, fdSave, fdOpenPicture, fdSavePicture };

// The open-dialog options, as bits of TAdvFileNameEdit::DialogOptions.
enum TOpenOption : std::uint32_t {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
    ofDontAddToRecent = 1u << 20,
    ofForceShowHidden = 1u << 21,
};

struct FileNameDialogSettings {
    TFileDialogKind kind = fdOpen;
    std::string title;
    std::string filter;
    int filterIndex = 0;
    std::string defaultExt;
    std::string initialDir;
    std::uint32_t options = 0;
};

// The initial name of the dialog: the text without one trailing folder
// separator, so that a folder path opens as that folder's name ("/data/" gives
// "/data"). The root "/" stays as it is.
std::string initialDialogName(const std::string& text);

// The request for the platform: the picture kinds use the same dialogs as the
// file kinds, with an image filter when the edit gives none.
platform::FileDialogRequest fileDialogRequest(const FileNameDialogSettings& settings, const std::string& text);

}  // namespace sk::office

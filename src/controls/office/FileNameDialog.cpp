// The file name edit's dialog request.
#include "controls/office/FileNameDialog.h"

namespace sk::office {

namespace {

constexpr const char* kPictureFilter =
    "All pictures|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.ico;*.tif;*.tiff|PNG|*.png|JPEG|*.jpg;*.jpeg|Bitmaps|*.bmp";

}  // namespace

std::string initialDialogName(const std::string& text) {
    if (text.size() > 1 && text.back() == '/') return text.substr(0, text.size() - 1);
    return text;
}

platform::FileDialogRequest fileDialogRequest(const FileNameDialogSettings& s, const std::string& text) {
    platform::FileDialogRequest request;
    const bool save = s.kind == fdSave || s.kind == fdSavePicture;
    const bool picture = s.kind == fdOpenPicture || s.kind == fdSavePicture;
    request.kind = save ? platform::FileDialogKind::Save : platform::FileDialogKind::Open;
    request.title = s.title;
    request.initialFileName = initialDialogName(text);
    request.initialFolder = s.initialDir;
    request.filter = (picture && s.filter.empty()) ? kPictureFilter : s.filter;
    request.filterIndex = s.filterIndex;
    request.defaultExtension = s.defaultExt;
    request.overwritePrompt = (s.options & ofOverwritePrompt) != 0;
    request.fileMustExist = (s.options & ofFileMustExist) != 0;
    return request;
}

}  // namespace sk::office

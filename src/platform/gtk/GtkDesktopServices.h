// Desktop services of the GTK backend that the markup renderer asks for: icons
// of the desktop icon theme by file name or type, and fetching a web address's
// bytes through GIO without blocking the event loop.
#pragma once

#include <optional>
#include <string>

#include "drawing/Bitmap.h"
#include "platform/Platform.h"

namespace sk::platform {

std::optional<drawing::Bitmap> themedFileIcon(const std::string& fileNameOrType, bool large);
void fetchUriBytes(const std::string& url, Platform::FetchDone done);

}  // namespace sk::platform

// Where the pictures of a markup text come from: an image list for "IDX:n"
// sources and a picture container for sources named without a ":". Controls
// that own such lists pass them to DrawHtmlText; either may be absent.
#pragma once

#include <string_view>

#include "drawing/Bitmap.h"

namespace sk::smooth {

class HtmlImageList {
public:
    virtual ~HtmlImageList() = default;
    // The image at a 0-based index, or none when the index is out of range.
    virtual const drawing::Bitmap* imageAt(int index) const = 0;
};

class HtmlPictureContainer {
public:
    virtual ~HtmlPictureContainer() = default;
    // The picture of that name (names compare without regard to case), or none.
    virtual const drawing::Bitmap* pictureNamed(std::string_view name) const = 0;
};

}  // namespace sk::smooth

// The stored names of the smooth controls' caption locations.
#include "controls/smooth/SmoothLocation.h"

namespace sk::smooth {

const ui::EnumNames& smoothLocationNames() {
    static const ui::EnumNames names{
        "TAdvSmoothLabelLocation",
        {"plTopLeft", "plTopCenter", "plTopRight", "plCenterLeft", "plCenterCenter", "plCenterRight",
         "plBottomLeft", "plBottomCenter", "plBottomRight", "plCustom"}};
    return names;
}

}  // namespace sk::smooth

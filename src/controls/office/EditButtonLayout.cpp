// The layout rules of an edit with a built-in button.
#include "controls/office/EditButtonLayout.h"

#include <algorithm>

namespace sk::office {

drawing::Rect editButtonBounds(const EditButtonFrame& f) {
    const int inset = f.flat ? 3 : (f.singleBorder ? 4 : 1);
    const int extra = f.ctl3D ? 0 : 2;
    if (f.newStyleControls && f.ctl3D) {
        return {f.field.width - f.buttonWidth - inset - extra, f.flat ? 2 : 0, f.buttonWidth, f.field.height - inset};
    }
    return {f.field.width - f.buttonWidth - extra, 1, f.buttonWidth, f.field.height - 2};
}

drawing::Rect editTextRect(const EditButtonFrame& f) {
    int left = f.singleBorder ? 1 : 2;
    const int top = f.singleBorder ? 1 : 4;
    if (!f.ctl3D) left = 2;
    const int right = f.client.width - f.buttonWidth - 3;
    const int bottom = f.client.height + 1;
    return drawing::Rect::fromEdges(left, top, std::max(left, right), bottom);
}

int editMinimumHeight(int fontTextHeight, int screenFontTextHeight) {
    return fontTextHeight + std::min(fontTextHeight, screenFontTextHeight) / 4;
}

}  // namespace sk::office

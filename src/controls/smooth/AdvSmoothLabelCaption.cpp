// The smooth label's caption: its defaults and the order it streams its values.
#include "controls/smooth/AdvSmoothLabelCaption.h"

namespace sk::smooth {

using C = TAdvSmoothLabelCaption;

namespace {
constexpr SmoothCaption::Defaults kDefaults{plCenterCenter, 20, 0xFFE09F, 0x754F00};
}  // namespace

const ui::ClassInfo& C::staticClassInfo() {
    static const ui::ClassInfo info = [] {
        ui::ClassBuilder<C> builder("TAdvSmoothLabelCaption", &ui::Persistent::staticClassInfo());
        builder.string("Text", &C::Text, &C::SetText)
            .enumeration("Location", &C::Location, &C::SetLocation, kDefaults.location, labelLocationNames())
            .object("Font", &C::Font)
            .storeWhole()
            .integer("Left", &C::Left, &C::SetLeft)
            .integer("Top", &C::Top, &C::SetTop)
            .object("Picture", &C::Picture);
        return publishGlyphFill(builder, kDefaults).event("OnChange", &C::OnChange).build();
    }();
    return info;
}
const ui::ClassInfo& C::classInfo() const {
    return staticClassInfo();
}

C::TAdvSmoothLabelCaption() : SmoothCaption(kDefaults) {}

}  // namespace sk::smooth

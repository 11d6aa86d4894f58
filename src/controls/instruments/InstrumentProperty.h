// The base of the instruments' drawing-property objects (sizes, brushes, pens,
// fonts, bevels, scales): a persistent object that reports its own changes and
// those of the sub-objects it owns to its owner, so that a change anywhere in the
// tree reaches the control as one change.
#pragma once

#include <string>

#include "ui/Collection.h"
#include "ui/Persistent.h"

namespace sk::instruments {

class InstrumentProperty : public ui::Persistent {
public:
    // Reports a change, as a setter does (for owners that change values directly).
    void notifyChanged() { changed(); }

protected:
    InstrumentProperty() = default;

    // A sub-object's changes become this object's changes.
    void adopt(ui::Persistent& child) {
        child.setChangeHandler([this](ui::Persistent*) { changed(); });
    }
    // Stores a value and reports the change; nothing happens when it is unchanged.
    template <class V>
    void update(V& member, const V& value) {
        if (member == value) return;
        member = value;
        changed();
    }
};

// The shortest decimal that reads back as the same float, for storing 32-bit
// values without noise ("0.02" rather than "0.0199999995529651").
double storedFloat(float value);

}  // namespace sk::instruments

// Defines classInfo() of a class whose staticClassInfo() is defined next to it.
#define SK_INSTRUMENT_CLASS_INFO(Class)                   \
    const ::sk::ui::ClassInfo& Class::classInfo() const { \
        return staticClassInfo();                         \
    }

namespace sk::instruments {}  // namespace sk::instruments

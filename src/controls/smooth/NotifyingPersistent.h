// NotifyingPersistent: a value object of the smooth controls (a fill, a caption)
// that raises OnChange, with itself as sender, after every change of its values
// and those of the objects it owns, and once for an assign of many values.
#pragma once

#include "ui/Persistent.h"
#include "ui/UiTypes.h"

namespace sk::smooth {

class NotifyingPersistent : public ui::Persistent {
public:
    ui::TNotifyEventPersistent OnChange;

    // Copies every value (owned objects by content); reports one change.
    void assign(const ui::Persistent& source) override;

protected:
    void changed() override;

private:
    bool m_assigning = false;
};

}  // namespace sk::smooth

// One change per assign: the values copied one by one stay silent until the end.
#include "controls/smooth/NotifyingPersistent.h"

namespace sk::smooth {

void NotifyingPersistent::changed() {
    if (m_assigning) return;
    ui::Persistent::changed();
    if (OnChange) OnChange(this);
}

void NotifyingPersistent::assign(const ui::Persistent& source) {
    if (&source == this) return;
    m_assigning = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_assigning};
    ui::Persistent::assign(source);
    m_assigning = false;
    changed();
}

}  // namespace sk::smooth

// The base of everything that has published properties: components and the
// sub-objects they own (fonts, fills, thumbs, collection items). A sub-object
// reports each change of its values to its owner through the change handler,
// which typically repaints the owning control.
#pragma once

#include <functional>

#include "ui/Properties.h"

namespace sk::ui {

class Persistent {
public:
    Persistent() = default;
    Persistent(const Persistent&) = delete;
    Persistent& operator=(const Persistent&) = delete;
    virtual ~Persistent() = default;

    static const ClassInfo& staticClassInfo();
    virtual const ClassInfo& classInfo() const;

    // Called after every change of a published value (once per change).
    void setChangeHandler(std::function<void(Persistent*)> handler) { m_changeHandler = std::move(handler); }

    // Copies all published values of another object of the same class
    // (sub-objects and collections included); reports one change.
    virtual void assign(const Persistent& source);

protected:
    // Reports a change to the change handler.
    virtual void changed();

private:
    std::function<void(Persistent*)> m_changeHandler;
};

}  // namespace sk::ui

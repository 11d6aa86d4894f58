// Collections of persistent items.
#include "ui/Collection.h"

#include <stdexcept>

namespace sk::ui {

const ClassInfo& CollectionItem::staticClassInfo() {
    static const ClassInfo info("TCollectionItem", &Persistent::staticClassInfo());
    return info;
}
const ClassInfo& CollectionItem::classInfo() const {
    return staticClassInfo();
}

int CollectionItem::index() const {
    if (!m_collection) return -1;
    for (int i = 0; i < m_collection->count(); ++i)
        if (m_collection->item(i) == this) return i;
    return -1;
}

void CollectionItem::changed() {
    Persistent::changed();
    if (m_collection) m_collection->changed();
}

const ClassInfo& Collection::staticClassInfo() {
    static const ClassInfo info("TCollection", &Persistent::staticClassInfo());
    return info;
}
const ClassInfo& Collection::classInfo() const {
    return staticClassInfo();
}

CollectionItem* Collection::add() {
    m_items.push_back(m_factory(this));
    m_items.back()->m_collection = this;
    changed();
    return m_items.back().get();
}

void Collection::remove(int index) {
    if (index < 0 || index >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    m_items.erase(m_items.begin() + index);
    changed();
}

void Collection::clear() {
    if (m_items.empty()) return;
    m_items.clear();
    changed();
}

void Collection::endUpdate() {
    if (m_updating > 0 && --m_updating == 0 && m_changedWhileUpdating) {
        m_changedWhileUpdating = false;
        changed();
    }
}

void Collection::changed() {
    if (m_updating > 0) {
        m_changedWhileUpdating = true;
        return;
    }
    Persistent::changed();
}

void Collection::assign(const Persistent& source) {
    const auto* other = dynamic_cast<const Collection*>(&source);
    if (!other) return Persistent::assign(source);
    if (other == this) return;
    beginUpdate();
    m_items.clear();
    for (const auto& item : other->m_items) add()->assign(*item);
    m_changedWhileUpdating = true;
    endUpdate();
}

}  // namespace sk::ui

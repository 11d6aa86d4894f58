// A list of persistent items owned by a control (gauge ranges, tab items):
// streamed as a sequence, each item with its own published properties. A
// change of an item or of the list is reported through the collection's
// change handler.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/Persistent.h"

namespace sk::ui {

class Collection;

class CollectionItem : public Persistent {
    SK_PERSISTENT_CLASS
public:
    explicit CollectionItem(Collection* collection = nullptr) : m_collection(collection) {}
    Collection* collection() const { return m_collection; }
    int index() const;

protected:
    void changed() override;

private:
    friend class Collection;
    Collection* m_collection;
};

class Collection : public Persistent {
    SK_PERSISTENT_CLASS
public:
    using ItemFactory = std::function<std::unique_ptr<CollectionItem>(Collection*)>;
    Collection(const ClassInfo& itemClass, ItemFactory factory)
        : m_itemClass(itemClass), m_factory(std::move(factory)) {}

    const ClassInfo& itemClass() const { return m_itemClass; }
    int count() const { return static_cast<int>(m_items.size()); }
    CollectionItem* item(int index) const { return m_items.at(static_cast<std::size_t>(index)).get(); }
    template <class I>
    I* itemAs(int index) const {
        return static_cast<I*>(item(index));
    }
    CollectionItem* add();
    void remove(int index);
    void clear();

    // Changes of several items report one change at the end.
    void beginUpdate() { ++m_updating; }
    void endUpdate();

    void assign(const Persistent& source) override;

protected:
    void changed() override;

private:
    friend class CollectionItem;
    const ClassInfo& m_itemClass;
    ItemFactory m_factory;
    std::vector<std::unique_ptr<CollectionItem>> m_items;
    int m_updating = 0;
    bool m_changedWhileUpdating = false;
};

// A collection of items of one class I, created with new I(collection).
template <class I>
class TypedCollection : public Collection {
public:
    TypedCollection()
        : Collection(I::staticClassInfo(), [](Collection* c) { return std::make_unique<I>(c); }) {}
    I* operator[](int index) const { return itemAs<I>(index); }
    I* addItem() { return static_cast<I*>(add()); }
};

}  // namespace sk::ui

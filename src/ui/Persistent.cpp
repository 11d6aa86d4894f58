// Published-property bookkeeping shared by every persistent class.
#include "ui/Persistent.h"

#include <stdexcept>

#include "ui/Collection.h"

namespace sk::ui {

const ClassInfo& Persistent::staticClassInfo() {
    static const ClassInfo info("TPersistent", nullptr);
    return info;
}

const ClassInfo& Persistent::classInfo() const {
    return staticClassInfo();
}

void Persistent::changed() {
    if (m_changeHandler) m_changeHandler(this);
}

namespace {

void copyProperties(Persistent& target, const Persistent& source) {
    // Reading needs a non-const object for sub-objects; the source is not changed.
    auto& src = const_cast<Persistent&>(source);
    for (const PropertyInfo* p : source.classInfo().properties()) {
        switch (p->type) {
            case PropertyType::Integer:
            case PropertyType::Enumeration:
            case PropertyType::Set:
            case PropertyType::Color:
            case PropertyType::ARGBColor:
                p->setInt(target, p->getInt(source));
                break;
            case PropertyType::Float:
                p->setFloat(target, p->getFloat(source));
                break;
            case PropertyType::Boolean:
                p->setBool(target, p->getBool(source));
                break;
            case PropertyType::String:
                p->setString(target, p->getString(source));
                break;
            case PropertyType::StringList:
                p->setStrings(target, p->getStrings(source));
                break;
            case PropertyType::Binary:
                p->setBinary(target, p->getBinary(source));
                break;
            case PropertyType::Object:
            case PropertyType::Collection: {
                Persistent* from = p->getObject(src);
                Persistent* to = p->getObject(target);
                if (from && to) to->assign(*from);
                break;
            }
            case PropertyType::Reference:
                p->setReference(target, p->getReference(source));
                break;
            case PropertyType::Event:
                break;  // handlers belong to their form, not to values
        }
    }
}

}  // namespace

void Persistent::assign(const Persistent& source) {
    if (&source == this) return;
    if (!source.classInfo().inheritsFrom(classInfo()) && !classInfo().inheritsFrom(source.classInfo()))
        throw std::invalid_argument("Cannot assign a " + source.classInfo().name() + " to a " +
                                    classInfo().name());
    // Collect the change notifications of the single setters into one.
    auto handler = std::move(m_changeHandler);
    m_changeHandler = nullptr;
    try {
        copyProperties(*this, source);
    } catch (...) {
        m_changeHandler = std::move(handler);
        throw;
    }
    m_changeHandler = std::move(handler);
    changed();
}

// ---- ClassInfo -------------------------------------------------------------

int EnumNames::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

const std::string& EnumNames::nameOf(int index) const {
    if (index < 0 || index >= static_cast<int>(names.size()))
        throw std::out_of_range("Value " + std::to_string(index) + " is not in " + typeName);
    return names[static_cast<std::size_t>(index)];
}

const std::string* IntIdents::nameOf(long long value) const {
    for (const auto& [name, v] : entries)
        if (v == value) return &name;
    return nullptr;
}

const long long* IntIdents::valueOf(std::string_view name) const {
    for (const auto& [n, v] : entries)
        if (n == name) return &v;
    return nullptr;
}

bool ClassInfo::inheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c; c = c->m_parent)
        if (c == &other || c->m_name == other.m_name) return true;
    return false;
}

std::vector<const PropertyInfo*> ClassInfo::properties() const {
    std::vector<const PropertyInfo*> result =
        m_parent ? m_parent->properties() : std::vector<const PropertyInfo*>{};
    for (const PropertyInfo& p : m_properties) {
        // A class may publish a property again (to move it or change its accessors):
        // the later registration replaces the earlier one at the earlier place.
        bool replaced = false;
        for (auto& existing : result)
            if (existing->name == p.name) {
                existing = &p;
                replaced = true;
            }
        if (!replaced) result.push_back(&p);
    }
    return result;
}

const PropertyInfo* ClassInfo::findProperty(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->m_parent)
        for (const PropertyInfo& p : c->m_properties)
            if (p.name == name) return &p;
    return nullptr;
}

const PropertyDefault& ClassInfo::defaultFor(const PropertyInfo& property) const {
    for (const ClassInfo* c = this; c; c = c->m_parent) {
        auto it = c->m_defaultOverrides.find(property.name);
        if (it != c->m_defaultOverrides.end()) return it->second;
        for (const PropertyInfo& p : c->m_properties)
            if (&p == &property) return property.defaultValue;
    }
    return property.defaultValue;
}

}  // namespace sk::ui

// Published properties: what a class tells the form streaming about itself.
// Every streamable class registers, once, its properties in their stored order
// (name, type, getter, setter, default), its parent class and, for components,
// how to create an instance. The reader applies values through the setters, the
// writer reads them through the getters and stores only values that differ from
// the defaults.
//
// A class declares SK_PERSISTENT_CLASS in its body and builds its ClassInfo in
// its source file with a ClassBuilder (see the example in Control.h).
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace sk::ui {

class Persistent;
class Component;

enum class PropertyType {
    Integer,  // whole numbers, optionally with names for some values (Charset)
    Float,    // floating point numbers
    Boolean,
    String,       // UTF-8 text
    Enumeration,  // one of a list of names (ggVertical); stored as its index
    Set,          // a set of names of one enumeration ([fsBold]); stored as a bit mask
    Color,        // a window colour 0x00BBGGRR or a system colour; by number or name (clRed)
    ARGBColor,    // a 0xAARRGGBB colour
    Object,       // a persistent sub-object; its properties are addressed as Name.Sub
    Collection,   // a list of items, each a persistent object
    StringList,   // a list of strings
    Binary,       // bytes (pictures as their image files' bytes), inline or an embedded resource
    Event,        // a handler of the form, bound by its name
    Reference,    // another component of the same form, by its name (ActivePage, FocusControl)
};

// Names of the values of one enumeration, in value order.
struct EnumNames {
    std::string typeName;
    std::vector<std::string> names;

    int indexOf(std::string_view name) const;    // -1 when unknown
    const std::string& nameOf(int index) const;  // throws for an index out of range
};

// Names for particular values of an integer or colour property (clRed, RUSSIAN_CHARSET).
struct IntIdents {
    std::vector<std::pair<std::string, long long>> entries;

    const std::string* nameOf(long long value) const;
    const long long* valueOf(std::string_view name) const;
};

// Bytes of a binary property. When they came from an embedded resource, the
// resource's name is kept so that writing the description refers to it again.
struct BinaryData {
    std::vector<unsigned char> bytes;
    std::string resource;
    friend bool operator==(const BinaryData&, const BinaryData&) = default;
};

// The default of a scalar property; monostate: no default, the value is always stored.
using PropertyDefault = std::variant<std::monostate, long long, double, bool, std::string>;

struct PropertyInfo {
    std::string name;
    PropertyType type = PropertyType::Integer;
    const EnumNames* enumNames = nullptr;  // Enumeration, Set
    const IntIdents* idents = nullptr;     // Integer, Color
    PropertyDefault defaultValue;
    // Object: store every sub-property, defaults included (a control's own font,
    // so that reading never falls back to the parent's values).
    bool storeWhole = false;
    // Left out of a whole sub-object when at its default (a font's pitch).
    bool omitDefaultInWhole = false;
    // Further condition for storing (e.g. Font only while ParentFont is false).
    std::function<bool(const Persistent&)> storedIf;

    std::function<long long(const Persistent&)> getInt;  // Integer, Enumeration, Set, Color, ARGBColor
    std::function<void(Persistent&, long long)> setInt;
    std::function<double(const Persistent&)> getFloat;
    std::function<void(Persistent&, double)> setFloat;
    std::function<bool(const Persistent&)> getBool;
    std::function<void(Persistent&, bool)> setBool;
    std::function<std::string(const Persistent&)> getString;
    std::function<void(Persistent&, const std::string&)> setString;
    std::function<Persistent*(Persistent&)> getObject;  // Object, Collection
    std::function<std::vector<std::string>(const Persistent&)> getStrings;
    std::function<void(Persistent&, const std::vector<std::string>&)> setStrings;
    std::function<BinaryData(const Persistent&)> getBinary;
    std::function<void(Persistent&, const BinaryData&)> setBinary;
    std::function<Component*(const Persistent&)> getReference;
    // false when the component is not of the class the property takes
    std::function<bool(Persistent&, Component*)> setReference;
    // Event: installs a handler taken from the form's handler table; false when the
    // handler has another signature. A null handler clears the event.
    std::function<bool(Persistent&, const std::any* handler)> bindEvent;
};

class ClassInfo {
public:
    ClassInfo() = default;
    ClassInfo(std::string name, const ClassInfo* parent) : m_name(std::move(name)), m_parent(parent) {}

    const std::string& name() const { return m_name; }
    const ClassInfo* parent() const { return m_parent; }
    bool inheritsFrom(const ClassInfo& other) const;  // true for the class itself too

    // The class's own properties followed by none of the parent's.
    const std::vector<PropertyInfo>& ownProperties() const { return m_properties; }
    // All properties, the parent's first, in stored order.
    std::vector<const PropertyInfo*> properties() const;
    const PropertyInfo* findProperty(std::string_view name) const;
    // The default of a property for this class (a class may change an inherited default).
    const PropertyDefault& defaultFor(const PropertyInfo& property) const;

    // Creates a component of this class owned by the owner; null for abstract classes.
    std::function<Component*(Component* owner)> create;

private:
    template <class T>
    friend class ClassBuilder;
    std::string m_name;
    const ClassInfo* m_parent = nullptr;
    std::vector<PropertyInfo> m_properties;
    std::map<std::string, PropertyDefault, std::less<>> m_defaultOverrides;
};

// The classes that form descriptions may name. Each layer registers its classes
// with registerClass before forms are read (see registerStandardClasses()).
class ClassRegistry {
public:
    static void add(const ClassInfo& info);
    static const ClassInfo* find(std::string_view className);
    static std::vector<const ClassInfo*> all();
};

template <class T>
void registerClass() {
    ClassRegistry::add(T::staticClassInfo());
}

// Registers the classes of this layer (TForm-like base classes, TLabel, TImage, TEdit).
void registerStandardClasses();

#define SK_PERSISTENT_CLASS                              \
public:                                                  \
    static const ::sk::ui::ClassInfo& staticClassInfo(); \
    const ::sk::ui::ClassInfo& classInfo() const override;

namespace detail {
template <class T, class G>
decltype(auto) callGetter(const T& object, G getter) {
    return std::invoke(getter, object);
}
template <class P>
Persistent* asPointer(P&& value) {
    if constexpr (std::is_pointer_v<std::remove_reference_t<P>>)
        return value;
    else
        return &value;
}
}  // namespace detail

// Builds the ClassInfo of T. Getters are const member functions, setters take
// the value; both may also be lambdas taking the object.
template <class T>
class ClassBuilder {
public:
    ClassBuilder(std::string name, const ClassInfo* parent) : m_info(std::move(name), parent) {}

    // Components that form descriptions may create: new T(owner).
    ClassBuilder& creatable() {
        m_info.create = [](Component* owner) -> Component* { return new T(owner); };
        return *this;
    }

    template <class G, class S>
    ClassBuilder& integer(std::string name, G getter, S setter, PropertyDefault def = 0LL,
                          const IntIdents* idents = nullptr) {
        PropertyInfo& p = add(std::move(name), PropertyType::Integer, def);
        p.idents = idents;
        bindInt(p, getter, setter);
        return *this;
    }
    template <class G, class S>
    ClassBuilder& floating(std::string name, G getter, S setter, PropertyDefault def = 0.0) {
        PropertyInfo& p = add(std::move(name), PropertyType::Float, def);
        p.getFloat = [getter](const Persistent& o) {
            return static_cast<double>(std::invoke(getter, static_cast<const T&>(o)));
        };
        p.setFloat = [setter](Persistent& o, double v) {
            using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
            std::invoke(setter, static_cast<T&>(o), static_cast<V>(v));
        };
        return *this;
    }
    template <class G, class S>
    ClassBuilder& boolean(std::string name, G getter, S setter, PropertyDefault def = false) {
        PropertyInfo& p = add(std::move(name), PropertyType::Boolean, def);
        p.getBool = [getter](const Persistent& o) {
            return static_cast<bool>(std::invoke(getter, static_cast<const T&>(o)));
        };
        p.setBool = [setter](Persistent& o, bool v) { std::invoke(setter, static_cast<T&>(o), v); };
        return *this;
    }
    template <class G, class S>
    ClassBuilder& string(std::string name, G getter, S setter, PropertyDefault def = std::string()) {
        PropertyInfo& p = add(std::move(name), PropertyType::String, def);
        p.getString = [getter](const Persistent& o) {
            return std::string(std::invoke(getter, static_cast<const T&>(o)));
        };
        p.setString = [setter](Persistent& o, const std::string& v) {
            std::invoke(setter, static_cast<T&>(o), v);
        };
        return *this;
    }
    template <class G, class S, class E>
    ClassBuilder& enumeration(std::string name, G getter, S setter, E def, const EnumNames& names) {
        PropertyInfo& p = add(std::move(name), PropertyType::Enumeration, static_cast<long long>(def));
        p.enumNames = &names;
        bindInt(p, getter, setter);
        return *this;
    }
    // A set property; the getter and setter work with a bit mask (bit i = value i).
    template <class G, class S>
    ClassBuilder& setOf(std::string name, G getter, S setter, unsigned long long def,
                        const EnumNames& names) {
        PropertyInfo& p = add(std::move(name), PropertyType::Set, static_cast<long long>(def));
        p.enumNames = &names;
        bindInt(p, getter, setter);
        return *this;
    }
    template <class G, class S>
    ClassBuilder& color(std::string name, G getter, S setter, PropertyDefault def);
    template <class G, class S>
    ClassBuilder& argb(std::string name, G getter, S setter, PropertyDefault def) {
        PropertyInfo& p = add(std::move(name), PropertyType::ARGBColor, def);
        bindInt(p, getter, setter);
        return *this;
    }
    // A persistent sub-object (font, fill, thumb); the getter returns a pointer or reference.
    template <class G>
    ClassBuilder& object(std::string name, G getter) {
        PropertyInfo& p = add(std::move(name), PropertyType::Object, {});
        p.getObject = [getter](Persistent& o) {
            return detail::asPointer(std::invoke(getter, static_cast<T&>(o)));
        };
        return *this;
    }
    template <class G>
    ClassBuilder& collection(std::string name, G getter) {
        PropertyInfo& p = add(std::move(name), PropertyType::Collection, {});
        p.getObject = [getter](Persistent& o) {
            return detail::asPointer(std::invoke(getter, static_cast<T&>(o)));
        };
        return *this;
    }
    template <class G, class S>
    ClassBuilder& strings(std::string name, G getter, S setter) {
        PropertyInfo& p = add(std::move(name), PropertyType::StringList, {});
        p.getStrings = [getter](const Persistent& o) {
            return std::vector<std::string>(std::invoke(getter, static_cast<const T&>(o)));
        };
        p.setStrings = [setter](Persistent& o, const std::vector<std::string>& v) {
            std::invoke(setter, static_cast<T&>(o), v);
        };
        return *this;
    }
    template <class G, class S>
    ClassBuilder& binary(std::string name, G getter, S setter) {
        PropertyInfo& p = add(std::move(name), PropertyType::Binary, {});
        p.getBinary = [getter](const Persistent& o) {
            return BinaryData(std::invoke(getter, static_cast<const T&>(o)));
        };
        p.setBinary = [setter](Persistent& o, const BinaryData& v) {
            std::invoke(setter, static_cast<T&>(o), v);
        };
        return *this;
    }
    // A reference to another component of the form; the getter returns a pointer
    // to the referenced class, the setter takes one. Resolved once the whole
    // description has been read, so later components may be named.
    template <class G, class S>
    ClassBuilder& reference(std::string name, G getter, S setter) {
        PropertyInfo& p = add(std::move(name), PropertyType::Reference, {});
        p.getReference = [getter](const Persistent& o) -> Component* {
            return std::invoke(getter, static_cast<const T&>(o));
        };
        p.setReference = [setter](Persistent& o, Component* c) {
            using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
            V typed = c ? dynamic_cast<V>(c) : nullptr;
            if (c && !typed) return false;
            std::invoke(setter, static_cast<T&>(o), typed);
            return true;
        };
        return *this;
    }

    // An event member such as `std::function<void(Component*)> OnClick;`. The form's
    // handler must have exactly the member's type. The member may be a base class's.
    template <class F, class Owner>
    ClassBuilder& event(std::string name, F Owner::*member) {
        static_assert(std::is_base_of_v<Owner, T>);
        PropertyInfo& p = add(std::move(name), PropertyType::Event, {});
        p.bindEvent = [member](Persistent& o, const std::any* handler) {
            if (!handler) {
                static_cast<T&>(o).*member = nullptr;
                return true;
            }
            const F* fn = std::any_cast<F>(handler);
            if (!fn) return false;
            static_cast<T&>(o).*member = *fn;
            return true;
        };
        return *this;
    }

    // Conditions and defaults of the property added last, or of an inherited one.
    ClassBuilder& storedIf(std::function<bool(const T&)> condition) {
        m_info.m_properties.back().storedIf = [condition](const Persistent& o) {
            return condition(static_cast<const T&>(o));
        };
        return *this;
    }
    ClassBuilder& storeWhole() {
        m_info.m_properties.back().storeWhole = true;
        return *this;
    }
    ClassBuilder& omitDefaultInWhole() {
        m_info.m_properties.back().omitDefaultInWhole = true;
        return *this;
    }
    ClassBuilder& alwaysStored() {
        m_info.m_properties.back().defaultValue = std::monostate{};
        return *this;
    }
    ClassBuilder& changeDefault(const std::string& inheritedName, PropertyDefault def) {
        m_info.m_defaultOverrides[inheritedName] = std::move(def);
        return *this;
    }

    ClassInfo build() { return std::move(m_info); }

private:
    PropertyInfo& add(std::string name, PropertyType type, PropertyDefault def) {
        PropertyInfo p;
        p.name = std::move(name);
        p.type = type;
        p.defaultValue = std::move(def);
        m_info.m_properties.push_back(std::move(p));
        return m_info.m_properties.back();
    }
    template <class G, class S>
    void bindInt(PropertyInfo& p, G getter, S setter) {
        using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
        p.getInt = [getter](const Persistent& o) {
            return static_cast<long long>(std::invoke(getter, static_cast<const T&>(o)));
        };
        p.setInt = [setter](Persistent& o, long long v) {
            std::invoke(setter, static_cast<T&>(o), static_cast<V>(v));
        };
    }

    ClassInfo m_info;
};

template <class T>
template <class G, class S>
ClassBuilder<T>& ClassBuilder<T>::color(std::string name, G getter, S setter, PropertyDefault def) {
    PropertyInfo& p = add(std::move(name), PropertyType::Color, def);
    bindInt(p, getter, setter);
    return *this;
}

}  // namespace sk::ui

// Writing form descriptions: stored values that differ from their defaults.
#include "ui/FormWriter.h"

#include <yaml-cpp/yaml.h>

#include <charconv>
#include <cmath>
#include <cstdio>

#include "ui/Collection.h"
#include "ui/ColorNames.h"
#include "ui/WinControl.h"

namespace sk::ui {

namespace {

std::string hex(long long value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return buffer;
}

std::string floatText(double v) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    std::string s(buffer, end);
    // Keep a float recognisable as one (and round-trippable) when it is whole.
    if (s.find_first_of(".eEn") == std::string::npos) s += ".0";
    return s;
}

bool differsFromDefault(const Persistent& object, const PropertyInfo& p) {
    const PropertyDefault& def = object.classInfo().defaultFor(p);
    if (std::holds_alternative<std::monostate>(def)) return true;
    switch (p.type) {
        case PropertyType::Integer:
        case PropertyType::Enumeration:
        case PropertyType::Set:
        case PropertyType::Color:
        case PropertyType::ARGBColor: {
            const long long v = p.getInt(object);
            if (const auto* d = std::get_if<long long>(&def)) return v != *d;
            if (const auto* b = std::get_if<bool>(&def)) return v != (*b ? 1 : 0);
            return true;
        }
        case PropertyType::Float: {
            const double v = p.getFloat(object);
            if (const auto* d = std::get_if<double>(&def)) return v != *d;
            if (const auto* i = std::get_if<long long>(&def)) return v != static_cast<double>(*i);
            return true;
        }
        case PropertyType::Boolean: {
            const auto* d = std::get_if<bool>(&def);
            return !d || p.getBool(object) != *d;
        }
        case PropertyType::String: {
            const auto* d = std::get_if<std::string>(&def);
            return !d || p.getString(object) != *d;
        }
        default:
            return true;
    }
}

class Writer {
public:
    explicit Writer(Component& root) : m_root(root) {}

    std::string write() {
        m_out << YAML::BeginMap;
        writeComponent(m_root);
        m_out << YAML::EndMap;
        return std::string(m_out.c_str()) + "\n";
    }

private:
    void writeComponent(Component& c) {
        if (!c.Name().empty()) m_out << YAML::Key << "object" << YAML::Value << c.Name();
        m_out << YAML::Key << "class" << YAML::Value << c.classInfo().name();
        writeProperties(c, "", &c);

        std::vector<Component*> children;
        if (auto* w = dynamic_cast<WinControl*>(&c))
            for (Control* child : w->children())
                if (child->Owner() == &m_root) children.push_back(child);
        if (&c == &m_root)
            for (Component* owned : m_root.components())
                if (!dynamic_cast<Control*>(owned)) children.push_back(owned);
        if (children.empty()) return;
        m_out << YAML::Key << "children" << YAML::Value << YAML::BeginSeq;
        for (Component* child : children) {
            m_out << YAML::BeginMap;
            writeComponent(*child);
            m_out << YAML::EndMap;
        }
        m_out << YAML::EndSeq;
    }

    void writeProperties(Persistent& object, const std::string& prefix, Component* component,
                         bool whole = false) {
        for (const PropertyInfo* p : object.classInfo().properties()) {
            if (p->storedIf && !p->storedIf(object)) continue;
            const std::string key = prefix + p->name;
            switch (p->type) {
                case PropertyType::Object: {
                    if (Persistent* sub = p->getObject(object))
                        writeProperties(*sub, key + ".", nullptr, p->storeWhole);
                    break;
                }
                case PropertyType::Collection: {
                    auto* collection = dynamic_cast<Collection*>(p->getObject(object));
                    if (!collection || collection->count() == 0) break;
                    m_out << YAML::Key << key << YAML::Value << YAML::BeginSeq;
                    for (int i = 0; i < collection->count(); ++i) {
                        m_out << YAML::BeginMap;
                        writeProperties(*collection->item(i), "", nullptr);
                        m_out << YAML::EndMap;
                    }
                    m_out << YAML::EndSeq;
                    break;
                }
                case PropertyType::StringList: {
                    const auto lines = p->getStrings(object);
                    if (lines.empty()) break;
                    m_out << YAML::Key << key << YAML::Value << YAML::BeginSeq;
                    for (const auto& line : lines) m_out << YAML::DoubleQuoted << line;
                    m_out << YAML::EndSeq;
                    break;
                }
                case PropertyType::Binary: {
                    const BinaryData data = p->getBinary(object);
                    if (data.bytes.empty()) break;
                    m_out << YAML::Key << key << YAML::Value;
                    if (!data.resource.empty())
                        m_out << YAML::Flow << YAML::BeginMap << YAML::Key << "resource" << YAML::Value
                              << YAML::DoubleQuoted << data.resource << YAML::EndMap;
                    else
                        m_out << YAML::Binary(data.bytes.data(), data.bytes.size());
                    break;
                }
                case PropertyType::Reference: {
                    const Component* target = p->getReference(object);
                    if (target && !target->Name().empty())
                        m_out << YAML::Key << key << YAML::Value << target->Name();
                    break;
                }
                case PropertyType::Event: {
                    if (!component) break;
                    const std::string handler = component->eventBinding(p->name);
                    if (!handler.empty()) m_out << YAML::Key << key << YAML::Value << handler;
                    break;
                }
                default:
                    if ((whole && !p->omitDefaultInWhole) || differsFromDefault(object, *p)) {
                        m_out << YAML::Key << key << YAML::Value;
                        writeScalar(object, *p);
                    }
                    break;
            }
        }
    }

    void writeScalar(const Persistent& object, const PropertyInfo& p) {
        switch (p.type) {
            case PropertyType::Integer: {
                const long long v = p.getInt(object);
                if (p.idents)
                    if (const std::string* name = p.idents->nameOf(v)) {
                        m_out << *name;
                        return;
                    }
                m_out << v;
                return;
            }
            case PropertyType::Float:
                m_out << floatText(p.getFloat(object));
                return;
            case PropertyType::Boolean:
                m_out << (p.getBool(object) ? "true" : "false");
                return;
            case PropertyType::String:
                m_out << YAML::DoubleQuoted << p.getString(object);
                return;
            case PropertyType::Enumeration:
                m_out << p.enumNames->nameOf(static_cast<int>(p.getInt(object)));
                return;
            case PropertyType::Set: {
                const long long bits = p.getInt(object);
                m_out << YAML::Flow << YAML::BeginSeq;
                for (std::size_t i = 0; i < p.enumNames->names.size(); ++i)
                    if (bits & (1LL << i)) m_out << p.enumNames->names[i];
                m_out << YAML::EndSeq;
                return;
            }
            case PropertyType::Color: {
                const long long v = static_cast<std::uint32_t>(p.getInt(object));
                if (const std::string* name = colorIdents().nameOf(v))
                    m_out << *name;
                else
                    m_out << hex(v);
                return;
            }
            case PropertyType::ARGBColor:
                m_out << hex(p.getInt(object));
                return;
            default:
                return;
        }
    }

    Component& m_root;
    YAML::Emitter m_out;
};

}  // namespace

std::string writeFormDescription(Component& root) {
    Writer writer(root);
    return writer.write();
}

}  // namespace sk::ui

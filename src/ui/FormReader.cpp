// Reading form descriptions into live components.
#include "ui/FormReader.h"

#include <yaml-cpp/yaml.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>

#include "platform/EmbeddedResources.h"
#include "ui/Collection.h"
#include "ui/ColorNames.h"
#include "ui/Form.h"

namespace sk::ui {

namespace {

bool isReservedKey(const std::string& key) {
    return key == "object" || key == "class" || key == "children";
}

// Whole numbers: decimal, 0x hex or $hex, with an optional sign.
bool parseInteger(const std::string& text, long long& out) {
    std::string s = text;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.erase(0, 2);
    } else if (s.size() > 1 && s[0] == '$') {
        base = 16;
        s.erase(0, 1);
    }
    if (s.empty()) return false;
    unsigned long long value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    out = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    return true;
}

bool parseFloat(const std::string& text, double& out) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string describe(const YAML::Node& node) {
    if (node.IsScalar()) return "\"" + node.Scalar() + "\"";
    if (node.IsSequence()) return "a list";
    if (node.IsMap()) return "a map";
    return "nothing";
}

}  // namespace

FormError::FormError(const std::string& source, int line, const std::string& message)
    : std::runtime_error(source + (line > 0 ? " line " + std::to_string(line) : std::string()) + ": " +
                         message),
      m_line(line) {}

FormReader::FormReader(Form& root, std::string sourceName) : m_root(root), m_source(std::move(sourceName)) {}

void FormReader::fail(const YAML::Node& node, const std::string& message) const {
    const int line = node.IsDefined() ? node.Mark().line + 1 : 0;
    throw FormError(m_source, line, message);
}

void FormReader::read(const std::string& text) {
    registerStandardClasses();
    YAML::Node document;
    try {
        document = YAML::Load(text);
    } catch (const YAML::Exception& e) {
        throw FormError(m_source, e.mark.line + 1, e.msg);
    }
    if (!document.IsMap()) throw FormError(m_source, 1, "A form description must be a map");

    m_created.clear();
    m_fixups.clear();
    m_root.setLoading(true);
    m_created.push_back(&m_root);
    try {
        readComponent(document, m_root, true);
        // References name components that may have come later in the text.
        for (const Fixup& fixup : m_fixups) {
            Component* target = fixup.name == m_root.Name() ? &m_root : m_root.findComponent(fixup.name);
            if (!target)
                throw FormError(
                    m_source, fixup.line,
                    "Unknown component \"" + fixup.name + "\" for property " + fixup.property->name);
            if (!fixup.property->setReference(*fixup.object, target))
                throw FormError(m_source, fixup.line,
                                fixup.name + " does not fit property " + fixup.property->name);
        }
    } catch (...) {
        for (Component* c : m_created) c->setLoading(false);
        throw;
    }
    // The loaded steps in creation order, each once its component stops loading.
    for (Component* c : m_created) c->Loaded();
    m_root.doCreate();
}

void FormReader::readComponent(const YAML::Node& node, Component& component, bool isRoot) {
    const YAML::Node classNode = node["class"];
    if (isRoot && classNode) {
        const std::string className = classNode.Scalar();
        const ClassInfo* named = ClassRegistry::find(className);
        if (className != component.classInfo().name() &&
            !(named && component.classInfo().inheritsFrom(*named)))
            fail(classNode,
                 "The description is of class " + className + ", not of " + component.classInfo().name());
    }
    if (const YAML::Node nameNode = node["object"]; nameNode) {
        try {
            component.SetName(nameNode.Scalar());
        } catch (const std::exception& e) {
            fail(nameNode, e.what());
        }
    }
    for (const auto& entry : node) {
        const std::string key = entry.first.Scalar();
        if (isReservedKey(key)) continue;
        applyProperty(component, key, entry.first, entry.second, &component);
    }
    if (const YAML::Node children = node["children"]; children) readChildren(children, component);
}

void FormReader::readChildren(const YAML::Node& children, Component& parent) {
    if (!children.IsSequence()) fail(children, "children must be a list of components");
    for (const auto& child : children) {
        if (!child.IsMap()) fail(child, "A component must be a map");
        const YAML::Node classNode = child["class"];
        if (!classNode || !classNode.IsScalar()) fail(child, "A component needs a class");
        const ClassInfo* info = ClassRegistry::find(classNode.Scalar());
        if (!info) fail(classNode, "Unknown class \"" + classNode.Scalar() + "\"");
        if (!info->create) fail(classNode, "Class " + classNode.Scalar() + " cannot be created");
        Component* created = info->create(&m_root);
        created->setLoading(true);
        m_created.push_back(created);
        if (auto* control = dynamic_cast<Control*>(created)) {
            auto* windowed = dynamic_cast<WinControl*>(&parent);
            if (!windowed) fail(classNode, "A control can only lie on a windowed control");
            control->SetParent(windowed);
        }
        readComponent(child, *created, false);
    }
}

void FormReader::applyProperty(Persistent& object, const std::string& path, const YAML::Node& key,
                               const YAML::Node& value, Component* component) {
    const std::size_t dot = path.find('.');
    const std::string head = path.substr(0, dot);
    const PropertyInfo* property = object.classInfo().findProperty(head);
    if (!property) fail(key, "Unknown property \"" + path + "\" of class " + object.classInfo().name());

    if (dot != std::string::npos) {
        if (property->type != PropertyType::Object)
            fail(key,
                 "Property " + head + " of class " + object.classInfo().name() + " has no sub-properties");
        Persistent* sub = property->getObject(object);
        if (!sub) fail(key, "Property " + head + " is not set");
        applyProperty(*sub, path.substr(dot + 1), key, value, nullptr);
        return;
    }
    applyValue(object, *property, value, component);
}

void FormReader::applyValue(Persistent& object, const PropertyInfo& p, const YAML::Node& value,
                            Component* component) {
    auto scalar = [&]() -> std::string {
        if (value.IsNull()) return std::string();
        if (!value.IsScalar())
            fail(value, "Property " + p.name + " needs a single value, not " + describe(value));
        return value.Scalar();
    };
    auto invalid = [&](const std::string& kind) {
        fail(value, "Invalid " + kind + " " + describe(value) + " for property " + p.name);
    };

    try {
        switch (p.type) {
            case PropertyType::Integer: {
                const std::string s = scalar();
                long long v = 0;
                if (p.idents)
                    if (const long long* named = p.idents->valueOf(s)) {
                        p.setInt(object, *named);
                        break;
                    }
                if (!parseInteger(s, v)) invalid("integer");
                p.setInt(object, v);
                break;
            }
            case PropertyType::Float: {
                double v = 0;
                long long i = 0;
                const std::string s = scalar();
                if (parseFloat(s, v))
                    p.setFloat(object, v);
                else if (parseInteger(s, i))
                    p.setFloat(object, static_cast<double>(i));
                else
                    invalid("number");
                break;
            }
            case PropertyType::Boolean: {
                const std::string s = scalar();
                if (s == "true" || s == "True")
                    p.setBool(object, true);
                else if (s == "false" || s == "False")
                    p.setBool(object, false);
                else
                    invalid("boolean");
                break;
            }
            case PropertyType::String:
                p.setString(object, scalar());
                break;
            case PropertyType::Enumeration: {
                const std::string s = scalar();
                const int index = p.enumNames->indexOf(s);
                if (index < 0)
                    fail(value, "Unknown value " + describe(value) + " of " + p.enumNames->typeName +
                                    " for property " + p.name);
                p.setInt(object, index);
                break;
            }
            case PropertyType::Set: {
                if (!value.IsSequence() && !value.IsNull()) invalid("set");
                long long bits = 0;
                for (const auto& item : value) {
                    if (!item.IsScalar()) fail(item, "A set holds names");
                    const int index = p.enumNames->indexOf(item.Scalar());
                    if (index < 0)
                        fail(item, "Unknown value " + describe(item) + " of " + p.enumNames->typeName +
                                       " for property " + p.name);
                    bits |= 1LL << index;
                }
                p.setInt(object, bits);
                break;
            }
            case PropertyType::Color: {
                const std::string s = scalar();
                long long v = 0;
                if (const long long* named = colorIdents().valueOf(s))
                    v = *named;
                else if (!parseInteger(s, v) || v < -0x80000000LL || v > 0xFFFFFFFFLL)
                    invalid("colour");
                p.setInt(object, static_cast<long long>(static_cast<std::uint32_t>(v)));
                break;
            }
            case PropertyType::ARGBColor: {
                long long v = 0;
                if (!parseInteger(scalar(), v) || v < -0x80000000LL || v > 0xFFFFFFFFLL)
                    invalid("ARGB colour");
                p.setInt(object, static_cast<long long>(static_cast<std::uint32_t>(v)));
                break;
            }
            case PropertyType::Object: {
                Persistent* sub = p.getObject(object);
                if (!value.IsMap() || !sub)
                    fail(value, "Property " + p.name + " needs a map of its sub-properties");
                for (const auto& entry : value)
                    applyProperty(*sub, entry.first.Scalar(), entry.first, entry.second, nullptr);
                break;
            }
            case PropertyType::Collection: {
                auto* collection = dynamic_cast<Collection*>(p.getObject(object));
                if (!collection) fail(value, "Property " + p.name + " is not a collection");
                if (!value.IsSequence() && !value.IsNull())
                    fail(value, "Property " + p.name + " needs a list of items");
                collection->beginUpdate();
                collection->clear();
                try {
                    for (const auto& item : value) {
                        CollectionItem* created = collection->add();
                        if (item.IsNull()) continue;
                        if (!item.IsMap()) fail(item, "An item of " + p.name + " must be a map");
                        for (const auto& entry : item)
                            applyProperty(*created, entry.first.Scalar(), entry.first, entry.second, nullptr);
                    }
                } catch (...) {
                    collection->endUpdate();
                    throw;
                }
                collection->endUpdate();
                break;
            }
            case PropertyType::StringList: {
                if (!value.IsSequence() && !value.IsNull())
                    fail(value, "Property " + p.name + " needs a list of strings");
                std::vector<std::string> lines;
                for (const auto& item : value) {
                    if (!item.IsScalar() && !item.IsNull()) fail(item, "A string list holds strings");
                    lines.push_back(item.IsNull() ? std::string() : item.Scalar());
                }
                p.setStrings(object, lines);
                break;
            }
            case PropertyType::Binary: {
                BinaryData data;
                if (value.IsMap()) {
                    const YAML::Node resource = value["resource"];
                    if (!resource || !resource.IsScalar() || value.size() != 1)
                        fail(value, "Binary data is !!binary text or {resource: name}");
                    auto bytes = platform::findResource(resource.Scalar());
                    if (!bytes) fail(resource, "Resource \"" + resource.Scalar() + "\" not found");
                    data.bytes.assign(bytes->begin(), bytes->end());
                    data.resource = resource.Scalar();
                } else if (value.IsScalar()) {
                    if (value.Tag() != "tag:yaml.org,2002:binary" && !value.Scalar().empty())
                        fail(value, "Binary data is !!binary text or {resource: name}");
                    const YAML::Binary binary = value.as<YAML::Binary>();
                    data.bytes.assign(binary.data(), binary.data() + binary.size());
                } else if (!value.IsNull()) {
                    invalid("binary data");
                }
                p.setBinary(object, data);
                break;
            }
            case PropertyType::Reference: {
                const std::string name = scalar();
                if (name.empty())
                    p.setReference(object, nullptr);
                else
                    m_fixups.push_back({&object, &p, name, value.Mark().line + 1});
                break;
            }
            case PropertyType::Event: {
                const std::string name = scalar();
                if (name.empty()) {
                    p.bindEvent(object, nullptr);
                    if (component) component->setEventBinding(p.name, "");
                    break;
                }
                const std::any* handler = m_root.findHandler(name);
                if (!handler) fail(value, "Unknown handler \"" + name + "\" for event " + p.name);
                if (!p.bindEvent(object, handler))
                    fail(value, "Handler " + name + " does not fit event " + p.name);
                if (component) component->setEventBinding(p.name, name);
                break;
            }
        }
    } catch (const FormError&) {
        throw;
    } catch (const YAML::Exception& e) {
        fail(value, "Invalid value for property " + p.name + ": " + e.msg);
    } catch (const std::exception& e) {
        // A setter refused the value.
        fail(value, "Property " + p.name + ": " + e.what());
    }
}

// ---- Class registry --------------------------------------------------------

namespace {
std::map<std::string, const ClassInfo*, std::less<>>& registry() {
    static std::map<std::string, const ClassInfo*, std::less<>> classes;
    return classes;
}
}  // namespace

void ClassRegistry::add(const ClassInfo& info) {
    registry()[info.name()] = &info;
}

std::vector<const ClassInfo*> ClassRegistry::all() {
    std::vector<const ClassInfo*> result;
    for (const auto& entry : registry()) result.push_back(entry.second);
    return result;
}

const ClassInfo* ClassRegistry::find(std::string_view className) {
    auto it = registry().find(className);
    return it == registry().end() ? nullptr : it->second;
}

}  // namespace sk::ui

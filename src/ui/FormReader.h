// Form descriptions: a readable YAML text for a tree of components. Each node
// names its object and class, lists its stored properties in their stored
// order and its children:
//
//   object: Form1
//   class: TForm1
//   Caption: "Slidekiln 3.1 Build 012011"
//   Color: 0x00F2E9C4
//   Font.Name: "MS Sans Serif"        # sub-objects by dotted names
//   Font.Style: [fsBold]              # sets as sequences of names
//   OnCreate: FormCreate              # events by the form's handler names
//   children:
//     - object: Label1
//       class: TLabel
//       Picture.Data: {resource: "pictures/tick.png"}   # or !!binary base64
//
// Reading creates the components through the class registry (owned by the
// form, parented to the enclosing windowed control) and applies the values in
// the order given while everything is marked as loading; then every
// component's Loaded step runs in creation order, then the form's OnCreate.
// Unknown classes, unknown properties and malformed values raise FormError
// naming the source and the line.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace YAML {
class Node;
}

namespace sk::ui {

class Component;
class Form;
class Persistent;
class ClassInfo;
struct PropertyInfo;

class FormError : public std::runtime_error {
public:
    FormError(const std::string& source, int line, const std::string& message);
    int line() const { return m_line; }

private:
    int m_line;
};

class FormReader {
public:
    FormReader(Form& root, std::string sourceName);
    void read(const std::string& text);

private:
    void readComponent(const YAML::Node& node, Component& component, bool isRoot);
    void readChildren(const YAML::Node& children, Component& parent);
    void applyProperty(Persistent& object, const std::string& path, const YAML::Node& key,
                       const YAML::Node& value, Component* component);
    void applyValue(Persistent& object, const PropertyInfo& property, const YAML::Node& value,
                    Component* component);
    [[noreturn]] void fail(const YAML::Node& node, const std::string& message) const;

    struct Fixup {
        Persistent* object;
        const PropertyInfo* property;
        std::string name;
        int line;
    };

    Form& m_root;
    std::vector<Fixup> m_fixups;
    std::string m_source;
    std::vector<Component*> m_created;
};

}  // namespace sk::ui

#include "app/LayoutValues.h"

#include <cmath>

namespace sk::app {

namespace {

struct Found {
    ui::Component* component = nullptr;
    const ui::PropertyInfo* property = nullptr;
};

Found find(ui::Form& form, const std::string& component, const std::string& property) {
    ui::Component* c = form.findComponent(component);
    const ui::PropertyInfo* p = c ? c->classInfo().findProperty(property) : nullptr;
    return p ? Found{c, p} : Found{};
}

}  // namespace

std::optional<double> LayoutValues::number(const std::string& component, const std::string& property) const {
    const Found f = find(m_form, component, property);
    if (!f.property) return std::nullopt;
    if (f.property->type == ui::PropertyType::Float) return f.property->getFloat(*f.component);
    if (f.property->type == ui::PropertyType::Integer)
        return static_cast<double>(f.property->getInt(*f.component));
    return std::nullopt;
}

bool LayoutValues::setNumber(const std::string& component, const std::string& property, double value) const {
    const Found f = find(m_form, component, property);
    if (!f.property) return false;
    if (f.property->type == ui::PropertyType::Float) {
        f.property->setFloat(*f.component, value);
        return true;
    }
    if (f.property->type == ui::PropertyType::Integer) {
        f.property->setInt(*f.component, std::llround(value));
        return true;
    }
    return false;
}

std::optional<bool> LayoutValues::flag(const std::string& component, const std::string& property) const {
    const Found f = find(m_form, component, property);
    if (!f.property || f.property->type != ui::PropertyType::Boolean) return std::nullopt;
    return f.property->getBool(*f.component);
}

bool LayoutValues::setFlag(const std::string& component, const std::string& property, bool value) const {
    const Found f = find(m_form, component, property);
    if (!f.property || f.property->type != ui::PropertyType::Boolean) return false;
    f.property->setBool(*f.component, value);
    return true;
}

}  // namespace sk::app

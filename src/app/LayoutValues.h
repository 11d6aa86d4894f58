// Published values of the window's controls, read and written by control name.
// The handlers use it for controls that the layout may not hold yet (the
// gauges): a missing control or property gives nothing and a write to it does
// nothing.
#pragma once

#include <optional>
#include <string>

#include "ui/Form.h"

namespace sk::app {

class LayoutValues {
public:
    explicit LayoutValues(ui::Form& form) : m_form(form) {}

    // An integer or floating property as a number.
    std::optional<double> number(const std::string& component, const std::string& property) const;
    bool setNumber(const std::string& component, const std::string& property, double value) const;
    std::optional<bool> flag(const std::string& component, const std::string& property) const;
    bool setFlag(const std::string& component, const std::string& property, bool value) const;

private:
    ui::Form& m_form;
};

}  // namespace sk::app

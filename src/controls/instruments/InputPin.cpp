// Value input pins, their source pins and the registry that links them by name.
#include "controls/instruments/InputPin.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace sk::instruments {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Dotted identifiers only: every part starts with a letter or "_" and holds
// letters, digits and "_".
bool validPinName(const std::string& name) {
    bool partStart = true;
    for (const unsigned char c : name) {
        if (c == '.') {
            if (partStart) return false;
            partStart = true;
            continue;
        }
        const bool letter = std::isalpha(c) || c == '_';
        if (partStart ? !letter : !(letter || std::isdigit(c))) return false;
        partStart = false;
    }
    return !partStart;
}

// The names a stored link names: none for "nil", one for a dotted name, several
// for the list form "(name, other, ...)". Anything else is refused.
std::vector<std::string> linkNames(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty() || t == "nil") return {};
    std::vector<std::string> names;
    if (t.front() == '(' && t.back() == ')') {
        const std::string inner = t.substr(1, t.size() - 2);
        std::size_t start = 0;
        while (start <= inner.size()) {
            const std::size_t comma = std::min(inner.find(',', start), inner.size());
            names.push_back(trimmed(inner.substr(start, comma - start)));
            start = comma + 1;
        }
    } else {
        names.push_back(t);
    }
    for (const std::string& name : names)
        if (!validPinName(name)) throw std::invalid_argument("Invalid source pin name \"" + text + "\"");
    return names;
}

// The name without its first part, when it has at least three parts (Form.Component.Pin).
std::string withoutFormPrefix(const std::string& name) {
    const std::size_t first = name.find('.');
    if (first == std::string::npos || name.find('.', first + 1) == std::string::npos) return {};
    return name.substr(first + 1);
}

}  // namespace

bool pinNamesMatch(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const std::string shortA = withoutFormPrefix(a), shortB = withoutFormPrefix(b);
    return (!shortA.empty() && shortA == b) || (!shortB.empty() && shortB == a);
}

// ---- Registry -------------------------------------------------------------------------------

PinRegistry& PinRegistry::instance() {
    static PinRegistry registry;
    return registry;
}

OWSourcePin* PinRegistry::findLocked(const std::string& name) const {
    for (OWSourcePin* pin : m_pins)
        if (pin->name() == name) return pin;
    for (OWSourcePin* pin : m_pins)
        if (pinNamesMatch(pin->name(), name)) return pin;
    return nullptr;
}

OWSourcePin* PinRegistry::linkTarget(const std::vector<std::string>& names) {
    if (names.empty()) return nullptr;
    for (const std::string& name : names)
        if (OWSourcePin* pin = findLocked(name)) return pin;
    for (const auto& placeholder : m_placeholders)
        if (placeholder->name() == names.front()) return placeholder.get();
    m_placeholders.push_back(
        std::unique_ptr<OWSourcePin>(new OWSourcePin(names.front(), OWSourcePin::PlaceholderTag{})));
    return m_placeholders.back().get();
}

std::size_t PinRegistry::placeholderCount() const {
    std::lock_guard guard(m_mutex);
    return m_placeholders.size();
}

void PinRegistry::add(OWSourcePin* pin) {
    m_pins.push_back(pin);
    // Pending links to this name move over to the new pin.
    for (auto it = m_placeholders.begin(); it != m_placeholders.end();) {
        if (!pinNamesMatch((*it)->name(), pin->name())) {
            ++it;
            continue;
        }
        for (TOWRealAndRangedSinkPin* sink : (*it)->m_sinks) {
            sink->m_source = pin;
            pin->m_sinks.push_back(sink);
        }
        it = m_placeholders.erase(it);
    }
}

void PinRegistry::remove(OWSourcePin* pin) {
    std::erase(m_pins, pin);
    for (TOWRealAndRangedSinkPin* sink : pin->m_sinks) sink->m_source = nullptr;
    pin->m_sinks.clear();
}

void PinRegistry::dropPlaceholderIfUnused(OWSourcePin* pin) {
    if (!pin->placeholder() || !pin->m_sinks.empty()) return;
    std::erase_if(m_placeholders, [pin](const auto& p) { return p.get() == pin; });
}

// ---- Source pins ----------------------------------------------------------------------------

OWSourcePin::OWSourcePin(std::string name) : m_name(std::move(name)) {
    PinRegistry& registry = PinRegistry::instance();
    std::lock_guard guard(registry.mutex());
    registry.add(this);
}

OWSourcePin::OWSourcePin(std::string name, PlaceholderTag) : m_name(std::move(name)), m_placeholder(true) {}

OWSourcePin::~OWSourcePin() {
    if (m_placeholder) return;  // freed by the registry, which holds its mutex then
    PinRegistry& registry = PinRegistry::instance();
    std::lock_guard guard(registry.mutex());
    registry.remove(this);
}

std::size_t OWSourcePin::sinkCount() const {
    std::lock_guard guard(PinRegistry::instance().mutex());
    return m_sinks.size();
}

std::vector<TOWRealAndRangedSinkPin*> OWSourcePin::sinksCopy() const {
    std::lock_guard guard(PinRegistry::instance().mutex());
    if (m_placeholder) return {};
    return m_sinks;
}

// The sinks are called outside the registry's mutex: they take their gauge's lock.
void OWSourcePin::send(double value) {
    for (TOWRealAndRangedSinkPin* sink : sinksCopy()) sink->receive(value);
}

void OWSourcePin::send(double value, double min, double max) {
    for (TOWRealAndRangedSinkPin* sink : sinksCopy()) sink->receive(value, min, max);
}

void OWSourcePin::sendRange(double min, double max) {
    for (TOWRealAndRangedSinkPin* sink : sinksCopy()) sink->receiveRange(min, max);
}

// ---- Sink pins ------------------------------------------------------------------------------

const ui::ClassInfo& TOWRealAndRangedSinkPin::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TOWRealAndRangedSinkPin>("TOWRealAndRangedSinkPin",
                                                  &ui::Persistent::staticClassInfo())
            .string("Form", &TOWRealAndRangedSinkPin::Form, &TOWRealAndRangedSinkPin::SetForm)
            .string("SourcePin", &TOWRealAndRangedSinkPin::SourcePin, &TOWRealAndRangedSinkPin::SetSourcePin,
                    std::string("nil"))
            .string("State", &TOWRealAndRangedSinkPin::State, &TOWRealAndRangedSinkPin::SetState)
            .string("StateConverter", &TOWRealAndRangedSinkPin::StateConverter,
                    &TOWRealAndRangedSinkPin::SetStateConverter)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TOWRealAndRangedSinkPin)

TOWRealAndRangedSinkPin::TOWRealAndRangedSinkPin(RealHandler onReal, RangedHandler onRanged)
    : m_onReal(std::move(onReal)), m_onRanged(std::move(onRanged)) {}

TOWRealAndRangedSinkPin::~TOWRealAndRangedSinkPin() {
    disconnect();
}

void TOWRealAndRangedSinkPin::SetSourcePin(const std::string& text) {
    if (text == m_sourceText) return;
    const std::vector<std::string> names = linkNames(text);  // refuses a malformed name first
    {
        PinRegistry& registry = PinRegistry::instance();
        std::lock_guard guard(registry.mutex());
        disconnectLocked();
        if (!names.empty()) connectLocked(registry.linkTarget(names));
    }
    m_sourceText = text;
    changed();
}

void TOWRealAndRangedSinkPin::connectLocked(OWSourcePin* pin) {
    m_source = pin;
    pin->m_sinks.push_back(this);
}

void TOWRealAndRangedSinkPin::disconnectLocked() {
    if (!m_source) return;
    OWSourcePin* old = m_source;
    std::erase(old->m_sinks, this);
    m_source = nullptr;
    PinRegistry::instance().dropPlaceholderIfUnused(old);
}

void TOWRealAndRangedSinkPin::disconnect() {
    std::lock_guard guard(PinRegistry::instance().mutex());
    disconnectLocked();
}

OWSourcePin* TOWRealAndRangedSinkPin::source() const {
    std::lock_guard guard(PinRegistry::instance().mutex());
    return m_source;
}

bool TOWRealAndRangedSinkPin::pending() const {
    std::lock_guard guard(PinRegistry::instance().mutex());
    return m_source && m_source->placeholder();
}

void TOWRealAndRangedSinkPin::receive(double value) {
    m_value = value;
    if (m_onReal) m_onReal(value);
}

void TOWRealAndRangedSinkPin::receive(double value, double min, double max) {
    m_value = value;
    m_min = min;
    m_max = max;
    if (m_onRanged) m_onRanged(value, min, max);
}

void TOWRealAndRangedSinkPin::receiveRange(double min, double max) {
    // Kept only: the gauges take no range without a value.
    m_min = min;
    m_max = max;
}

}  // namespace sk::instruments

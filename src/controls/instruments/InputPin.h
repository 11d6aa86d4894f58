// Value input pins: a gauge's InputPin is a sink that a source pin, linked by
// name, can push values into. The link is stored in the form description as the
// source's dotted name (Form.Component.Pin, or "nil" for none); a name that no
// pin carries yet is held by a placeholder registered under it, and resolved when
// a pin of that name is created. Until then the link is pending and delivers
// nothing, and it is written back exactly as it was read.
//
// The registry of pins is process-wide and guarded by a mutex, so that pins may
// be made and linked on any thread.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "controls/instruments/InstrumentProperty.h"

namespace sk::instruments {

class TOWRealAndRangedSinkPin;

// A named source of values. The placeholder of an unresolved name is one that
// never sends.
class OWSourcePin {
public:
    // Registers the pin; pending links to its name move over to it.
    explicit OWSourcePin(std::string name);
    ~OWSourcePin();
    OWSourcePin(const OWSourcePin&) = delete;
    OWSourcePin& operator=(const OWSourcePin&) = delete;

    const std::string& name() const { return m_name; }
    bool placeholder() const { return m_placeholder; }
    std::size_t sinkCount() const;

    void send(double value);
    void send(double value, double min, double max);
    void send(long long value) { send(static_cast<double>(value)); }
    void send(long long value, long long min, long long max) {
        send(static_cast<double>(value), static_cast<double>(min), static_cast<double>(max));
    }
    void sendRange(double min, double max);

private:
    friend class PinRegistry;
    friend class TOWRealAndRangedSinkPin;
    struct PlaceholderTag {};
    OWSourcePin(std::string name, PlaceholderTag);
    std::vector<TOWRealAndRangedSinkPin*> sinksCopy() const;

    std::string m_name;
    bool m_placeholder = false;
    std::vector<TOWRealAndRangedSinkPin*> m_sinks;  // guarded by the registry's mutex
};

// The registry of source pins by name, and the placeholders of unresolved names.
class PinRegistry {
public:
    static PinRegistry& instance();

    // The pin carrying one of the names (the first that resolves), or a
    // placeholder registered under the first name.
    OWSourcePin* linkTarget(const std::vector<std::string>& names);
    std::size_t placeholderCount() const;
    std::mutex& mutex() const { return m_mutex; }

private:
    friend class OWSourcePin;
    friend class TOWRealAndRangedSinkPin;
    void add(OWSourcePin* pin);
    void remove(OWSourcePin* pin);
    void dropPlaceholderIfUnused(OWSourcePin* pin);
    OWSourcePin* findLocked(const std::string& name) const;

    mutable std::mutex m_mutex;
    std::vector<OWSourcePin*> m_pins;
    std::vector<std::unique_ptr<OWSourcePin>> m_placeholders;
};

// Two dotted names name the same pin when they agree, also when one of them
// carries the form's name in front and the other does not.
bool pinNamesMatch(const std::string& a, const std::string& b);

class TOWRealAndRangedSinkPin : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    using RealHandler = std::function<void(double value)>;
    using RangedHandler = std::function<void(double value, double min, double max)>;
    TOWRealAndRangedSinkPin(RealHandler onReal, RangedHandler onRanged);
    // The input of a gauge: a value sets Value; a ranged value sets Min, Max, then Value.
    template <class Gauge>
    explicit TOWRealAndRangedSinkPin(Gauge& gauge)
        : TOWRealAndRangedSinkPin([&gauge](double v) { gauge.SetValue(v); },
                                  [&gauge](double v, double min, double max) {
                                      gauge.SetMin(min);
                                      gauge.SetMax(max);
                                      gauge.SetValue(v);
                                  }) {}
    ~TOWRealAndRangedSinkPin() override;

    // ---- Stored values ----
    const std::string& Form() const { return m_form; }
    void SetForm(const std::string& v) { update(m_form, v); }
    // The link as it was read: a dotted name, a list "(name, other name, ...)" of
    // names tried in order, or "nil".
    const std::string& SourcePin() const { return m_sourceText; }
    void SetSourcePin(const std::string& text);
    const std::string& State() const { return m_state; }
    void SetState(const std::string& v) { update(m_state, v); }
    const std::string& StateConverter() const { return m_stateConverter; }
    void SetStateConverter(const std::string& v) { update(m_stateConverter, v); }

    // ---- Link ----
    OWSourcePin* source() const;
    bool pending() const;
    void disconnect();

    // ---- Data in ----
    void receive(double value);
    void receive(double value, double min, double max);
    void receiveRange(double min, double max);
    std::optional<double> lastValue() const { return m_value; }
    std::optional<double> lastMin() const { return m_min; }
    std::optional<double> lastMax() const { return m_max; }

private:
    friend class OWSourcePin;
    friend class PinRegistry;
    void connectLocked(OWSourcePin* pin);
    void disconnectLocked();

    RealHandler m_onReal;
    RangedHandler m_onRanged;
    std::string m_form;
    std::string m_sourceText = "nil";
    std::string m_state, m_stateConverter;
    OWSourcePin* m_source = nullptr;  // guarded by the registry's mutex
    std::optional<double> m_value, m_min, m_max;
};

}  // namespace sk::instruments

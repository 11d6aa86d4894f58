// Components: named objects owned by another component, which frees them with
// itself. A component knows whether it is being loaded from a form description
// (setters that must not fire events then ask loading()), remembers the names of
// the form handlers bound to its events, and owns its timers, which stop when
// the component dies.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "ui/Persistent.h"

namespace sk::ui {

// A handler that receives the object that raised the event.
using TNotifyEvent = std::function<void(class Component* sender)>;

class Component : public Persistent {
    SK_PERSISTENT_CLASS
public:
    explicit Component(Component* owner = nullptr);
    ~Component() override;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    long long Tag() const { return m_tag; }
    void SetTag(long long tag) { m_tag = tag; }

    Component* Owner() const { return m_owner; }
    const std::vector<Component*>& components() const { return m_components; }
    Component* findComponent(std::string_view name) const;

    // True from the creation by the form reader until the component's Loaded step.
    bool loading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    // Runs once after all values of a form description have been applied.
    virtual void Loaded();

    // Names of the form handlers bound to events, for writing the description back.
    void setEventBinding(const std::string& eventName, const std::string& handlerName);
    std::string eventBinding(const std::string& eventName) const;

    // Timers owned by this component: the callback runs on the user-interface
    // thread every intervalMs; exceptions leaving it are shown by the application,
    // and pending paints are done afterwards.
    platform::TimerId startTimer(int intervalMs, std::function<void()> callback);
    void stopTimer(platform::TimerId id);
    bool timerActive(platform::TimerId id) const;

protected:
    // Another component (owned by the same root) goes away; drop references to it.
    virtual void notification(Component* removed);
    // Destroys the components this one owns, last created first.
    void destroyComponents();

private:
    void insertComponent(Component* child);
    void removeComponent(Component* child);
    void notifyRemoval(Component* removed);

    std::string m_name;
    long long m_tag = 0;
    Component* m_owner = nullptr;
    std::vector<Component*> m_components;
    bool m_loading = false;
    bool m_destroying = false;
    std::map<std::string, std::string> m_eventBindings;
    std::vector<platform::TimerId> m_timers;
};

}  // namespace sk::ui

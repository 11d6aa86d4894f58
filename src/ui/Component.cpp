// Components: ownership, names, loading state, event bindings and timers.
#include "ui/Component.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Application.h"

namespace sk::ui {

const ClassInfo& Component::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<Component>("TComponent", &Persistent::staticClassInfo())
                                      .integer("Tag", &Component::Tag, &Component::SetTag)
                                      .build();
    return info;
}
const ClassInfo& Component::classInfo() const {
    return staticClassInfo();
}

Component::Component(Component* owner) {
    if (owner) owner->insertComponent(this);
}

Component::~Component() {
    m_destroying = true;
    for (platform::TimerId id : m_timers) platform::currentPlatform().stopTimer(id);
    m_timers.clear();
    destroyComponents();
    if (m_owner) m_owner->removeComponent(this);
}

void Component::destroyComponents() {
    while (!m_components.empty()) delete m_components.back();  // each removes itself
}

void Component::SetName(const std::string& name) {
    if (name == m_name) return;
    if (!name.empty() && m_owner) {
        Component* other = m_owner->findComponent(name);
        if (other && other != this)
            throw std::invalid_argument("A component named " + name + " already exists");
    }
    m_name = name;
}

Component* Component::findComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (Component* c : m_components)
        if (c->m_name == name) return c;
    return nullptr;
}

void Component::Loaded() {
    m_loading = false;
}

void Component::setEventBinding(const std::string& eventName, const std::string& handlerName) {
    if (handlerName.empty())
        m_eventBindings.erase(eventName);
    else
        m_eventBindings[eventName] = handlerName;
}

std::string Component::eventBinding(const std::string& eventName) const {
    auto it = m_eventBindings.find(eventName);
    return it == m_eventBindings.end() ? std::string() : it->second;
}

platform::TimerId Component::startTimer(int intervalMs, std::function<void()> callback) {
    const platform::TimerId timer = platform::currentPlatform().startTimer(
        std::max(1, intervalMs), [cb = std::move(callback)] { Application::instance().runEvent(cb); });
    m_timers.push_back(timer);
    return timer;
}

void Component::stopTimer(platform::TimerId id) {
    auto it = std::find(m_timers.begin(), m_timers.end(), id);
    if (it == m_timers.end()) return;
    m_timers.erase(it);
    platform::currentPlatform().stopTimer(id);
}

bool Component::timerActive(platform::TimerId id) const {
    return std::find(m_timers.begin(), m_timers.end(), id) != m_timers.end();
}

void Component::notification(Component*) {}

void Component::insertComponent(Component* child) {
    child->m_owner = this;
    m_components.push_back(child);
}

void Component::removeComponent(Component* child) {
    auto it = std::find(m_components.begin(), m_components.end(), child);
    if (it != m_components.end()) m_components.erase(it);
    child->m_owner = nullptr;
    if (!m_destroying) notifyRemoval(child);
}

void Component::notifyRemoval(Component* removed) {
    notification(removed);
    for (Component* c : m_components) c->notification(removed);
}

}  // namespace sk::ui

// Windowed controls: children, z-order, alignment, tab order and focus.
#include "ui/WinControl.h"

#include <algorithm>

#include "ui/Form.h"

namespace sk::ui {

const ClassInfo& WinControl::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<WinControl>("TWinControl", &Control::staticClassInfo())
            .integer("TabOrder", &WinControl::TabOrder, &WinControl::SetTabOrder, {})
            .storedIf([](const WinControl& c) { return c.Parent() != nullptr; })
            .boolean("TabStop", &WinControl::TabStop, &WinControl::SetTabStop, false)
            .event("OnEnter", &WinControl::OnEnter)
            .event("OnExit", &WinControl::OnExit)
            .event("OnKeyDown", &WinControl::OnKeyDown)
            .event("OnKeyPress", &WinControl::OnKeyPress)
            .event("OnKeyUp", &WinControl::OnKeyUp)
            .build();
    return info;
}
const ClassInfo& WinControl::classInfo() const {
    return staticClassInfo();
}

const ClassInfo& CustomControl::staticClassInfo() {
    static const ClassInfo info("TCustomControl", &WinControl::staticClassInfo());
    return info;
}
const ClassInfo& CustomControl::classInfo() const {
    return staticClassInfo();
}

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    // Children go with their parent (each removes itself from this list).
    while (!m_children.empty()) delete m_children.back();
}

// ---- Children --------------------------------------------------------------

void WinControl::insertChild(Control* child) {
    m_children.push_back(child);
    if (child->isWindowed()) {
        auto* w = static_cast<WinControl*>(child);
        m_tabList.push_back(w);
    }
    childrenChanged();
}

void WinControl::removeChild(Control* child) {
    if (Form* form = parentForm()) form->controlRemoved(child);
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
    m_tabList.erase(std::remove(m_tabList.begin(), m_tabList.end(), child), m_tabList.end());
    child->m_parent = nullptr;
    childrenChanged();
    if (child->Align() != alNone) realign();
}

void WinControl::moveChild(Control* child, bool toFront) {
    auto it = std::find(m_children.begin(), m_children.end(), child);
    if (it == m_children.end()) return;
    m_children.erase(it);
    if (toFront)
        m_children.push_back(child);
    else
        m_children.insert(m_children.begin(), child);
    child->invalidate();
}

std::vector<Control*> WinControl::paintOrder() const {
    std::vector<Control*> order;
    order.reserve(m_children.size());
    for (Control* c : m_children)
        if (!c->isWindowed()) order.push_back(c);
    for (Control* c : m_children)
        if (c->isWindowed()) order.push_back(c);
    return order;
}

Control* WinControl::controlAt(drawing::Point p, bool includeDisabled) const {
    const std::vector<Control*> order = paintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible() || (!includeDisabled && !c->Enabled())) continue;
        const drawing::Point local{p.x - c->Left(), p.y - c->Top()};
        if (!c->hitTest(local)) continue;
        if (c->isWindowed())
            if (Control* deeper = static_cast<WinControl*>(c)->controlAt(local, includeDisabled))
                return deeper;
        return c;
    }
    return nullptr;
}

// ---- Alignment -------------------------------------------------------------

void WinControl::realign() {
    if (m_aligning || loading()) return;
    m_aligning = true;
    drawing::Rect area = alignRect();
    // The classic order: top, bottom, left, right, then client.
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (Control* c : m_children) {
            if (c->Align() != kind || !c->Visible()) continue;
            switch (kind) {
                case alTop:
                    c->SetBounds(area.left, area.top, area.width, c->Height());
                    area.top += c->Height();
                    area.height -= c->Height();
                    break;
                case alBottom:
                    c->SetBounds(area.left, area.bottom() - c->Height(), area.width, c->Height());
                    area.height -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(area.left, area.top, c->Width(), area.height);
                    area.left += c->Width();
                    area.width -= c->Width();
                    break;
                case alRight:
                    c->SetBounds(area.right() - c->Width(), area.top, c->Width(), area.height);
                    area.width -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(area.left, area.top, area.width, area.height);
                    break;
                case alNone:
                    break;
            }
            area.width = std::max(0, area.width);
            area.height = std::max(0, area.height);
        }
    }
    m_aligning = false;
}

void WinControl::boundsChanged(const drawing::Rect& old) {
    Control::boundsChanged(old);
    if (old.width != Width() || old.height != Height()) realign();
}

void WinControl::Loaded() {
    Control::Loaded();
    // Tab orders read from a description are applied once all siblings exist.
    std::stable_sort(m_tabList.begin(), m_tabList.end(), [](const WinControl* a, const WinControl* b) {
        const int ka = a->m_loadedTabOrder < 0 ? 1 << 30 : a->m_loadedTabOrder;
        const int kb = b->m_loadedTabOrder < 0 ? 1 << 30 : b->m_loadedTabOrder;
        return ka < kb;
    });
    realign();
}

// ---- Appearance followers --------------------------------------------------

void WinControl::fontChanged() {
    Control::fontChanged();
    for (Control* c : m_children) c->parentFontChanged();
}

void WinControl::colorChanged() {
    Control::colorChanged();
    for (Control* c : m_children) c->parentColorChanged();
}

// ---- Focus -----------------------------------------------------------------

void WinControl::SetTabStop(bool value) {
    m_tabStop = value;
}

int WinControl::TabOrder() const {
    if (!Parent()) return m_loadedTabOrder < 0 ? 0 : m_loadedTabOrder;
    if (loading() && m_loadedTabOrder >= 0) return m_loadedTabOrder;
    const auto& list = Parent()->m_tabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void WinControl::SetTabOrder(int order) {
    if (loading() || !Parent()) {
        m_loadedTabOrder = order;
        return;
    }
    auto& list = Parent()->m_tabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

std::vector<WinControl*> WinControl::tabList() const {
    return m_tabList;
}

std::vector<WinControl*> WinControl::tabOrderList() const {
    std::vector<WinControl*> result;
    for (WinControl* c : m_tabList) {
        result.push_back(c);
        const auto sub = c->tabOrderList();
        result.insert(result.end(), sub.begin(), sub.end());
    }
    return result;
}

bool WinControl::Focused() const {
    Form* form = parentForm();
    return form && form->ActiveControl() == this;
}

bool WinControl::containsFocus() const {
    Form* form = parentForm();
    return form && form->ActiveControl() && containsControl(form->ActiveControl());
}

bool WinControl::canFocus() const {
    return showing() && enabledWithParents() && Parent() != nullptr;
}

void WinControl::SetFocus() {
    if (Form* form = parentForm()) form->SetActiveControl(this);
}

WinControl* WinControl::findNextControl(WinControl* current, bool forward, bool checkTabStop,
                                        bool checkParent) const {
    const std::vector<WinControl*> list = tabOrderList();
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        WinControl* c = list[static_cast<std::size_t>(i)];
        if (c == current) break;
        if (checkParent && c->Parent() != this) continue;
        if (checkTabStop && !c->TabStop()) continue;
        if (c->canFocus()) return c;
    }
    return nullptr;
}

bool WinControl::selectNext(WinControl* current, bool forward, bool checkTabStop) {
    WinControl* next = findNextControl(current, forward, checkTabStop, !checkTabStop);
    if (!next) return false;
    next->SetFocus();
    return true;
}

// ---- Keys ------------------------------------------------------------------

void WinControl::keyDown(int& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void WinControl::keyUp(int& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void WinControl::keyPress(char32_t& ch) {
    if (OnKeyPress) OnKeyPress(this, ch);
}

void WinControl::focusEnter() {
    if (OnEnter) OnEnter(this);
}

void WinControl::focusExit() {
    if (OnExit) OnExit(this);
}

bool WinControl::dialogKeyToChildren(int key, TShiftState shift) {
    for (Control* c : std::vector<Control*>(m_children)) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->dialogKey(key, shift)) return true;
        if (c->isWindowed() && static_cast<WinControl*>(c)->dialogKeyToChildren(key, shift)) return true;
    }
    return false;
}

bool WinControl::dialogCharToChildren(char32_t ch, TShiftState shift) {
    for (Control* c : std::vector<Control*>(m_children)) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->dialogChar(ch, shift)) return true;
        if (c->isWindowed() && static_cast<WinControl*>(c)->dialogCharToChildren(ch, shift)) return true;
    }
    return false;
}

void WinControl::paint(const PaintSurface& surface) {
    if (Color() == clNone) return;
    surface.fillRect(ClientRect(), drawing::ColorToARGB(255, Color()));
}

void WinControl::paintOverlay(const PaintSurface&) {}

}  // namespace sk::ui

// Controls: place, appearance, painting requests and the mouse.
#include "ui/Control.h"

#include <algorithm>

#include "ui/Form.h"
#include "ui/Utf8.h"
#include "ui/WinControl.h"

namespace sk::ui {

namespace {
const EnumNames kAlignNames{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
const IntIdents kCursorIdents{{{"crDefault", crDefault},
                               {"crArrow", crArrow},
                               {"crHandPoint", crHandPoint},
                               {"crIBeam", crIBeam},
                               {"crSizeWE", crSizeWE},
                               {"crSizeNS", crSizeNS},
                               {"crHourGlass", crHourGlass}}};
}  // namespace

const ClassInfo& Control::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<Control>("TControl", &Component::staticClassInfo())
            .integer("Left", &Control::Left, &Control::SetLeft, {})
            .integer("Top", &Control::Top, &Control::SetTop, {})
            .integer("Width", &Control::Width, &Control::SetWidth, {})
            .storedIf(
                [](const Control& c) { return c.Parent() != nullptr; })  // forms store their client size
            .integer("Height", &Control::Height, &Control::SetHeight, {})
            .storedIf([](const Control& c) { return c.Parent() != nullptr; })
            .enumeration("Align", &Control::Align, &Control::SetAlign, alNone, kAlignNames)
            .color("Color", &Control::Color, &Control::SetColor, static_cast<long long>(clBtnFace))
            .storedIf([](const Control& c) { return !c.ParentColor(); })
            .integer(
                "Cursor", [](const Control& c) { return static_cast<int>(c.Cursor()); },
                [](Control& c, int v) { c.SetCursor(static_cast<TCursor>(v)); }, 0LL, &kCursorIdents)
            .boolean("Enabled", &Control::Enabled, &Control::SetEnabled, true)
            .object("Font", &Control::Font)
            .storeWhole()
            .storedIf([](const Control& c) { return !c.ParentFont(); })
            .string("Hint", &Control::Hint, &Control::SetHint)
            .boolean("ParentColor", &Control::ParentColor, &Control::SetParentColor, false)
            .boolean("ParentFont", &Control::ParentFont, &Control::SetParentFont, true)
            .boolean("ParentShowHint", &Control::ParentShowHint, &Control::SetParentShowHint, true)
            .boolean("ShowHint", &Control::ShowHint, &Control::SetShowHint, false)
            .storedIf([](const Control& c) { return !c.ParentShowHint(); })
            .boolean("Visible", &Control::Visible, &Control::SetVisible, true)
            .event("OnClick", &Control::OnClick)
            .event("OnDblClick", &Control::OnDblClick)
            .event("OnMouseDown", &Control::OnMouseDown)
            .event("OnMouseMove", &Control::OnMouseMove)
            .event("OnMouseUp", &Control::OnMouseUp)
            .event("OnMouseEnter", &Control::OnMouseEnter)
            .event("OnMouseLeave", &Control::OnMouseLeave)
            .event("OnResize", &Control::OnResize)
            .build();
    return info;
}
const ClassInfo& Control::classInfo() const {
    return staticClassInfo();
}

const ClassInfo& GraphicControl::staticClassInfo() {
    static const ClassInfo info("TGraphicControl", &Control::staticClassInfo());
    return info;
}
const ClassInfo& GraphicControl::classInfo() const {
    return staticClassInfo();
}

Control::Control(Component* owner) : Component(owner), m_font(std::make_unique<TFont>()) {
    m_font->setChangeHandler([this](Persistent*) {
        if (!m_updatingFont) m_parentFont = false;
        fontChanged();
    });
}

Control::~Control() {
    if (m_parent) m_parent->removeChild(this);
}

// ---- Place -----------------------------------------------------------------

void Control::SetParent(WinControl* parent) {
    if (parent == m_parent) return;
    if (parent && containsControl(parent)) throw std::invalid_argument("A control cannot be its own parent");
    if (m_parent) {
        invalidate();
        m_parent->removeChild(this);
    }
    m_parent = parent;
    if (m_parent) {
        m_parent->insertChild(this);
        if (m_parentFont) parentFontChanged();
        if (m_parentColor) parentColorChanged();
        if (m_parentShowHint) applyShowHint(m_parent->ShowHint());
    }
    parentChanged();
    if (m_parent) {
        if (m_align != alNone) m_parent->realign();
        invalidate();
    }
}

void Control::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    const drawing::Rect old = m_bounds;
    const drawing::Rect next{left, top, width, height};
    if (next == old) return;
    if (m_parent && m_visible) invalidate();
    m_bounds = next;
    if (m_parent && m_visible) invalidate();
    boundsChanged(old);
    if (m_parent && m_align != alNone && !loading()) m_parent->realign();
}

void Control::SetAlign(TAlign align) {
    if (align == m_align) return;
    m_align = align;
    if (m_parent && !loading()) m_parent->realign();
}

// ---- State -----------------------------------------------------------------

void Control::SetVisible(bool visible) {
    if (visible == m_visible) return;
    if (!visible) invalidate();
    m_visible = visible;
    if (visible) invalidate();
    if (!visible)
        if (Form* form = parentForm(); form && form != this) form->controlHidden(this);
    visibleChanged();
    if (m_parent && m_parent->showing()) {
        // Notify the subtree; a hidden control's children stop showing with it.
        const bool saved = m_visible;
        m_visible = true;
        notifyShowingChanged(visible);
        m_visible = saved;
    }
    if (m_parent && m_align != alNone && !loading()) m_parent->realign();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    if (!enabled)
        if (Form* form = parentForm(); form && form != this) form->controlHidden(this);
    enabledChanged();
}

bool Control::showing() const {
    if (!m_visible) return false;
    if (m_parent) return m_parent->showing();
    const auto* form = dynamic_cast<const Form*>(this);
    return form && form->isShown();
}

bool Control::enabledWithParents() const {
    for (const Control* c = this; c; c = c->m_parent)
        if (!c->m_enabled) return false;
    return true;
}

// ---- Appearance ------------------------------------------------------------

void Control::SetParentFont(bool value) {
    if (value == m_parentFont) return;
    m_parentFont = value;
    if (value && m_parent) parentFontChanged();
}

void Control::SetColor(TColor color) {
    if (color == m_color) {
        m_parentColor = false;
        return;
    }
    m_color = color;
    m_parentColor = false;
    colorChanged();
}

void Control::SetParentColor(bool value) {
    if (value == m_parentColor) return;
    m_parentColor = value;
    if (value && m_parent) parentColorChanged();
}

void Control::SetCursor(TCursor cursor) {
    if (cursor == m_cursor) return;
    m_cursor = cursor;
    if (Form* form = parentForm()) form->input().updateCursor();
}

void Control::SetShowHint(bool value) {
    m_parentShowHint = false;
    applyShowHint(value);
}

void Control::applyShowHint(bool value) {
    m_showHint = value;
    // Children that follow their parent's ShowHint take it over.
    if (isWindowed())
        for (Control* child : static_cast<WinControl*>(this)->children())
            if (child->m_parentShowHint) child->applyShowHint(value);
}

void Control::SetParentShowHint(bool value) {
    if (value == m_parentShowHint) return;
    m_parentShowHint = value;
    if (value && m_parent) applyShowHint(m_parent->ShowHint());
}

void Control::SetCaption(const std::string& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    textChanged();
}

void Control::parentFontChanged() {
    if (!m_parent || !m_parentFont) return;
    m_updatingFont = true;
    m_font->assign(*m_parent->Font());
    m_updatingFont = false;
}

void Control::parentColorChanged() {
    if (!m_parent || !m_parentColor) return;
    if (m_color != m_parent->Color()) {
        m_color = m_parent->Color();
        colorChanged();
    }
    m_parentColor = true;
}

void Control::fontChanged() {
    invalidate();
}
void Control::colorChanged() {
    invalidate();
}
void Control::enabledChanged() {
    invalidate();
}
void Control::visibleChanged() {}
void Control::boundsChanged(const drawing::Rect&) {
    if (OnResize && !loading()) OnResize(this);
}
void Control::textChanged() {
    invalidate();
}
void Control::parentChanged() {}

void Control::Loaded() {
    Component::Loaded();
}

void Control::showingChanged(bool) {}

void Control::notifyShowingChanged(bool showing) {
    if (!m_visible) return;
    showingChanged(showing);
    if (isWindowed())
        for (Control* child : std::vector<Control*>(static_cast<WinControl*>(this)->children()))
            child->notifyShowingChanged(showing);
}

// ---- Z-order ---------------------------------------------------------------

void Control::BringToFront() {
    if (m_parent) m_parent->moveChild(this, true);
}

void Control::SendToBack() {
    if (m_parent) m_parent->moveChild(this, false);
}

bool Control::containsControl(const Control* control) const {
    for (const Control* c = control; c; c = c->m_parent)
        if (c == this) return true;
    return false;
}

// ---- Coordinates -----------------------------------------------------------

Form* Control::parentForm() const {
    const Control* c = this;
    while (c->m_parent) c = c->m_parent;
    return dynamic_cast<Form*>(const_cast<Control*>(c));
}

drawing::Point Control::formOrigin() const {
    drawing::Point p{0, 0};
    for (const Control* c = this; c->m_parent; c = c->m_parent) {
        p.x += c->m_bounds.left;
        p.y += c->m_bounds.top;
    }
    return p;
}

drawing::Point Control::toForm(drawing::Point p) const {
    const drawing::Point o = formOrigin();
    return {p.x + o.x, p.y + o.y};
}

drawing::Point Control::fromForm(drawing::Point p) const {
    const drawing::Point o = formOrigin();
    return {p.x - o.x, p.y - o.y};
}

drawing::Point Control::clientToScreen(drawing::Point p) const {
    const drawing::Point f = toForm(p);
    Form* form = parentForm();
    if (form && form->nativeWindow()) return form->nativeWindow()->clientToScreen(f);
    return f;
}

// ---- Shape -----------------------------------------------------------------

void Control::setWindowRegion(std::optional<Region> region) {
    if (region == m_region) return;
    invalidate();
    m_region = std::move(region);
    invalidate();
}

bool Control::hitTest(drawing::Point p) const {
    if (!ClientRect().contains(p)) return false;
    return !m_region || m_region->contains(p);
}

// ---- Painting --------------------------------------------------------------

void Control::invalidate() {
    invalidate(ClientRect());
}

void Control::invalidate(const drawing::Rect& r) {
    if (!m_visible) return;
    Form* form = parentForm();
    if (!form || !form->isShown()) return;
    // Clip to this control and every ancestor: only the visible part gets dirty.
    drawing::Rect area = r.intersected(ClientRect());
    for (const Control* c = this; c->m_parent; c = c->m_parent) {
        if (!c->m_visible) return;
        area = area.translated(c->m_bounds.left, c->m_bounds.top).intersected(c->m_parent->ClientRect());
    }
    invalidateFormRect(area);
}

void Control::invalidateFormRect(const drawing::Rect& formRect) const {
    if (formRect.empty()) return;
    if (Form* form = parentForm()) form->painter().invalidateArea(formRect);
}

void Control::update() {
    if (Form* form = parentForm()) form->paintPending();
}

void Control::paintParentBackground(const PaintSurface& surface) const {
    if (Form* form = parentForm(); form && m_parent) form->painter().paintBackgroundOf(*this, surface);
}

drawing::Bitmap Control::readBackPixels(const drawing::Rect& area) const {
    drawing::Bitmap result(std::max(0, area.width), std::max(0, area.height));
    Form* form = parentForm();
    if (!form || result.empty()) return result;
    const drawing::Point o = formOrigin();
    const drawing::Rect source = area.translated(o.x, o.y);
    const drawing::Rect inside =
        source.intersected({0, 0, form->backBuffer().width(), form->backBuffer().height()});
    if (!inside.empty())
        result.copyFrom(form->backBuffer(), inside, {inside.left - source.left, inside.top - source.top});
    return result;
}

void Control::paint(const PaintSurface&) {}

// ---- Input -----------------------------------------------------------------

bool Control::mouseCaptured() const {
    Form* form = parentForm();
    return form && form->input().captureControl() == this;
}

void Control::mouseDown(const MouseArgs& a) {
    if (OnMouseDown) OnMouseDown(this, a.button, a.shift, a.pos.x, a.pos.y);
}

void Control::mouseMove(const MouseArgs& a) {
    if (OnMouseMove) OnMouseMove(this, a.shift, a.pos.x, a.pos.y);
}

void Control::mouseUp(const MouseArgs& a) {
    if (OnMouseUp) OnMouseUp(this, a.button, a.shift, a.pos.x, a.pos.y);
}

void Control::mouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void Control::mouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

bool Control::mouseWheel(int, TShiftState, drawing::Point) {
    return false;
}

void Control::click() {
    if (OnClick) OnClick(this);
}

void Control::dblClick() {
    if (OnDblClick) OnDblClick(this);
}

bool Control::dialogKey(int, TShiftState) {
    return false;
}
bool Control::dialogChar(char32_t, TShiftState) {
    return false;
}

bool Control::isAccel(char32_t ch, const std::string& caption) {
    auto lower = [](char32_t c) -> char32_t {
        if (c >= U'A' && c <= U'Z') return c + 32;
        if (c >= 0x410 && c <= 0x42F) return c + 32;  // Cyrillic capitals
        if (c == 0x401) return 0x451;
        return c;
    };
    const std::u32string chars = decodeUtf8(caption);
    for (std::size_t i = 0; i + 1 < chars.size(); ++i) {
        if (chars[i] != U'&') continue;
        if (chars[i + 1] == U'&') {
            ++i;
            continue;
        }
        const char32_t c = chars[i + 1];
        return lower(c) == lower(ch);
    }
    return false;
}

void Control::dispatchMouseDown(const MouseArgs& args) {
    if (args.doubleClick && m_doubleClicks) {
        m_clickPending = false;
        if (args.button == MouseButton::Left && m_clickEvents) dblClick();
        mouseDown(args);
        return;
    }
    MouseArgs plain = args;
    plain.doubleClick = false;
    if (plain.button == MouseButton::Left) m_clickPending = true;
    mouseDown(plain);
}

void Control::dispatchMouseUp(const MouseArgs& args) {
    if (args.button == MouseButton::Left && m_clickPending) {
        m_clickPending = false;
        if (m_clickEvents && ClientRect().contains(args.pos)) click();
    }
    mouseUp(args);
}

void Control::setMouseInside(bool inside) {
    if (inside == m_mouseInside) return;
    m_mouseInside = inside;
    if (inside)
        mouseEnter();
    else
        mouseLeave();
}

}  // namespace sk::ui

// The plain label.
#include "ui/Label.h"

#include "drawing/TextMeasurer.h"
#include "ui/WinControl.h"

namespace sk::ui {

namespace {
const EnumNames kAlignmentNames{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const EnumNames kLayoutNames{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
}  // namespace

const ClassInfo& TLabel::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TLabel>("TLabel", &GraphicControl::staticClassInfo())
            .creatable()
            .enumeration("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify,
                         kAlignmentNames)
            .boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
            .string("Caption", &TLabel::Caption, &TLabel::SetCaption)
            .reference("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
            .enumeration("Layout", &TLabel::Layout, &TLabel::SetLayout, tlTop, kLayoutNames)
            .boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true)
            .boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
            .boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
            .changeDefault("ParentColor", true)
            .build();
    return info;
}
const ClassInfo& TLabel::classInfo() const {
    return staticClassInfo();
}

TLabel::TLabel(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value) {
    if (value == m_alignment) return;
    m_alignment = value;
    invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
    if (value == m_layout) return;
    m_layout = value;
    invalidate();
}

void TLabel::SetAutoSize(bool value) {
    if (value == m_autoSize) return;
    m_autoSize = value;
    adjustBounds();
}

void TLabel::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (value == m_wordWrap) return;
    m_wordWrap = value;
    adjustBounds();
    invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    if (value == m_showAccelChar) return;
    m_showAccelChar = value;
    adjustBounds();
    invalidate();
}

unsigned TLabel::textFlags() const {
    unsigned flags = drawing::DT_EXPANDTABS;
    if (m_wordWrap) flags |= drawing::DT_WORDBREAK;
    if (!m_showAccelChar) flags |= drawing::DT_NOPREFIX;
    if (m_alignment == taRightJustify) flags |= drawing::DT_RIGHT;
    if (m_alignment == taCenter) flags |= drawing::DT_CENTER;
    return flags;
}

drawing::Size TLabel::textSize() const {
    // An empty caption still takes one line, as the classic label measures " ".
    return drawing::TextMeasurer::shared().drawTextExtent(Font()->canvasFont(),
                                                          Caption().empty() ? std::string(" ") : Caption(),
                                                          m_wordWrap ? Width() : 1 << 16, textFlags());
}

void TLabel::adjustBounds() {
    if (!m_autoSize || loading()) return;
    const drawing::Size size = textSize();
    int left = Left();
    if (m_alignment == taRightJustify) left = Left() + Width() - size.width;
    if (m_alignment == taCenter) left = Left() + (Width() - size.width) / 2;
    SetBounds(m_wordWrap ? Left() : left, Top(), m_wordWrap ? Width() : size.width, size.height);
}

void TLabel::textChanged() {
    GraphicControl::textChanged();
    adjustBounds();
}

void TLabel::fontChanged() {
    GraphicControl::fontChanged();
    adjustBounds();
}

void TLabel::Loaded() {
    GraphicControl::Loaded();
    adjustBounds();
}

void TLabel::notification(Component* removed) {
    if (removed == m_focusControl) m_focusControl = nullptr;
}

void TLabel::paint(const PaintSurface& surface) {
    const drawing::Rect client = ClientRect();
    if (!m_transparent && Color() != clNone) surface.fillRect(client, drawing::ColorToARGB(255, Color()));
    drawing::Canvas canvas = surface.canvas();
    canvas.brush().style = drawing::CanvasBrush::Style::Clear;
    canvas.font() = Font()->canvasFont();

    drawing::Rect r = client;
    const unsigned flags = textFlags();
    if (m_layout != tlTop) {
        drawing::Rect measured{0, 0, client.width, 0};
        canvas.drawText(Caption(), measured, flags | drawing::DT_CALCRECT);
        const int offset =
            m_layout == tlBottom ? client.height - measured.height : (client.height - measured.height) / 2;
        r.top += offset;
        r.height -= offset;
    }
    if (!enabledWithParents()) {
        // The classic disabled look: an embossed caption.
        canvas.font().color = drawing::clBtnHighlight;
        canvas.drawText(Caption(), r.translated(1, 1), flags);
        canvas.font().color = drawing::clBtnShadow;
    }
    canvas.drawText(Caption(), r, flags);
}

bool TLabel::dialogChar(char32_t ch, TShiftState) {
    if (!m_showAccelChar || !isAccel(ch, Caption()) || !m_focusControl || !m_focusControl->canFocus())
        return false;
    m_focusControl->SetFocus();
    return true;
}

}  // namespace sk::ui

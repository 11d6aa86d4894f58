// Hint windows.
#include "ui/HintWindow.h"

#include <algorithm>

#include "drawing/Canvas.h"
#include "drawing/TextMeasurer.h"
#include "platform/Platform.h"

namespace sk::ui {

HintWindow::HintWindow(platform::NativeWindow* owner) : m_owner(owner) {
    m_font.SetName("Tahoma");
    m_font.SetHeight(-11);
    m_font.SetColor(clInfoText);
}

HintWindow::~HintWindow() = default;

drawing::Size HintWindow::textSize(const std::string& text) const {
    return drawing::TextMeasurer::shared().textExtent(m_font.canvasFont(), text.empty() ? std::string(" ") : text);
}

void HintWindow::showAt(const drawing::Rect& screenRect, const std::string& text) {
    m_text = text;
    m_rect = screenRect;
    if (!m_window) {
        platform::WindowOptions options;
        options.kind = platform::WindowKind::Popup;
        options.clientSize = {std::max(1, screenRect.width), std::max(1, screenRect.height)};
        options.centred = false;
        options.position = screenRect.topLeft();
        options.owner = m_owner;
        m_window = platform::currentPlatform().createWindow(options);
    }
    m_window->setClientSize({std::max(1, screenRect.width), std::max(1, screenRect.height)});
    m_window->setPosition(screenRect.topLeft());
    paint();
    m_window->present(m_buffer, {0, 0, m_buffer.width(), m_buffer.height()});
    if (!m_window->visible()) m_window->show();
}

void HintWindow::hide() {
    if (m_window && m_window->visible()) m_window->hide();
}

bool HintWindow::visible() const {
    return m_window && m_window->visible();
}

void HintWindow::paint() {
    m_buffer = drawing::Bitmap(std::max(1, m_rect.width), std::max(1, m_rect.height));
    drawing::Canvas canvas(m_buffer);
    drawing::Rect r{0, 0, m_buffer.width(), m_buffer.height()};
    m_buffer.fill(drawing::ColorToARGB(255, clInfoBk));
    canvas.frame3D(r, clBtnHighlight, cl3DDkShadow, 1);
    canvas.font() = m_font.canvasFont();
    canvas.brush().style = drawing::CanvasBrush::Style::Clear;
    canvas.drawText(m_text, r,
                    drawing::DT_CENTER | drawing::DT_VCENTER | drawing::DT_SINGLELINE | drawing::DT_NOPREFIX);
}

drawing::Rect HintWindow::keepInside(drawing::Rect rect, const drawing::Rect& area, int margin) {
    if (rect.right() > area.right() - margin) rect.left = area.right() - margin - rect.width;
    if (rect.bottom() > area.bottom() - margin) rect.top = area.bottom() - margin - rect.height;
    rect.left = std::max(rect.left, area.left);
    rect.top = std::max(rect.top, area.top);
    return rect;
}

}  // namespace sk::ui

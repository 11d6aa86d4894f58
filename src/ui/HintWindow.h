// A hint (tooltip) window: a small popup that stays on top without taking the
// focus, painted in the tooltip colours with a 1-pixel raised frame and its
// text centred on one line. The form uses one for the hints of its controls
// (Hint, ShowHint); controls with hints of their own (a track bar's value)
// keep their own instance and place it themselves.
#pragma once

#include <memory>
#include <string>

#include "drawing/Bitmap.h"
#include "platform/NativeWindow.h"
#include "ui/Font.h"

namespace sk::ui {

class HintWindow {
public:
    // owner: the window the popup belongs to (may be null).
    explicit HintWindow(platform::NativeWindow* owner = nullptr);
    ~HintWindow();
    HintWindow(const HintWindow&) = delete;
    HintWindow& operator=(const HintWindow&) = delete;

    TFont& font() { return m_font; }
    // The size of the text in the hint's font.
    drawing::Size textSize(const std::string& text) const;
    // Shows the text in a window of the given screen rectangle.
    void showAt(const drawing::Rect& screenRect, const std::string& text);
    void hide();
    bool visible() const;
    const std::string& text() const { return m_text; }
    drawing::Rect screenRect() const { return m_rect; }
    const drawing::Bitmap& image() const { return m_buffer; }

    // Moves a rectangle left or up so that it keeps `margin` pixels to the right
    // and bottom edges of the work area (and does not leave it at the left or top).
    static drawing::Rect keepInside(drawing::Rect rect, const drawing::Rect& workArea, int margin = 2);

private:
    void paint();

    platform::NativeWindow* m_owner;
    std::unique_ptr<platform::NativeWindow> m_window;
    drawing::Bitmap m_buffer;
    TFont m_font;
    std::string m_text;
    drawing::Rect m_rect;
};

}  // namespace sk::ui

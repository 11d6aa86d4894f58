// TAdvSpeedButton: the face of the button inside an edit. It draws a classic
// push button without visual styles (a raised 3-D frame, the glyph left of the
// caption with 4 pixels between them, both centred together; sunken and moved
// 1 pixel right and down while pressed; greyed when disabled) and reports a
// left press and its release to its owner, wherever the release happens.
#pragma once

#include <functional>

#include "ui/Control.h"
#include "ui/Picture.h"

namespace sk::office {

class TAdvSpeedButton : public ui::GraphicControl {
    SK_PERSISTENT_CLASS
public:
    explicit TAdvSpeedButton(ui::Component* owner = nullptr);

    // The picture drawn left of the caption; owned elsewhere (the edit's Glyph).
    void setGlyph(const ui::TPicture* glyph);
    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    bool Etched() const { return m_etched; }
    void SetEtched(bool value);

    bool pressed() const { return m_pressed; }
    // Where glyph and caption go (control coordinates), for painting and tests.
    drawing::Rect glyphRect() const;
    drawing::Rect captionRect() const;

    // A left press began on the button and the button was released.
    std::function<void()> onRelease;
    // Whether the button works and looks enabled; without it, the control's own state.
    std::function<bool()> enabledQuery;
    bool buttonEnabled() const { return enabledQuery ? enabledQuery() && enabledWithParents() : enabledWithParents(); }

    void paint(const ui::PaintSurface& surface) override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseUp(const ui::MouseArgs& args) override;

protected:
    void enabledChanged() override;
    void textChanged() override;

private:
    static constexpr int kGlyphGap = 4;
    drawing::Size captionSize() const;

    const ui::TPicture* m_glyph = nullptr;
    bool m_flat = false;
    bool m_etched = false;
    bool m_tracking = false;  // a left press began here
    bool m_pressed = false;   // shown pressed: tracking with the pointer inside
};

}  // namespace sk::office

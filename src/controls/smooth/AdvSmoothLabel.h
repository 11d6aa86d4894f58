// TAdvSmoothLabel: a windowless label of anti-aliased text whose glyphs are
// filled with a colour, a gradient, a hatch or a picture, optionally over a fill
// body (TGDIPFill) and with an offset shadow copy of a second text. The settings
// page's banners are two of these.
#pragma once

#include <memory>
#include <string>

#include "controls/smooth/AdvSmoothLabelCaption.h"
#include "controls/smooth/GDIPFill.h"
#include "ui/Control.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::smooth {

enum TTextRenderingHint { tAntiAlias, tClearType };

class TAdvSmoothLabel : public ui::GraphicControl {
    SK_PERSISTENT_CLASS
public:
    static constexpr const char* kVersion = "1.5.0.0";
    static constexpr const char* kDesignerText = "AdvSmoothLabel";

    explicit TAdvSmoothLabel(ui::Component* owner = nullptr);
    ~TAdvSmoothLabel() override;

    TGDIPFill* Fill() const { return m_fill.get(); }
    TAdvSmoothLabelCaption* Caption() const { return m_caption.get(); }
    TAdvSmoothLabelCaption* CaptionShadow() const { return m_captionShadow.get(); }
    bool CaptionShadowVisible() const { return m_captionShadowVisible; }
    void SetCaptionShadowVisible(bool value) { set(m_captionShadowVisible, value); }
    int CaptionShadowOffsetLeft() const { return m_shadowOffsetLeft; }
    void SetCaptionShadowOffsetLeft(int value) { set(m_shadowOffsetLeft, value); }
    int CaptionShadowOffsetTop() const { return m_shadowOffsetTop; }
    void SetCaptionShadowOffsetTop(int value) { set(m_shadowOffsetTop, value); }
    // Always "1.5.0.0"; writing it changes nothing.
    std::string Version() const { return kVersion; }
    void SetVersion(const std::string&) {}
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { set(m_transparent, value); }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value) { set(m_wordWrap, value); }
    TTextRenderingHint TextRendering() const { return m_textRendering; }
    void SetTextRendering(TTextRenderingHint value) { set(m_textRendering, value); }

    // Raised after any change of the label's appearance.
    ui::TNotifyEvent OnChange;

    // Copies fill, both captions (pictures by content), Transparent, WordWrap,
    // TextRendering and the shadow settings, then repaints once.
    void Assign(const TAdvSmoothLabel& source);
    // A label newly placed in a form designer shows "AdvSmoothLabel" in both texts;
    // one created by the program (or being loaded) keeps them empty.
    void placedInDesigner();

    void paint(const ui::PaintSurface& surface) override;

private:
    template <class T>
    void set(T& member, T value) {
        if (member == value) return;
        member = value;
        appearanceChanged();
    }
    void appearanceChanged();
    // Where a caption's text box starts in the content rectangle of size W x H.
    drawing::PointF captionPosition(const TAdvSmoothLabelCaption& caption, float textWidth, float textHeight,
                                    float width, float height) const;
    void drawCaption(drawing::Graphics& g, const TAdvSmoothLabelCaption& caption, float dx, float dy,
                     float width, float height) const;

    std::unique_ptr<TGDIPFill> m_fill;
    std::unique_ptr<TAdvSmoothLabelCaption> m_caption;
    std::unique_ptr<TAdvSmoothLabelCaption> m_captionShadow;
    bool m_captionShadowVisible = false;
    int m_shadowOffsetLeft = 1, m_shadowOffsetTop = 1;
    bool m_transparent = true;
    bool m_wordWrap = false;
    TTextRenderingHint m_textRendering = tAntiAlias;
    bool m_assigning = false;
};

}  // namespace sk::smooth

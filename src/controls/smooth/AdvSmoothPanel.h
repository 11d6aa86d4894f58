// TAdvSmoothPanel: a container whose body is a TGDIPFill, with a caption whose
// glyphs are filled like the smooth label's, an optional rule under it, and a
// mini-HTML paragraph below. Its own drawing is kept in a cached ARGB bitmap of
// its size, rendered anew only after a change of the fill, the caption,
// Transparent or the size; each paint blends the cache over the background and
// then raises OnDraw. Links of the paragraph show the hand pointer and raise
// OnAnchorClick when pressed. Child controls lie over the panel.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/smooth/AdvSmoothPanelCaption.h"
#include "controls/smooth/GDIPFill.h"
#include "controls/smooth/HtmlPictureSources.h"
#include "controls/smooth/HtmlText.h"
#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "ui/WinControl.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::smooth {

using TAnchorClick = std::function<void(ui::Component* sender, const std::string& anchor)>;
using TPanelDraw = std::function<void(ui::Component* sender, drawing::Canvas& canvas, drawing::Rect rect)>;

class TAdvSmoothPanel : public ui::CustomControl {
    SK_PERSISTENT_CLASS
public:
    static constexpr const char* kVersion = "1.0.7.1";

    explicit TAdvSmoothPanel(ui::Component* owner = nullptr);
    ~TAdvSmoothPanel() override;

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    TAdvSmoothPanelCaption* Caption() const { return m_caption.get(); }
    void SetCaption(const TAdvSmoothPanelCaption& caption) { m_caption->assign(caption); }
    TGDIPFill* Fill() const { return m_fill.get(); }
    void SetFill(const TGDIPFill& fill) { m_fill->assign(fill); }
    std::string Version() const { return kVersion; }
    void SetVersion(const std::string&) {}
    // Pictures for "IDX:" and named sources of the markup; none by default.
    void setImages(const HtmlImageList* images);
    void setPictureContainer(const HtmlPictureContainer* pictures);

    // Copies the caption's and the fill's values and Transparent, then repaints.
    void assign(const ui::Persistent& source) override;

    TAnchorClick OnAnchorClick;
    TPanelDraw OnDraw;

    // ---- For painting and tests ----
    // The last rendering of the panel's own drawing (transparent where it draws nothing).
    const drawing::Bitmap& cache() const { return m_cache; }
    bool cacheStale() const { return m_cacheStale; }
    // How many times the cache has been rendered.
    int cacheRenderCount() const { return m_cacheRenders; }
    // The paragraph's rectangle of the last rendering, when it was drawn.
    std::optional<drawing::Rect> htmlBlock() const { return m_htmlBlock; }
    // The content rectangle of the last rendering (the body less its shadow).
    drawing::RectF contentRect() const { return m_content; }
    // The link of the paragraph under a point of the panel, if any.
    std::optional<std::string> anchorAt(drawing::Point p) const;

    void paint(const ui::PaintSurface& surface) override;

protected:
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseLeave() override;
    void boundsChanged(const drawing::Rect& old) override;

private:
    struct CaptionBox {
        int textHeight = 0;
    };
    void contentChanged();
    void render();
    // The steps of a rendering; each returns what the next needs.
    drawing::RectF paintBody(drawing::Graphics& graphics) const;
    CaptionBox paintCaption(drawing::Graphics& graphics, const drawing::RectF& content) const;
    void paintParagraph(drawing::Graphics& graphics, const drawing::RectF& content, int captionHeight);
    HtmlTextOptions htmlOptions(const drawing::Rect& rect, bool measureOnly) const;
    // The paragraph's size laid out in `area`; the last measurement is kept, since
    // most changes that render the panel anew (fill, caption glyphs) leave it alone.
    drawing::Size paragraphSize(drawing::Graphics& graphics, const drawing::Rect& area);
    int shadowSize() const;
    void setOverLink(bool over);

    std::unique_ptr<TAdvSmoothPanelCaption> m_caption;
    std::unique_ptr<TGDIPFill> m_fill;
    bool m_transparent = true;
    const HtmlImageList* m_images = nullptr;
    const HtmlPictureContainer* m_pictures = nullptr;
    mutable HtmlPictureCache m_pictureCache;

    struct ParagraphMeasure {
        std::string markup;
        drawing::CanvasFont font;
        drawing::Rect area;
        drawing::TColor linkColor = 0, shadowColor = 0;
        int shadowOffset = 0;
        drawing::Size size;
    };
    std::optional<ParagraphMeasure> m_paragraphMeasure;

    drawing::Bitmap m_cache;
    bool m_cacheStale = true;
    int m_cacheRenders = 0;
    drawing::RectF m_content{};
    std::optional<drawing::Rect> m_htmlBlock;

    bool m_overLink = false;
    ui::TCursor m_cursorOutsideLinks = ui::crDefault;
};

}  // namespace sk::smooth

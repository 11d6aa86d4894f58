// TAdvReflectionLabel: a windowless label that draws a mini-HTML text and below
// it a mirrored copy of what it drew, fading out downwards like a reflection on a
// glossy floor. The settings page's title is one.
//
// The reflection is rebuilt from the label's own painted pixels after a change of
// the text, its font, the reflection's size or opacities, or the label's size;
// moving it (ReflectionAxis) only repaints.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/smooth/HtmlPictureCache.h"
#include "controls/smooth/HtmlPictureSources.h"
#include "controls/smooth/HtmlText.h"
#include "drawing/Bitmap.h"
#include "ui/Control.h"

namespace sk::smooth {

class TAdvReflectionLabel : public ui::GraphicControl {
    SK_PERSISTENT_CLASS
public:
    static constexpr const char* kVersion = "1.5.1.0";

    explicit TAdvReflectionLabel(ui::Component* owner = nullptr);
    ~TAdvReflectionLabel() override;

    // The markup: its lines are joined without a separator, line breaks dropped.
    const std::vector<std::string>& HTMLText() const { return m_htmlText; }
    void SetHTMLText(const std::vector<std::string>& lines);
    drawing::TColor URLColor() const { return m_urlColor; }
    void SetURLColor(drawing::TColor color);
    int ReflectionSize() const { return m_reflectionSize; }
    void SetReflectionSize(int rows);
    int ReflectionAxis() const { return m_reflectionAxis; }
    void SetReflectionAxis(int offset);
    // Values outside 0..255 are ignored.
    int ReflectionOpacityStart() const { return m_opacityStart; }
    void SetReflectionOpacityStart(int opacity);
    int ReflectionOpacityEnd() const { return m_opacityEnd; }
    void SetReflectionOpacityEnd(int opacity);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    std::string Version() const { return kVersion; }
    void SetVersion(const std::string&) {}
    // Pictures for "IDX:" and named sources of the markup (none by default; the
    // program's forms use neither). Owned by the caller.
    const HtmlImageList* Images() const { return m_images; }
    void SetImages(const HtmlImageList* images);
    const HtmlPictureContainer* PictureContainer() const { return m_pictureContainer; }
    void SetPictureContainer(const HtmlPictureContainer* container);

    // The markup as drawn: the lines joined, carriage returns and line feeds removed.
    std::string markup() const;
    // The text block of the last drawing (XStart, 0, XSize, YSize) and the
    // reflection picture (none before the first rebuild).
    drawing::Rect textBlock() const { return {m_xStart, 0, m_xSize, m_ySize}; }
    const drawing::Bitmap* reflection() const { return m_reflection ? &*m_reflection : nullptr; }
    bool rebuildPending() const { return m_rebuildPending; }

    void paint(const ui::PaintSurface& surface) override;
    void mouseMove(const ui::MouseArgs& args) override;
    void mouseDown(const ui::MouseArgs& args) override;
    void mouseLeave() override;

protected:
    void fontChanged() override;
    void boundsChanged(const drawing::Rect& old) override;
    void Loaded() override;

private:
    void requestRebuild();
    HtmlTextOptions htmlOptions() const;
    // Steps of one painting: background, reflection, markup; sets XSize and YSize.
    void paintContent(const ui::PaintSurface& surface);
    void rebuild(const ui::PaintSurface& surface);
    // The link under a point of the label, empty when there is none.
    std::string linkAt(drawing::Point p);
    // Shows a failure of painting in the error box once the painting is over.
    void reportLater(const std::string& message);

    std::vector<std::string> m_htmlText;
    drawing::TColor m_urlColor = drawing::clBlue;
    int m_reflectionSize = 20;
    int m_reflectionAxis = -7;
    int m_opacityStart = 128, m_opacityEnd = 0;
    bool m_transparent = true;
    const HtmlImageList* m_images = nullptr;
    const HtmlPictureContainer* m_pictureContainer = nullptr;

    int m_xStart = 0, m_xSize = 0, m_ySize = 0;
    std::optional<drawing::Bitmap> m_reflection;
    bool m_rebuildPending = true;
    std::string m_hoveredLink;
    mutable HtmlPictureCache m_pictureCache;  // pictures fetched for the markup
};

}  // namespace sk::smooth

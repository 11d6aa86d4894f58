// TImage, the plain picture: its picture drawn at the top-left corner at its
// own size (or centred, or stretched when asked), nothing where it has no
// picture.
#pragma once

#include <memory>

#include "ui/Control.h"
#include "ui/Picture.h"

namespace sk::ui {

class TImage : public GraphicControl {
    SK_PERSISTENT_CLASS
public:
    explicit TImage(Component* owner = nullptr);

    TPicture* Picture() const { return m_picture.get(); }
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);

    // Where the picture lands in the control.
    drawing::Rect destRect() const;
    void paint(const PaintSurface& surface) override;

private:
    std::unique_ptr<TPicture> m_picture;
    bool m_center = false;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_transparent = false;
    bool m_autoSize = false;
};

}  // namespace sk::ui

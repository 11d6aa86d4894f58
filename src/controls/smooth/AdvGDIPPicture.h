// TAdvGDIPPicture: a picture kept as its image file's bytes, unchanged (JPEG,
// PNG, GIF, BMP, TIFF or icon), streamed as the binary property Data. The bytes
// are decoded when they are loaded, which gives the picture's size; bytes that
// do not decode keep the picture non-empty but draw nothing.
//
//   fill.BackGroundPicture()->loadFromFile("forest.jpg");
//   caption.Picture()->draw(graphics, RectF{0, 0, 100, 50});   // stretched
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "drawing/Color.h"
#include "drawing/Geometry.h"
#include "drawing/Image.h"
#include "ui/Persistent.h"
#include "ui/UiTypes.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::smooth {

// Which colour of a transparent BMP is left out: the bottom-left pixel's, or TransparentColor.
enum TTransparencyMode { tmAutomatic, tmFixed };

class TAdvGDIPPicture : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    TAdvGDIPPicture() = default;

    const ui::BinaryData& Data() const { return m_data; }
    void SetData(const ui::BinaryData& data);
    void loadFromBytes(std::vector<unsigned char> bytes);
    // False (and the picture left empty) when the file cannot be read.
    bool loadFromFile(const std::filesystem::path& file);
    // Copies another picture's bytes; nothing empties the picture.
    void assignPicture(const TAdvGDIPPicture* source);
    void clear() { SetData({}); }

    bool Empty() const { return m_data.bytes.empty(); }
    int Width() const { return m_image ? m_image->width() : 0; }
    int Height() const { return m_image ? m_image->height() : 0; }

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    TTransparencyMode TransparencyMode() const { return m_transparencyMode; }
    void SetTransparencyMode(TTransparencyMode mode);
    drawing::TColor TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(drawing::TColor color);

    // The decoded image, or null for an empty picture or bytes that do not decode.
    // Throws "Could not allocate memory for image" when the memory for decoding
    // cannot be had.
    const drawing::Image* image() const;
    // Stretched to `rect`; a transparent BMP at its own size at the rectangle's
    // top-left corner with its transparent colour left out. Throws as image() does.
    void draw(drawing::Graphics& graphics, const drawing::RectF& rect) const;

    ui::TNotifyEventPersistent OnChange;

protected:
    void changed() override;

private:
    // Decodes the bytes; false when the memory for it could not be had.
    bool decode() const;

    ui::BinaryData m_data;
    mutable std::optional<drawing::Image> m_image;
    mutable bool m_decodePending = false;  // the last decoding ran out of memory
    bool m_transparent = false;
    TTransparencyMode m_transparencyMode = tmAutomatic;
    drawing::TColor m_transparentColor = drawing::clWhite;
};

}  // namespace sk::smooth

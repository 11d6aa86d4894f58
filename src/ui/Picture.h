// A picture as the plain image control stores it: the bytes of its image file
// (PNG, JPEG, BMP, GIF, TIFF, icon), decoded once for drawing. Streams as the
// binary property Data, inline or referring to an embedded resource.
#pragma once

#include <optional>

#include "drawing/Image.h"
#include "ui/Persistent.h"

namespace sk::ui {

class TPicture : public Persistent {
    SK_PERSISTENT_CLASS
public:
    TPicture() = default;

    const BinaryData& Data() const { return m_data; }
    void SetData(const BinaryData& data);
    void loadFromBytes(std::vector<unsigned char> bytes);
    // The bytes of an embedded resource; false when there is none of that name.
    bool loadFromResource(const std::string& name);
    void clear() { SetData({}); }

    bool empty() const { return !m_image.has_value(); }
    int width() const { return m_image ? m_image->width() : 0; }
    int height() const { return m_image ? m_image->height() : 0; }
    const drawing::Image* image() const { return m_image ? &*m_image : nullptr; }

private:
    BinaryData m_data;
    std::optional<drawing::Image> m_image;
};

}  // namespace sk::ui

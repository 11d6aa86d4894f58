// Pictures kept as their files' bytes.
#include "controls/smooth/AdvGDIPPicture.h"

#include <fstream>
#include <iterator>
#include <new>

#include "controls/smooth/ImageMemory.h"
#include "drawing/Graphics.h"
#include "platform/Exception.h"

namespace sk::smooth {

const ui::ClassInfo& TAdvGDIPPicture::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TAdvGDIPPicture>("TAdvGDIPPicture", &ui::Persistent::staticClassInfo())
            .binary("Data", &TAdvGDIPPicture::Data, &TAdvGDIPPicture::SetData)
            .build();
    return info;
}
const ui::ClassInfo& TAdvGDIPPicture::classInfo() const {
    return staticClassInfo();
}

void TAdvGDIPPicture::changed() {
    ui::Persistent::changed();
    if (OnChange) OnChange(this);
}

void TAdvGDIPPicture::SetData(const ui::BinaryData& data) {
    if (data == m_data) return;
    m_data = data;
    m_image.reset();
    m_decodePending = !m_data.bytes.empty() && !decode();
    changed();
}

void TAdvGDIPPicture::loadFromBytes(std::vector<unsigned char> bytes) {
    SetData(ui::BinaryData{std::move(bytes), {}});
}

bool TAdvGDIPPicture::loadFromFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail()) bytes.clear();  // a read error part-way: nothing half-loaded
    if (bytes.empty()) {
        clear();
        return false;
    }
    loadFromBytes(std::move(bytes));
    return true;
}

void TAdvGDIPPicture::assignPicture(const TAdvGDIPPicture* source) {
    if (source == this) return;
    SetData(source ? ui::BinaryData{source->m_data.bytes, {}} : ui::BinaryData{});
}

void TAdvGDIPPicture::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    changed();
}

void TAdvGDIPPicture::SetTransparencyMode(TTransparencyMode mode) {
    if (mode == m_transparencyMode) return;
    m_transparencyMode = mode;
    changed();
}

void TAdvGDIPPicture::SetTransparentColor(drawing::TColor color) {
    if (color == m_transparentColor) return;
    m_transparentColor = color;
    changed();
}

bool TAdvGDIPPicture::decode() const {
    try {
        // The bytes go to the decoder through a buffer of their own, as a stream
        // over memory would hold them; that is where memory can run out.
        const std::pmr::vector<unsigned char> stream(m_data.bytes.begin(), m_data.bytes.end(), imageMemory());
        m_image = drawing::Image::fromBytes(stream);
        return true;
    } catch (const std::bad_alloc&) {
        m_image.reset();
        return false;
    }
}

const drawing::Image* TAdvGDIPPicture::image() const {
    if (m_decodePending) {
        if (!decode()) throw platform::Exception("Could not allocate memory for image");
        m_decodePending = false;
    }
    return m_image ? &*m_image : nullptr;
}

void TAdvGDIPPicture::draw(drawing::Graphics& graphics, const drawing::RectF& rect) const {
    const drawing::Image* decoded = image();
    if (!decoded) return;
    if (m_transparent && decoded->rawFormat() == drawing::ImageFormat::Bmp) {
        const drawing::ARGB key = m_transparencyMode == tmFixed
                                      ? drawing::ColorToARGB(255, m_transparentColor)
                                      : (decoded->pixel(0, decoded->height() - 1) | 0xFF000000u);
        drawing::ImageAttributes attributes;
        attributes.setColorKey(key);
        const float w = static_cast<float>(decoded->width()), h = static_cast<float>(decoded->height());
        graphics.drawImage(*decoded, drawing::RectF{rect.x, rect.y, w, h}, drawing::RectF{0, 0, w, h},
                           &attributes);
        return;
    }
    graphics.drawImage(*decoded, rect);
}

}  // namespace sk::smooth

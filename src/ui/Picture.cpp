// Pictures stored as their image files' bytes.
#include "ui/Picture.h"

#include "platform/EmbeddedResources.h"

namespace sk::ui {

const ClassInfo& TPicture::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<TPicture>("TPicture", &Persistent::staticClassInfo())
                                      .binary("Data", &TPicture::Data, &TPicture::SetData)
                                      .build();
    return info;
}
const ClassInfo& TPicture::classInfo() const {
    return staticClassInfo();
}

void TPicture::SetData(const BinaryData& data) {
    if (data == m_data) return;
    m_data = data;
    m_image.reset();
    if (!m_data.bytes.empty()) {
        auto decoded = drawing::Image::fromBytes(m_data.bytes);
        if (!decoded) throw std::runtime_error("Bitmap image is not valid");
        m_image = std::move(*decoded);
    }
    changed();
}

void TPicture::loadFromBytes(std::vector<unsigned char> bytes) {
    SetData(BinaryData{std::move(bytes), {}});
}

bool TPicture::loadFromResource(const std::string& name) {
    auto bytes = platform::findResource(name);
    if (!bytes) return false;
    SetData(BinaryData{std::vector<unsigned char>(bytes->begin(), bytes->end()), name});
    return true;
}

}  // namespace sk::ui

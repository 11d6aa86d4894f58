#include "controls/office/TrackBarLabel.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarLabel::staticClassInfo() {
    using T = TTrackBarLabel;
    static const ui::ClassInfo info =
        ui::ClassBuilder<T>("TTrackBarLabel", &ui::Persistent::staticClassInfo())
            .object("Font", &T::Font)
            .string("Format", &T::Format, &T::SetFormat, std::string("Pos: %d"))
            .enumeration("Position", &T::Position, &T::SetPosition, lpTopCenter, labelPositionNames())
            .boolean("Visible", &T::Visible, &T::SetVisible, false)
            .build();
    return info;
}
const ui::ClassInfo& TTrackBarLabel::classInfo() const {
    return staticClassInfo();
}

TTrackBarLabel::TTrackBarLabel() : m_font(std::make_unique<ui::TFont>()) {
    m_font->SetName("Tahoma");
    m_font->setChangeHandler([this](ui::Persistent*) { changed(); });
}

std::string TTrackBarLabel::text(int position) const {
    // The format comes from a form description: it is never handed to printf.
    std::string out;
    for (std::size_t i = 0; i < m_Format.size(); ++i) {
        if (m_Format[i] == '%' && i + 1 < m_Format.size() && m_Format[i + 1] == 'd') {
            out += std::to_string(position);
            ++i;
        } else if (m_Format[i] == '%' && i + 1 < m_Format.size() && m_Format[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += m_Format[i];
        }
    }
    return out;
}

}  // namespace sk::office

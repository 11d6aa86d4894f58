// The raised label's shadow: offsets by orientation and the copies of each style.
#include "controls/office/dxf3DEffect.h"

#include <algorithm>

namespace sk::office {

namespace {
const ui::EnumNames kEffectStyleNames{"TdxfEffectStyle", {"dxfFun", "dxfExtrude", "dxfCool"}};
const ui::EnumNames kOrientationNames{"TdxfOrientation",
                                      {"dxfLeft", "dxfRight", "dxfTop", "dxfBottom", "dxfLeftTop",
                                       "dxfLeftBottom", "dxfRightTop", "dxfRightBottom"}};

int sign(int v) {
    return (v > 0) - (v < 0);
}

// A channel of `from` moved (k - 1) / d of the way towards `to`, truncated towards zero.
int fadedChannel(int from, int to, int k, int d) {
    return from + (k - 1) * (to - from) / d;
}
}  // namespace

const ui::ClassInfo& Tdxf3DEffect::staticClassInfo() {
    using E = Tdxf3DEffect;
    static const ui::ClassInfo info =
        ui::ClassBuilder<E>("Tdxf3DEffect", &ui::Persistent::staticClassInfo())
            .enumeration("Style", &E::Style, &E::SetStyle, dxfCool, kEffectStyleNames)
            .enumeration("Orientation", &E::Orientation, &E::SetOrientation, dxfRightBottom,
                         kOrientationNames)
            .integer("Depth", &E::Depth, &E::SetDepth, 0LL)
            .color("ShadowedColor", &E::ShadowedColor, &E::SetShadowedColor,
                   static_cast<long long>(kDefaultShadowedColor))
            .build();
    return info;
}
const ui::ClassInfo& Tdxf3DEffect::classInfo() const {
    return staticClassInfo();
}

void Tdxf3DEffect::SetStyle(TdxfEffectStyle value) {
    if (value == m_style) return;
    m_style = value;
    changed();
}

void Tdxf3DEffect::SetOrientation(TdxfOrientation value) {
    if (value == m_orientation) return;
    m_orientation = value;
    changed();
}

void Tdxf3DEffect::SetDepth(int value) {
    const auto depth = static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
    if (depth == m_depth) return;
    m_depth = depth;
    changed();
}

void Tdxf3DEffect::SetShadowedColor(ui::TColor value) {
    if (value == m_shadowedColor) return;
    m_shadowedColor = value;
    changed();
}

drawing::Point Tdxf3DEffect::offset() const {
    const int d = m_depth;
    switch (m_orientation) {
        case dxfLeft:
            return {-d, 0};
        case dxfRight:
            return {d, 0};
        case dxfTop:
            return {0, -d};
        case dxfBottom:
            return {0, d};
        case dxfLeftTop:
            return {-d, -d};
        case dxfLeftBottom:
            return {-d, d};
        case dxfRightTop:
            return {d, -d};
        case dxfRightBottom:
            break;
    }
    return {d, d};
}

std::vector<DxfShadowCopy> Tdxf3DEffect::copies(ui::TColor background) const {
    std::vector<DxfShadowCopy> result;
    const int d = m_depth;
    if (d == 0) return result;
    const drawing::Point full = offset();
    if (m_style == dxfCool) {
        result.push_back({full.x, full.y, m_shadowedColor});
        return result;
    }
    const int sx = sign(full.x), sy = sign(full.y);
    const ui::TColor shadow = drawing::ColorToRGB(m_shadowedColor);
    const ui::TColor back = drawing::ColorToRGB(background);
    result.reserve(static_cast<std::size_t>(d));
    for (int k = d; k >= 1; --k) {
        ui::TColor color = m_shadowedColor;
        if (m_style == dxfFun)
            color = drawing::RGB(fadedChannel(drawing::redOf(shadow), drawing::redOf(back), k, d),
                                 fadedChannel(drawing::greenOf(shadow), drawing::greenOf(back), k, d),
                                 fadedChannel(drawing::blueOf(shadow), drawing::blueOf(back), k, d));
        result.push_back({sx * k, sy * k, color});
    }
    return result;
}

}  // namespace sk::office

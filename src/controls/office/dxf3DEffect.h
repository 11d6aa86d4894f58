// The shadow of the raised 3-D label: its kind (one offset copy, a solid
// extrusion, or an extrusion that fades into the background), the direction it
// falls in, its length and its colour. The label asks it for the copies to draw
// behind the letters, back to front; every change is reported to the label.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/Persistent.h"
#include "ui/UiTypes.h"

namespace sk::office {

enum TdxfEffectStyle { dxfFun, dxfExtrude, dxfCool };
enum TdxfOrientation {
    dxfLeft,
    dxfRight,
    dxfTop,
    dxfBottom,
    dxfLeftTop,
    dxfLeftBottom,
    dxfRightTop,
    dxfRightBottom
};

// One copy of the caption behind the letters: its offset from the text position
// and its colour (a window colour).
struct DxfShadowCopy {
    int dx = 0;
    int dy = 0;
    ui::TColor color = 0;
    friend bool operator==(const DxfShadowCopy&, const DxfShadowCopy&) = default;
};

class Tdxf3DEffect : public ui::Persistent {
    SK_PERSISTENT_CLASS
public:
    static constexpr ui::TColor kDefaultShadowedColor = 0x00808080;

    Tdxf3DEffect() = default;

    TdxfEffectStyle Style() const { return m_style; }
    void SetStyle(TdxfEffectStyle value);
    TdxfOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TdxfOrientation value);
    // Pixels, 0 to 65535; 0 draws no shadow. Values outside are clamped.
    int Depth() const { return m_depth; }
    void SetDepth(int value);
    ui::TColor ShadowedColor() const { return m_shadowedColor; }
    void SetShadowedColor(ui::TColor value);

    // The full offset of the shadow for the depth, by orientation.
    drawing::Point offset() const;
    // The copies to draw, in drawing order (the far end first). `background` is
    // the blending background of the fading style, an RGB window colour.
    std::vector<DxfShadowCopy> copies(ui::TColor background) const;

private:
    TdxfEffectStyle m_style = dxfCool;
    TdxfOrientation m_orientation = dxfRightBottom;
    std::uint16_t m_depth = 0;
    ui::TColor m_shadowedColor = kDefaultShadowedColor;
};

}  // namespace sk::office

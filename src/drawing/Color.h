// Colours: window colours (0x00BBGGRR, system colours 0xFF0000nn, clNone, clDefault),
// ARGB colours (0xAARRGGBB) and the colour arithmetic that several controls share.
#pragma once

#include <cstdint>

namespace sk::drawing {

// A window colour: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
using TColor = std::uint32_t;
// A 2-D drawing colour: 0xAARRGGBB; alpha 0 is fully transparent.
using ARGB = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;     // no colour: the element is not painted
inline constexpr TColor clDefault = 0x20000000;  // the control's own default colour

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;

// System colours, resolved through a fixed table of the classic values.
inline constexpr TColor clScrollBar = 0xFF000000;
inline constexpr TColor clBackground = 0xFF000001;
inline constexpr TColor clActiveCaption = 0xFF000002;
inline constexpr TColor clInactiveCaption = 0xFF000003;
inline constexpr TColor clMenu = 0xFF000004;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowFrame = 0xFF000006;
inline constexpr TColor clMenuText = 0xFF000007;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clCaptionText = 0xFF000009;
inline constexpr TColor clActiveBorder = 0xFF00000A;
inline constexpr TColor clInactiveBorder = 0xFF00000B;
inline constexpr TColor clAppWorkSpace = 0xFF00000C;
inline constexpr TColor clHighlight = 0xFF00000D;
inline constexpr TColor clHighlightText = 0xFF00000E;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clGrayText = 0xFF000011;
inline constexpr TColor clBtnText = 0xFF000012;
inline constexpr TColor clInactiveCaptionText = 0xFF000013;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor cl3DDkShadow = 0xFF000015;
inline constexpr TColor cl3DLight = 0xFF000016;
inline constexpr TColor clInfoText = 0xFF000017;
inline constexpr TColor clInfoBk = 0xFF000018;
inline constexpr TColor clHotLight = 0xFF00001A;
inline constexpr TColor clGradientActiveCaption = 0xFF00001B;
inline constexpr TColor clGradientInactiveCaption = 0xFF00001C;
inline constexpr TColor clMenuHighlight = 0xFF00001D;
inline constexpr TColor clMenuBar = 0xFF00001E;

inline constexpr bool isSystemColor(TColor c) {
    return (c & 0xFF000000u) == 0xFF000000u;
}

// Red, green and blue of a window colour; a system colour is resolved to its classic
// value first. The result is 0x00BBGGRR. clNone and clDefault give black.
TColor ColorToRGB(TColor color);

// A window colour as ARGB with the given opacity: system colours resolved, then
// opacity << 24 | R << 16 | G << 8 | B.
ARGB ColorToARGB(std::uint8_t opacity, TColor color);

// Window colour <-> parts.
inline constexpr std::uint8_t redOf(TColor c) {
    return c & 0xFF;
}
inline constexpr std::uint8_t greenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
inline constexpr std::uint8_t blueOf(TColor c) {
    return (c >> 16) & 0xFF;
}
inline constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// ARGB <-> parts.
inline constexpr std::uint8_t alphaOf(ARGB c) {
    return c >> 24;
}
inline constexpr std::uint8_t argbRed(ARGB c) {
    return (c >> 16) & 0xFF;
}
inline constexpr std::uint8_t argbGreen(ARGB c) {
    return (c >> 8) & 0xFF;
}
inline constexpr std::uint8_t argbBlue(ARGB c) {
    return c & 0xFF;
}
inline constexpr ARGB makeARGB(int a, int r, int g, int b) {
    return (static_cast<ARGB>(a & 0xFF) << 24) | (static_cast<ARGB>(r & 0xFF) << 16) |
           (static_cast<ARGB>(g & 0xFF) << 8) | static_cast<ARGB>(b & 0xFF);
}
// An ARGB colour's RGB as a window colour, and a window colour made opaque ARGB.
inline constexpr TColor argbToColor(ARGB c) {
    return RGB(argbRed(c), argbGreen(c), argbBlue(c));
}

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double value);

// The glow button's colour blend by percentage: p >= 100 gives c1, p <= 0 gives c2;
// otherwise each channel is round(p/100 * c1 + (1 - p/100) * c2), capped at 255.
// System colours are resolved first; the result is a plain window colour.
TColor blendPercent(TColor c1, TColor c2, int percentage);

// Instrument colour functions on ARGB values:
// scaleColor multiplies red, green and blue by f (rounded half to even, capped at 255),
// keeping alpha. Scale(0xFFD3D3D3, 0.65) is 0xFF898989.
ARGB scaleColor(ARGB color, double factor);
// blendColor eases t by t - 0.095 sin(2 pi t) (limited to 0..1) and mixes every
// channel, alpha included, from a (t = 0) to b (t = 1), rounded.
ARGB blendColor(ARGB a, ARGB b, double t);
// shadeColor is blendColor(a, b, sin(phi + 45 deg)/2 + 0.5) for a direction phi in
// degrees, clockwise from 3 o'clock: a at the upper left, b at the lower right.
ARGB shadeColor(ARGB a, ARGB b, double phiDegrees);

}  // namespace sk::drawing

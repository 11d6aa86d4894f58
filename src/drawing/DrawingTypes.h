// The enumerations of the 2-D drawing API. Their numeric values are those of the
// classic 2-D library that the controls' stored properties were written for, so a
// stored number converts with a plain static_cast.
#pragma once

#include <optional>
#include <string_view>

namespace sk::drawing {

// Result of a drawing call. Graphics keeps the last one that was not Ok.
enum class Status {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,  // the caller falls back to "Arial"
    FontStyleNotFound = 15,   // likewise
    NotTrueTypeFont = 16,
};

enum class SmoothingMode {
    Default = 0,
    HighSpeed = 1,
    HighQuality = 2,
    None = 3,
    AntiAlias = 4,
    AntiAlias8x8 = 5
};

enum class TextRenderingHint {
    SystemDefault = 0,
    SingleBitPerPixelGridFit = 1,
    SingleBitPerPixel = 2,
    AntiAliasGridFit = 3,
    AntiAlias = 4,
    ClearTypeGridFit = 5,
};

enum class CompositingQuality {
    Default = 0,
    HighSpeed = 1,
    HighQuality = 2,
    GammaCorrected = 3,
    AssumeLinear = 4
};
enum class CompositingMode { SourceOver = 0, SourceCopy = 1 };  // blend, or replace pixels
enum class InterpolationMode {
    Default = 0,
    Low = 1,
    High = 2,
    Bilinear = 3,
    Bicubic = 4,
    NearestNeighbor = 5,
    HighQualityBilinear = 6,
    HighQualityBicubic = 7
};

enum class FillMode { Alternate = 0, Winding = 1 };  // even-odd, non-zero
enum class MatrixOrder { Prepend = 0, Append = 1 };
enum class CombineMode { Replace = 0, Intersect = 1 };

// How a brush continues outside its rectangle.
enum class WrapMode { Tile = 0, TileFlipX = 1, TileFlipY = 2, TileFlipXY = 3, Clamp = 4 };

enum class LinearGradientMode { Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3 };

enum class BrushType { SolidColor = 0, HatchFill = 1, TextureFill = 2, PathGradient = 3, LinearGradient = 4 };

// Pens.
enum class DashStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Custom = 5 };
enum class PenAlignment { Center = 0, Inset = 1 };
enum class LineJoin { Miter = 0, Bevel = 1, Round = 2, MiterClipped = 3 };
enum class LineCap { Flat = 0, Square = 1, Round = 2 };

// The 53 standard hatch styles in their standard order; the names are those that
// forms store ("HatchStyleHorizontalBrick").
enum HatchStyle : int {
    HatchStyleHorizontal,
    HatchStyleVertical,
    HatchStyleForwardDiagonal,
    HatchStyleBackwardDiagonal,
    HatchStyleCross,
    HatchStyleDiagonalCross,
    HatchStyle05Percent,
    HatchStyle10Percent,
    HatchStyle20Percent,
    HatchStyle25Percent,
    HatchStyle30Percent,
    HatchStyle40Percent,
    HatchStyle50Percent,
    HatchStyle60Percent,
    HatchStyle70Percent,
    HatchStyle75Percent,
    HatchStyle80Percent,
    HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal,
    HatchStyleLightUpwardDiagonal,
    HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal,
    HatchStyleWideDownwardDiagonal,
    HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical,
    HatchStyleLightHorizontal,
    HatchStyleNarrowVertical,
    HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical,
    HatchStyleDarkHorizontal,
    HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal,
    HatchStyleDashedHorizontal,
    HatchStyleDashedVertical,
    HatchStyleSmallConfetti,
    HatchStyleLargeConfetti,
    HatchStyleZigZag,
    HatchStyleWave,
    HatchStyleDiagonalBrick,
    HatchStyleHorizontalBrick,
    HatchStyleWeave,
    HatchStylePlaid,
    HatchStyleDivot,
    HatchStyleDottedGrid,
    HatchStyleDottedDiamond,
    HatchStyleShingle,
    HatchStyleTrellis,
    HatchStyleSphere,
    HatchStyleSmallGrid,
    HatchStyleSmallCheckerBoard,
    HatchStyleLargeCheckerBoard,
    HatchStyleOutlinedDiamond,
    HatchStyleSolidDiamond,
    HatchStyleTotal,
    HatchStyleLargeGrid = HatchStyleCross,
    HatchStyleMin = HatchStyleHorizontal,
    HatchStyleMax = HatchStyleSolidDiamond,
};
// "HatchStyleWeave" <-> HatchStyleWeave, for form streaming.
std::string_view hatchStyleName(HatchStyle style);
std::optional<HatchStyle> hatchStyleFromName(std::string_view name);

// Text.
enum FontStyle : int {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};
enum class FontUnit { Pixel = 2, Point = 3 };  // points are at 96 dots per inch

enum class StringAlignment { Near = 0, Center = 1, Far = 2 };
enum class StringTrimming {
    None = 0,
    Character = 1,
    Word = 2,
    EllipsisCharacter = 3,
    EllipsisWord = 4,
    EllipsisPath = 5
};
enum class HotkeyPrefix { None = 0, Show = 1, Hide = 2 };  // "&x": literal, underlined x, plain x
// String format flags (bits).
inline constexpr int StringFormatFlagsDirectionRightToLeft = 0x0001;
inline constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
inline constexpr int StringFormatFlagsNoWrap = 0x1000;
inline constexpr int StringFormatFlagsLineLimit = 0x2000;
inline constexpr int StringFormatFlagsNoClip = 0x4000;

// Images.
enum class ImageFormat { Unknown, MemoryBmp, Bmp, Jpeg, Png, Gif, Tiff, Icon };
enum class PixelFormat { Format24bppRGB, Format32bppRGB, Format32bppARGB };
enum class RotateFlipType {
    RotateNoneFlipNone = 0,
    Rotate90FlipNone = 1,
    Rotate180FlipNone = 2,
    Rotate270FlipNone = 3,
    RotateNoneFlipX = 4,
    Rotate90FlipX = 5,
    Rotate180FlipX = 6,
    Rotate270FlipX = 7,
    RotateNoneFlipY = Rotate180FlipX,
    RotateNoneFlipXY = Rotate180FlipNone,
};

}  // namespace sk::drawing

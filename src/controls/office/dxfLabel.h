// TdxfLabel, the raised 3-D label: a one-line caption, always centred and never
// wrapped, drawn raised, lowered, outlined or plain, with an optional shadow
// (Tdxf3DEffect), a rotation about the centre and an optional picture tiled
// inside the letters. Every label paints on one off-screen bitmap shared by all
// of them, which only grows, and copies it onto itself, leaving out the label's
// colour when transparent.
#pragma once

#include <memory>

#include "controls/office/dxf3DEffect.h"
#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "ui/Label.h"
#include "ui/Picture.h"

namespace sk::office {

enum TdxfLabelStyle { dxfNormal, dxfRaised, dxfLowered, dxfOutLine };

class TdxfLabel : public ui::TLabel {
    SK_PERSISTENT_CLASS
public:
    static constexpr const char* kAngleMessage =
        "The Angle property is applicable for the TrueType fonts only";

    explicit TdxfLabel(ui::Component* owner = nullptr);

    TdxfLabelStyle Style() const { return m_style; }
    void SetStyle(TdxfLabelStyle value);
    // Degrees counter-clockwise, 0 to 360. A non-zero angle needs an outline font:
    // otherwise the error beep sounds, a message says so and the angle stays.
    int Angle() const { return m_angle; }
    void SetAngle(int value);
    Tdxf3DEffect* Effect3D() const { return m_effect.get(); }
    ui::TPicture* Glyph() const { return m_glyph.get(); }
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int value);

    // Where the caption's cell starts (its top-left corner before rotation) so that
    // the text of size `text` is centred in `client` at `angle` degrees.
    static drawing::Point textOrigin(drawing::Size client, drawing::Size text, int angle);
    // The bitmap every label paints on; it grows to the largest label painted.
    static drawing::Bitmap& sharedBitmap();

    void paint(const ui::PaintSurface& surface) override;

private:
    // Steps of a paint on the shared bitmap; `at` is the text origin.
    void drawShadow(drawing::Canvas& canvas, drawing::Point at, ui::TColor background) const;
    void drawLetters(drawing::Canvas& canvas, drawing::Point at, bool glyphFill);
    void drawOutline(drawing::Canvas& canvas, drawing::Point at) const;
    void fillWithGlyph(drawing::Canvas& canvas, drawing::Point at) const;
    static void drawCaptionCopy(drawing::Canvas& canvas, drawing::Point at, ui::TColor color,
                                const std::string& text);
    bool glyphFillApplies(bool trueType) const;

    TdxfLabelStyle m_style = dxfNormal;
    int m_angle = 0;
    int m_penWidth = 1;
    std::unique_ptr<Tdxf3DEffect> m_effect;
    std::unique_ptr<ui::TPicture> m_glyph;
};

}  // namespace sk::office

// Brushes: what fills a path or a text. The kinds are SolidBrush (here),
// LinearGradientBrush, PathGradientBrush, HatchBrush and TextureBrush. Colours are
// ARGB (0xAARRGGBB). Brushes are values: copy them freely; Graphics does not keep them.
#pragma once

#include <memory>

#include "drawing/CairoHandles.h"
#include "drawing/Color.h"
#include "drawing/DrawingTypes.h"

namespace sk::drawing {

class Brush {
public:
    virtual ~Brush() = default;
    virtual BrushType type() const = 0;
    virtual std::unique_ptr<Brush> clone() const = 0;

    // For the drawing layer: a new cairo pattern that paints this brush in the user
    // space of `cr` (its current transform). Null: paint nothing.
    virtual detail::CairoPattern createPattern(cairo_t* cr) const = 0;

protected:
    Brush() = default;
    Brush(const Brush&) = default;
    Brush& operator=(const Brush&) = default;
};

class SolidBrush final : public Brush {
public:
    explicit SolidBrush(ARGB color) : m_color(color) {}
    ARGB color() const { return m_color; }
    void setColor(ARGB color) { m_color = color; }

    BrushType type() const override { return BrushType::SolidColor; }
    std::unique_ptr<Brush> clone() const override { return std::make_unique<SolidBrush>(*this); }
    detail::CairoPattern createPattern(cairo_t* cr) const override;

private:
    ARGB m_color;
};

}  // namespace sk::drawing

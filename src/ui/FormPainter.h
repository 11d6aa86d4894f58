// The painting of one form: its back buffer, the dirty areas collected between
// events, the z-order walk over its controls (a parent, its graphic children,
// its windowed children, then its overlay), shaped controls, the parent's
// background for transparent children, and the presenting of painted areas to
// the window. A control whose painting throws leaves its area as it was; the
// failure is written once per control to standard error.
#pragma once

#include <cstddef>
#include <exception>
#include <unordered_set>
#include <vector>

#include "drawing/Bitmap.h"
#include "drawing/Geometry.h"
#include "ui/PaintSurface.h"

namespace sk::ui {

class Control;
class Form;

class FormPainter {
public:
    explicit FormPainter(Form& form) : m_form(form) {}
    FormPainter(const FormPainter&) = delete;
    FormPainter& operator=(const FormPainter&) = delete;

    const drawing::Bitmap& backBuffer() const { return m_buffer; }
    // A new back buffer of the form's size, all of it dirty (when the form is
    // shown or resized).
    void renewBuffer();

    // ---- Dirty areas ----
    // Marks an area of a shown form (form coordinates) for painting; areas that
    // overlap merge, so that no pixel is painted twice.
    void invalidateArea(const drawing::Rect& formRect);
    bool hasDirtyAreas() const { return !m_dirty.empty(); }
    const std::vector<drawing::Rect>& dirtyAreas() const { return m_dirty; }
    // Forgets the dirty areas (the form was hidden).
    void discardDirtyAreas() { m_dirty.clear(); }

    // ---- Painting ----
    // Paints the dirty areas into the back buffer and presents them; nothing while
    // the form is hidden, and never from inside its own painting (what a paint
    // invalidates waits for the next pass).
    void paintPending();
    // Paints one area of the form into the buffer (for reading back and benchmarks).
    void paintArea(const drawing::Rect& formRect);
    // Paints the parent's background and the graphic siblings below a child into
    // the child's part of the surface (for transparent children).
    void paintBackgroundOf(const Control& child, const PaintSurface& surface);
    // Counts paint() calls of controls, for tests of what gets repainted.
    std::size_t paintCount() const { return m_paintCount; }

    // A control left the form: a control made later at its address may fail anew.
    void controlRemoved(const Control* control);

    // More separate areas than this become the one rectangle around them.
    static constexpr std::size_t maxDirtyAreas = 16;

private:
    void paintControl(Control& control, drawing::Bitmap& target, const drawing::Rect& clip,
                      bool withChildren);
    void restoreOutsideRegion(const Control& control, drawing::Bitmap& target, const drawing::Rect& area,
                              const drawing::Bitmap& saved);
    void reportPaintFailure(const Control& control, const std::exception& failure);

    Form& m_form;
    drawing::Bitmap m_buffer;
    std::vector<drawing::Rect> m_dirty;
    std::unordered_set<const Control*> m_paintFailuresReported;
    bool m_painting = false;
    std::size_t m_paintCount = 0;
};

}  // namespace sk::ui

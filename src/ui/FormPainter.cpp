// The form's painting: dirty areas, the z-order walk, shaped and transparent
// controls, overlays and the report of controls that fail to paint.
#include "ui/FormPainter.h"

#include <algorithm>
#include <cstdio>

#include "ui/Form.h"

namespace sk::ui {

void FormPainter::renewBuffer() {
    m_buffer = drawing::Bitmap(std::max(1, m_form.Width()), std::max(1, m_form.Height()));
    invalidateArea({0, 0, m_form.Width(), m_form.Height()});
}

// ---- Dirty areas -------------------------------------------------------------

void FormPainter::invalidateArea(const drawing::Rect& formRect) {
    if (!m_form.isShown()) return;
    drawing::Rect r = formRect.intersected({0, 0, m_form.Width(), m_form.Height()});
    if (r.empty()) return;
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = m_dirty.begin(); it != m_dirty.end(); ++it) {
            if (!it->intersected(r).empty()) {
                r = r.united(*it);
                m_dirty.erase(it);
                merged = true;
                break;
            }
        }
    }
    m_dirty.push_back(r);
    if (m_dirty.size() > maxDirtyAreas) {
        drawing::Rect all;
        for (const auto& d : m_dirty) all = all.united(d);
        m_dirty.assign(1, all);
    }
}

// ---- Painting ----------------------------------------------------------------

void FormPainter::paintPending() {
    if (!m_form.isShown() || m_painting || m_dirty.empty()) return;
    m_painting = true;
    const std::vector<drawing::Rect> areas = std::move(m_dirty);
    m_dirty.clear();
    for (const auto& area : areas) {
        paintArea(area);
        if (platform::NativeWindow* window = m_form.nativeWindow()) window->present(m_buffer, area);
    }
    m_painting = false;
}

void FormPainter::paintArea(const drawing::Rect& formRect) {
    const drawing::Rect area = formRect.intersected({0, 0, m_buffer.width(), m_buffer.height()});
    if (area.empty()) return;
    paintControl(m_form, m_buffer, area, true);
}

void FormPainter::paintControl(Control& control, drawing::Bitmap& target, const drawing::Rect& clip,
                               bool withChildren) {
    if (!control.Visible()) return;
    const drawing::Point origin = control.formOrigin();
    const drawing::Rect area =
        drawing::Rect{origin.x, origin.y, control.Width(), control.Height()}.intersected(clip);
    if (area.empty()) return;

    // A shaped control: what lies outside its region is put back afterwards.
    drawing::Bitmap saved;
    const bool shaped = control.windowRegion().has_value();
    if (shaped) {
        saved = drawing::Bitmap(area.width, area.height);
        saved.copyFrom(target, area, {0, 0});
    }

    const PaintSurface surface{&target, origin, area};
    ++m_paintCount;
    try {
        control.paint(surface);
    } catch (const std::exception& e) {
        reportPaintFailure(control, e);
    }
    if (withChildren && control.isWindowed()) {
        for (Control* child : static_cast<WinControl&>(control).paintOrder())
            paintControl(*child, target, area, true);
    }
    // A paint handler may have dropped the region meanwhile.
    if (shaped && control.windowRegion()) restoreOutsideRegion(control, target, area, saved);

    if (control.isWindowed() && static_cast<WinControl&>(control).hasOverlay()) {
        try {
            static_cast<WinControl&>(control).paintOverlay(surface);
        } catch (const std::exception& e) {
            reportPaintFailure(control, e);
        }
    }
}

void FormPainter::restoreOutsideRegion(const Control& control, drawing::Bitmap& target,
                                       const drawing::Rect& area, const drawing::Bitmap& saved) {
    const Region& region = *control.windowRegion();
    const drawing::Point origin = control.formOrigin();
    // Row by row, each run of pixels outside the region is copied back in one go.
    for (int y = area.top; y < area.bottom(); ++y) {
        int runStart = -1;
        for (int x = area.left; x <= area.right(); ++x) {
            const bool outside = x < area.right() && !region.contains({x - origin.x, y - origin.y});
            if (outside && runStart < 0) runStart = x;
            if (!outside && runStart >= 0) {
                target.copyFrom(saved, {runStart - area.left, y - area.top, x - runStart, 1}, {runStart, y});
                runStart = -1;
            }
        }
    }
}

void FormPainter::paintBackgroundOf(const Control& child, const PaintSurface& surface) {
    WinControl* parent = child.Parent();
    if (!parent || !surface.target) return;
    const drawing::Point childOrigin = child.formOrigin();
    const drawing::Rect area =
        drawing::Rect{childOrigin.x, childOrigin.y, child.Width(), child.Height()}.intersected(surface.clip);
    if (area.empty()) return;
    const PaintSurface parentSurface{surface.target, parent->formOrigin(), area};
    try {
        parent->paint(parentSurface);
    } catch (const std::exception& e) {
        reportPaintFailure(*parent, e);
    }
    // The parent's graphic controls that lie below the child, on the same target.
    for (Control* sibling : parent->paintOrder()) {
        if (sibling == &child || sibling->isWindowed()) break;
        paintControl(*sibling, *surface.target, area, false);
    }
}

// ---- Failures ----------------------------------------------------------------

void FormPainter::reportPaintFailure(const Control& control, const std::exception& failure) {
    // Painting is not an event handler: a control that fails to paint leaves its
    // area as it was and the program goes on without a box per repaint, but the
    // failure is told once per control, for whoever reads the program's output.
    if (!m_paintFailuresReported.insert(&control).second) return;
    std::fprintf(stderr, "slidekiln: %s \"%s\" cannot paint: %s\n", control.classInfo().name().c_str(),
                 control.Name().c_str(), failure.what());
}

void FormPainter::controlRemoved(const Control* control) {
    std::erase_if(m_paintFailuresReported, [&](const Control* c) { return control->containsControl(c); });
}

}  // namespace sk::ui

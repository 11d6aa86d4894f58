#include "platform/gtk/GtkNativeWindow.h"

#include <cairo.h>
#include <gtk/gtk.h>

#include <cmath>
#include <memory>

#include "platform/gtk/GtkKeyMap.h"
#include "platform/gtk/GtkPlatform.h"
#include "platform/gtk/GtkText.h"

#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
// X11 names a few constants like our enumerations.
#undef None
#undef CursorShape
#endif

namespace sk::platform {

using drawing::Point;
using drawing::Rect;
using drawing::Size;

namespace {

constexpr int kShadowSize = 5;

unsigned modifiersFromState(guint state) {
    unsigned modifiers = ModNone;
    if (state & GDK_SHIFT_MASK) modifiers |= ModShift;
    if (state & GDK_CONTROL_MASK) modifiers |= ModCtrl;
    if (state & GDK_MOD1_MASK) modifiers |= ModAlt;
    return modifiers;
}

unsigned buttonsFromState(guint state) {
    unsigned buttons = ButtonNone;
    if (state & GDK_BUTTON1_MASK) buttons |= ButtonLeft;
    if (state & GDK_BUTTON2_MASK) buttons |= ButtonMiddle;
    if (state & GDK_BUTTON3_MASK) buttons |= ButtonRight;
    return buttons;
}

std::optional<MouseButton> mouseButton(guint button) {
    switch (button) {
        case 1:
            return MouseButton::Left;
        case 2:
            return MouseButton::Middle;
        case 3:
            return MouseButton::Right;
        default:
            return std::nullopt;
    }
}

Point pointOf(double x, double y) {
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

// The key's unshifted value in the first keyboard layout, which names the key
// whatever layout is active.
unsigned baseKeyval(const GdkEventKey* event) {
    guint keyval = 0;
    GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
    if (!gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, static_cast<GdkModifierType>(0),
                                             0, &keyval, nullptr, nullptr, nullptr))
        return 0;
    return keyval;
}

GdkPixbuf* pixbufFromBitmap(const drawing::Bitmap& bitmap) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, bitmap.width(), bitmap.height());
    if (!pixbuf) return nullptr;
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < bitmap.height(); ++y) {
        guchar* row = pixels + y * stride;
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint32_t argb = bitmap.pixel(x, y);
            row[4 * x + 0] = static_cast<guchar>(argb >> 16);
            row[4 * x + 1] = static_cast<guchar>(argb >> 8);
            row[4 * x + 2] = static_cast<guchar>(argb);
            row[4 * x + 3] = static_cast<guchar>(argb >> 24);
        }
    }
    return pixbuf;
}

}  // namespace

// ---- Signal trampolines ----
// Exceptions cannot pass through GTK's C code; they go to the platform's handler.

struct GtkNativeWindowSignals {
    template <typename F>
    static gboolean guarded(GtkNativeWindow* window, F&& f) {
        GtkPlatform* platform = window->m_platform;
        try {
            return f() ? TRUE : FALSE;
        } catch (...) {
            if (platform) platform->handleException(std::current_exception());
            return TRUE;
        }
    }
    static gboolean draw(GtkWidget*, cairo_t* cr, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        return guarded(w, [&] { return w->onDraw(cr); });
    }
    static void realize(GtkWidget*, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        guarded(w, [&] {
            w->onRealize();
            return true;
        });
    }
    // An input event handed to the window's handler for it.
    template <typename Event, auto Handler>
    static gboolean event(GtkWidget*, Event* event, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        return guarded(w, [&] { return (w->*Handler)(event); });
    }
    static gboolean focusIn(GtkWidget*, GdkEventFocus*, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        return guarded(w, [&] { return w->onFocus(true); });
    }
    static gboolean focusOut(GtkWidget*, GdkEventFocus*, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        return guarded(w, [&] { return w->onFocus(false); });
    }
    static gboolean deleteEvent(GtkWidget*, GdkEvent*, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        return guarded(w, [&] { return w->onDelete(); });
    }
    static void commit(GtkIMContext*, gchar* text, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        guarded(w, [&] {
            w->onCommit(text);
            return true;
        });
    }
    static gboolean grabBroken(GtkWidget*, GdkEvent*, gpointer self) {
        auto* w = static_cast<GtkNativeWindow*>(self);
        return guarded(w, [&] {
            w->onGrabBroken();
            return false;
        });
    }
};

// ---- Construction ----

GtkNativeWindow::GtkNativeWindow(GtkPlatform* platform, const WindowOptions& options)
    : m_platform(platform),
      m_options(options),
      m_clientSize{std::max(1, options.clientSize.width), std::max(1, options.clientSize.height)} {
    const bool popup = options.kind == WindowKind::Popup;
    m_window = gtk_window_new(popup ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(m_window);
    if (popup) {
        gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_TOOLTIP);
        gtk_window_set_accept_focus(window, FALSE);
        gtk_window_set_focus_on_map(window, FALSE);
        gtk_window_set_keep_above(window, TRUE);
        gtk_window_set_resizable(window, FALSE);
        if (auto* owner = dynamic_cast<GtkNativeWindow*>(options.owner))
            gtk_window_set_transient_for(window, owner->gtkWindow());
        // With a compositor the popup is drawn on a transparent window with a
        // soft shadow in a margin at its right and bottom; without one the
        // window system cannot show transparency and the popup has no shadow.
        GdkScreen* screen = gtk_widget_get_screen(m_window);
        GdkVisual* rgba = gdk_screen_get_rgba_visual(screen);
        if (rgba && gdk_screen_is_composited(screen)) {
            gtk_widget_set_visual(m_window, rgba);
            gtk_widget_set_app_paintable(m_window, TRUE);
            m_shadow = kShadowSize;
        }
        gtk_window_move(window, options.position.x, options.position.y);
    } else {
        gtk_window_set_title(window, displayableText(options.title).c_str());
        gtk_window_set_resizable(window, options.resizable ? TRUE : FALSE);
        if (!options.centred) gtk_window_move(window, options.position.x, options.position.y);
    }

    m_area = gtk_drawing_area_new();
    gtk_widget_set_size_request(m_area, m_clientSize.width + m_shadow, m_clientSize.height + m_shadow);
    gtk_widget_set_can_focus(m_area, popup ? FALSE : TRUE);
    gtk_widget_add_events(m_area, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                      GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK | GDK_SCROLL_MASK);
    gtk_container_add(GTK_CONTAINER(m_window), m_area);

    using S = GtkNativeWindowSignals;
    g_signal_connect(m_area, "draw", G_CALLBACK(S::draw), this);
    g_signal_connect(m_area, "realize", G_CALLBACK(S::realize), this);
    g_signal_connect(m_area, "button-press-event",
                     G_CALLBACK((S::event<GdkEventButton, &GtkNativeWindow::onButtonPress>)), this);
    g_signal_connect(m_area, "button-release-event",
                     G_CALLBACK((S::event<GdkEventButton, &GtkNativeWindow::onButtonRelease>)), this);
    g_signal_connect(m_area, "motion-notify-event",
                     G_CALLBACK((S::event<GdkEventMotion, &GtkNativeWindow::onMotion>)), this);
    g_signal_connect(m_area, "enter-notify-event",
                     G_CALLBACK((S::event<GdkEventCrossing, &GtkNativeWindow::onCrossing>)), this);
    g_signal_connect(m_area, "leave-notify-event",
                     G_CALLBACK((S::event<GdkEventCrossing, &GtkNativeWindow::onCrossing>)), this);
    g_signal_connect(m_area, "scroll-event",
                     G_CALLBACK((S::event<GdkEventScroll, &GtkNativeWindow::onScroll>)), this);
    g_signal_connect(m_area, "grab-broken-event", G_CALLBACK(S::grabBroken), this);
    // Keys and focus are taken at the top-level window, before GTK's own key
    // handling (mnemonics, focus moving with Tab, F10 for menus) can see them.
    g_signal_connect(m_window, "key-press-event",
                     G_CALLBACK((S::event<GdkEventKey, &GtkNativeWindow::onKeyPress>)), this);
    g_signal_connect(m_window, "key-release-event",
                     G_CALLBACK((S::event<GdkEventKey, &GtkNativeWindow::onKeyRelease>)), this);
    g_signal_connect(m_window, "focus-in-event", G_CALLBACK(S::focusIn), this);
    g_signal_connect(m_window, "focus-out-event", G_CALLBACK(S::focusOut), this);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(S::deleteEvent), this);

    m_im = gtk_im_multicontext_new();
    // The input method shows its pre-edit text in a window of its own.
    gtk_im_context_set_use_preedit(m_im, FALSE);
    g_signal_connect(m_im, "commit", G_CALLBACK(S::commit), this);

    if (m_platform) m_platform->windowCreated(this);
}

GtkNativeWindow::~GtkNativeWindow() {
    if (m_platform) m_platform->windowDestroyed(this);
    m_client = nullptr;
    releaseGrab();
    g_signal_handlers_disconnect_by_data(m_im, this);
    gtk_im_context_set_client_window(m_im, nullptr);
    g_object_unref(m_im);
    g_signal_handlers_disconnect_by_data(m_area, this);
    g_signal_handlers_disconnect_by_data(m_window, this);
    gtk_widget_destroy(m_window);
}

GtkWindow* GtkNativeWindow::gtkWindow() const {
    return GTK_WINDOW(m_window);
}

std::uint64_t GtkNativeWindow::x11WindowId() const {
#ifdef GDK_WINDOWING_X11
    GdkWindow* window = gtk_widget_get_window(m_window);
    if (window && GDK_IS_X11_WINDOW(window)) return gdk_x11_window_get_xid(window);
#endif
    return 0;
}

// ---- Properties ----

void GtkNativeWindow::setClient(WindowClient* client) {
    m_client = client;
}

void GtkNativeWindow::setTitle(const std::string& title) {
    m_options.title = title;
    gtk_window_set_title(GTK_WINDOW(m_window), displayableText(title).c_str());
}

void GtkNativeWindow::setClientSize(Size size) {
    size = {std::max(1, size.width), std::max(1, size.height)};
    if (size == m_clientSize) return;
    m_clientSize = size;
    gtk_widget_set_size_request(m_area, size.width + m_shadow, size.height + m_shadow);
    gtk_window_resize(GTK_WINDOW(m_window), size.width + m_shadow, size.height + m_shadow);
}

Size GtkNativeWindow::clientSize() const {
    return m_clientSize;
}

void GtkNativeWindow::setPosition(Point screenTopLeft) {
    m_options.position = screenTopLeft;
    m_options.centred = false;
    gtk_window_move(GTK_WINDOW(m_window), screenTopLeft.x, screenTopLeft.y);
}

void GtkNativeWindow::setIcon(const std::vector<drawing::Bitmap>& sizes) {
    GList* list = nullptr;
    for (const auto& bitmap : sizes) {
        if (bitmap.empty()) continue;
        if (GdkPixbuf* pixbuf = pixbufFromBitmap(bitmap)) list = g_list_append(list, pixbuf);
    }
    gtk_window_set_icon_list(GTK_WINDOW(m_window), list);
    g_list_free_full(list, g_object_unref);
}

void GtkNativeWindow::show() {
    GtkWindow* window = GTK_WINDOW(m_window);
    if (!m_shownOnce && m_options.kind == WindowKind::Main && m_options.centred)
        gtk_window_set_position(window, GTK_WIN_POS_CENTER);
    gtk_widget_show_all(m_window);
    if (m_options.kind == WindowKind::Main) {
        gtk_window_set_position(window, GTK_WIN_POS_NONE);  // later shows keep the place
        gtk_widget_grab_focus(m_area);
        gtk_window_present(window);
    }
    m_shownOnce = true;
}

void GtkNativeWindow::hide() {
    releaseGrab();
    m_captured = false;
    gtk_widget_hide(m_window);
}

bool GtkNativeWindow::visible() const {
    return gtk_widget_get_visible(m_window);
}

void GtkNativeWindow::present(const drawing::Bitmap& backBuffer, const Rect& area) {
    m_buffer = &backBuffer;
    // The buffer's pixels may have been written without cairo knowing; cached
    // copies of the surface on the display side must be dropped.
    if (cairo_surface_t* surface = backBuffer.cairoSurface()) cairo_surface_mark_dirty(surface);
    const Rect clipped = area.intersected(Rect{0, 0, m_clientSize.width, m_clientSize.height});
    if (!clipped.empty())
        gtk_widget_queue_draw_area(m_area, clipped.left, clipped.top, clipped.width, clipped.height);
}

void GtkNativeWindow::setCursor(CursorShape shape) {
    if (shape == m_cursor) return;
    m_cursor = shape;
    applyCursor();
}

void GtkNativeWindow::applyCursor() {
    GdkWindow* window = gtk_widget_get_window(m_area);
    if (window && m_platform)
        gdk_window_set_cursor(window, m_platform->cursor(m_busy ? CursorShape::Wait : m_cursor));
}

void GtkNativeWindow::showBusy(bool busy) {
    m_busy = busy;
    applyCursor();
    // Shown now: the wait that follows may not return to the event loop soon.
    gdk_display_flush(gdk_display_get_default());
}

void GtkNativeWindow::captureMouse(bool capture) {
    if (capture == m_captured) return;
    m_captured = capture;
    GdkWindow* window = gtk_widget_get_window(m_area);
    if (capture) {
        // While a button is held GTK's implicit grab already sends every
        // pointer event here; otherwise the pointer is grabbed explicitly.
        if (m_heldButtons == ButtonNone && window && gdk_window_is_viewable(window)) {
            GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
            m_grabbed = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE,
                                      m_platform ? m_platform->cursor(m_cursor) : nullptr, nullptr, nullptr,
                                      nullptr) == GDK_GRAB_SUCCESS;
        }
        return;
    }
    releaseGrab();
    if (window && m_heldButtons == ButtonNone) {
        GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
        int x = 0, y = 0;
        gdk_window_get_device_position(window, gdk_seat_get_pointer(seat), &x, &y, nullptr);
        sendLeaveIfOutside({x, y});
    }
}

void GtkNativeWindow::releaseGrab() {
    if (!m_grabbed) return;
    m_grabbed = false;
    GdkWindow* window = gtk_widget_get_window(m_area);
    GdkDisplay* display = window ? gdk_window_get_display(window) : gdk_display_get_default();
    gdk_seat_ungrab(gdk_display_get_default_seat(display));
}

void GtkNativeWindow::setTextInputPosition(const Rect& caret) {
    GdkRectangle rect{caret.left, caret.top, caret.width, caret.height};
    gtk_im_context_set_cursor_location(m_im, &rect);
}

Point GtkNativeWindow::clientToScreen(Point clientPoint) const {
    GdkWindow* window = gtk_widget_get_window(m_area);
    if (window && gtk_widget_get_mapped(m_area)) {
        int x = 0, y = 0;
        gdk_window_get_origin(window, &x, &y);
        return {x + clientPoint.x, y + clientPoint.y};
    }
    int x = m_options.position.x, y = m_options.position.y;
    if (gtk_widget_get_visible(m_window)) gtk_window_get_position(GTK_WINDOW(m_window), &x, &y);
    return {x + clientPoint.x, y + clientPoint.y};
}

// ---- Events ----

bool GtkNativeWindow::insideClient(Point p) const {
    return Rect{0, 0, m_clientSize.width, m_clientSize.height}.contains(p);
}

void GtkNativeWindow::sendLeaveIfOutside(Point pointer) {
    if (m_heldButtons != ButtonNone || m_captured || !m_pointerInside || insideClient(pointer)) return;
    m_pointerInside = false;
    if (m_client) m_client->mouseLeave();
}

void GtkNativeWindow::onRealize() {
    gtk_im_context_set_client_window(m_im, gtk_widget_get_window(m_area));
    applyCursor();
    GdkWindow* top = gtk_widget_get_window(m_window);
    if (m_options.kind == WindowKind::Main && !m_options.resizable && top) {
        // A fixed-size window: no resizing border, no minimise and no maximise
        // boxes; only moving and closing.
        gdk_window_set_functions(top, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
        gdk_window_set_decorations(
            top, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
    }
    if (m_shadow > 0 && top) {
        // The shadow takes no input: clicks on it reach what lies below.
        const cairo_rectangle_int_t client{0, 0, m_clientSize.width, m_clientSize.height};
        cairo_region_t* region = cairo_region_create_rectangle(&client);
        gdk_window_input_shape_combine_region(top, region, 0, 0);
        cairo_region_destroy(region);
    }
}

bool GtkNativeWindow::onDraw(cairo_t* cr) {
    const double w = m_clientSize.width, h = m_clientSize.height;
    if (m_shadow > 0) {
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_rgba(cr, 0, 0, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        // Layers of growing size and falling strength give a soft edge, offset
        // to the right and down as a light from the upper left casts it.
        for (int i = m_shadow; i >= 1; --i) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.06);
            cairo_rectangle(cr, m_shadow - i + 1.0, m_shadow - i + 1.0, w + i - 1.0, h + i - 1.0);
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    if (m_buffer && m_buffer->cairoSurface()) {
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, m_buffer->cairoSurface(), 0, 0);
        cairo_paint(cr);
        // Where the buffer is smaller than the window (a size change on the way), paint white.
        if (m_buffer->width() < w || m_buffer->height() < h) {
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_rectangle(cr, m_buffer->width(), 0, w - m_buffer->width(), h);
            cairo_rectangle(cr, 0, m_buffer->height(), m_buffer->width(), h - m_buffer->height());
            cairo_fill(cr);
        }
    } else {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
    }
    return true;
}

bool GtkNativeWindow::onButtonPress(const GdkEventButton* event) {
    if (event->type != GDK_BUTTON_PRESS) return true;  // GTK's own double and triple click events
    const auto button = mouseButton(event->button);
    if (!button) return false;
    if (m_options.kind == WindowKind::Main && !gtk_widget_has_focus(m_area)) gtk_widget_grab_focus(m_area);
    const Point position = pointOf(event->x, event->y);
    m_heldButtons = buttonsFromState(event->state) | buttonMask(*button);
    m_pointerInside = true;
    MouseEvent e;
    e.position = position;
    e.button = *button;
    e.modifiers = modifiersFromState(event->state);
    e.buttons = m_heldButtons;
    if (m_platform) {
        e.timeMs = m_platform->nowMs();
        e.doubleClick = m_platform->doubleClicks().press(this, *button, position, event->time,
                                                         m_platform->doubleClickTimeMs());
    }
    if (m_client) m_client->mouseDown(e);
    return true;
}

bool GtkNativeWindow::onButtonRelease(const GdkEventButton* event) {
    const auto button = mouseButton(event->button);
    if (!button) return false;
    const Point position = pointOf(event->x, event->y);
    m_heldButtons = buttonsFromState(event->state) & ~buttonMask(*button);
    MouseEvent e;
    e.position = position;
    e.button = *button;
    e.modifiers = modifiersFromState(event->state);
    e.buttons = m_heldButtons;
    e.timeMs = m_platform ? m_platform->nowMs() : 0;
    // The client may destroy this window while it handles the release.
    std::weak_ptr<bool> alive = m_alive;
    if (m_client) m_client->mouseUp(e);
    if (alive.expired()) return true;
    sendLeaveIfOutside(position);
    return true;
}

bool GtkNativeWindow::onMotion(const GdkEventMotion* event) {
    const Point position = pointOf(event->x, event->y);
    m_heldButtons = buttonsFromState(event->state);
    const bool inside = insideClient(position);
    if (inside || m_heldButtons != ButtonNone || m_captured) {
        if (inside) m_pointerInside = true;
        MouseEvent e;
        e.position = position;
        e.modifiers = modifiersFromState(event->state);
        e.buttons = m_heldButtons;
        e.timeMs = m_platform ? m_platform->nowMs() : 0;
        if (m_client) m_client->mouseMove(e);
    } else {
        sendLeaveIfOutside(position);  // over a popup's shadow
    }
    return true;
}

bool GtkNativeWindow::onCrossing(const GdkEventCrossing* event) {
    // Crossings caused by grabs and by child windows say nothing about where
    // the pointer is for the framework; releases and moves take care of that.
    if (event->mode != GDK_CROSSING_NORMAL || event->detail == GDK_NOTIFY_INFERIOR) return false;
    const Point position = pointOf(event->x, event->y);
    if (event->type == GDK_ENTER_NOTIFY) {
        m_heldButtons = buttonsFromState(event->state);
        if (!insideClient(position)) return false;
        m_pointerInside = true;
        // The classic window system reports the pointer's arrival as a move.
        MouseEvent e;
        e.position = position;
        e.modifiers = modifiersFromState(event->state);
        e.buttons = m_heldButtons;
        e.timeMs = m_platform ? m_platform->nowMs() : 0;
        if (m_client) m_client->mouseMove(e);
        return true;
    }
    if (m_heldButtons != ButtonNone || m_captured || !m_pointerInside) return false;
    m_pointerInside = false;
    if (m_client) m_client->mouseLeave();
    return true;
}

bool GtkNativeWindow::onScroll(const GdkEventScroll* event) {
    int delta = 0;
    switch (event->direction) {
        case GDK_SCROLL_UP:
            delta = 120;
            break;
        case GDK_SCROLL_DOWN:
            delta = -120;
            break;
        case GDK_SCROLL_SMOOTH:
            delta = static_cast<int>(std::lround(-event->delta_y * 120.0));
            break;
        default:
            return false;
    }
    if (delta == 0) return true;
    if (m_client)
        m_client->mouseWheel(
            WheelEvent{pointOf(event->x, event->y), delta, modifiersFromState(event->state)});
    return true;
}

bool GtkNativeWindow::onKeyPress(GdkEventKey* event) {
    // The input method sees the key first. Its commit signal comes within
    // filter_keypress for ordinary typing; the text is held back until the
    // keyDown has gone out, so that the client gets key, then character.
    m_inKeyPress = true;
    m_committed.clear();
    const bool consumed = gtk_im_context_filter_keypress(m_im, event);
    m_inKeyPress = false;
    std::string text = std::move(m_committed);
    m_committed.clear();
    if (consumed && text.empty()) return true;  // composing: a dead key or a pre-edit

    const unsigned modifiers = modifiersFromState(event->state);
    // Control characters and shortcuts are keys, never text.
    if (modifiers & (ModCtrl | ModAlt)) text.clear();
    const int key = virtualKeyFor(event->keyval, baseKeyval(event));
    const char32_t character = gdk_keyval_to_unicode(gdk_keyval_to_lower(event->keyval));
    std::weak_ptr<bool> alive = m_alive;
    if ((key != 0 || character != 0) && m_client) {
        const bool repeat = m_keysDown.count(event->hardware_keycode) != 0;
        m_keysDown[event->hardware_keycode] = key;
        m_client->keyDown(KeyEvent{key, modifiers, repeat, character});
        if (alive.expired()) return true;
    }
    if (!text.empty() && m_client) m_client->textInput(text);
    return true;
}

bool GtkNativeWindow::onKeyRelease(GdkEventKey* event) {
    gtk_im_context_filter_keypress(m_im, event);
    const auto it = m_keysDown.find(event->hardware_keycode);
    if (it == m_keysDown.end()) return true;
    const int key = it->second;
    m_keysDown.erase(it);
    if (key != 0 && m_client) m_client->keyUp(KeyEvent{key, modifiersFromState(event->state), false});
    return true;
}

bool GtkNativeWindow::onFocus(bool in) {
    if (m_options.kind != WindowKind::Main) return false;
    if (in) {
        gtk_im_context_focus_in(m_im);
    } else {
        gtk_im_context_focus_out(m_im);
        gtk_im_context_reset(m_im);
        m_keysDown.clear();
    }
    if (m_platform) m_platform->windowActivated(this, in);
    if (m_client) m_client->activeChanged(in);
    return false;  // GTK keeps its own focus bookkeeping
}

bool GtkNativeWindow::onDelete() {
    std::weak_ptr<bool> alive = m_alive;
    const bool close = m_client ? m_client->closeRequested() : true;
    if (close && !alive.expired()) hide();
    return true;  // the framework destroys the window; GTK must not
}

void GtkNativeWindow::onCommit(const char* text) {
    if (!text || !*text) return;
    if (m_inKeyPress) {
        m_committed += text;
        return;
    }
    // Text that an input method commits on its own time (after a pre-edit).
    if (m_client) m_client->textInput(text);
}

void GtkNativeWindow::onGrabBroken() {
    if (!m_captured) return;
    m_grabbed = false;
    m_captured = false;
    if (m_client) m_client->lostCapture();
}

}  // namespace sk::platform

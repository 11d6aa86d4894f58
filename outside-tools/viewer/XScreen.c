/* What the viewer's windows share on an X display. */
#include "XScreen.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <stdlib.h>
#include <string.h>

/* Tried in this order; "fixed" is built into every X server. */
static const char* const kFonts[] = {"-*-helvetica-medium-r-normal-*-24-*-*-*-*-*-iso8859-1",
                                     "-*-dejavu sans-medium-r-normal-*-24-*-*-*-*-*-iso8859-1", "10x20", "fixed"};

bool sv_screen_open(sv_screen* screen, Display* display) {
    memset(screen, 0, sizeof *screen);
    screen->display = display;
    screen->screen = DefaultScreen(display);
    screen->visual = DefaultVisual(display, screen->screen);
    screen->depth = DefaultDepth(display, screen->screen);
    if (screen->visual->class != TrueColor || (screen->depth != 24 && screen->depth != 32)) return false;
    screen->gc = XCreateGC(display, RootWindow(display, screen->screen), 0, NULL);
    for (size_t i = 0; !screen->font && i < sizeof kFonts / sizeof kFonts[0]; ++i)
        screen->font = XLoadQueryFont(display, kFonts[i]);
    if (screen->font) XSetFont(display, screen->gc, screen->font->fid);
    screen->delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
    return true;
}

void sv_screen_close(sv_screen* screen) {
    if (screen->font) XFreeFont(screen->display, screen->font);
    if (screen->gc) XFreeGC(screen->display, screen->gc);
    screen->font = NULL;
    screen->gc = NULL;
}

static Cursor invisible_cursor(sv_screen* screen, Window window) {
    static const char empty[1] = {0};
    Pixmap blank = XCreateBitmapFromData(screen->display, window, empty, 1, 1);
    XColor black;
    memset(&black, 0, sizeof black);
    Cursor cursor = XCreatePixmapCursor(screen->display, blank, blank, &black, &black, 0, 0);
    XFreePixmap(screen->display, blank);
    return cursor;
}

static void ask_for_full_screen(sv_screen* screen, Window window) {
    Atom state = XInternAtom(screen->display, "_NET_WM_STATE", False);
    Atom full = XInternAtom(screen->display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(screen->display, window, state, XA_ATOM, 32, PropModeReplace, (unsigned char*)&full, 1);
    XDefineCursor(screen->display, window, invisible_cursor(screen, window));
}

Window sv_screen_window(sv_screen* screen, const char* title, int width, int height, bool full_screen) {
    Display* display = screen->display;
    const int x = (DisplayWidth(display, screen->screen) - width) / 2;
    const int y = (DisplayHeight(display, screen->screen) - height) / 2;
    XSetWindowAttributes attributes;
    attributes.background_pixel = BlackPixel(display, screen->screen);
    attributes.event_mask = KeyPressMask | ButtonPressMask | ExposureMask | StructureNotifyMask;
    Window window = XCreateWindow(display, RootWindow(display, screen->screen), x, y, (unsigned)width,
                                  (unsigned)height, 0, CopyFromParent, InputOutput, CopyFromParent,
                                  CWBackPixel | CWEventMask, &attributes);
    XStoreName(display, window, title);
    XSetWMProtocols(display, window, &screen->delete_window, 1);
    XSizeHints hints;
    memset(&hints, 0, sizeof hints);
    hints.flags = PPosition | PSize;
    hints.x = x;
    hints.y = y;
    hints.width = width;
    hints.height = height;
    XSetWMNormalHints(display, window, &hints);
    if (full_screen) ask_for_full_screen(screen, window);
    XMapRaised(display, window);
    return window;
}

void sv_screen_wait_mapped(sv_screen* screen, Window window) {
    for (XEvent event;;) {
        XWindowEvent(screen->display, window, StructureNotifyMask, &event);
        if (event.type == MapNotify) break;
    }
    XSetInputFocus(screen->display, window, RevertToParent, CurrentTime);
}

/* A channel level 0..255 moved into the bits of a true-colour mask. */
static unsigned long pack(unsigned long mask, unsigned long level) {
    if (!mask) return 0;
    const int shift = __builtin_ctzl(mask);
    const int bits = __builtin_popcountl(mask);
    const unsigned long scaled = bits >= 8 ? level << (bits - 8) : level >> (8 - bits);
    return (scaled << shift) & mask;
}

static bool usual_layout(const XImage* image) {
    return image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
           image->blue_mask == 0xFF;
}

/* Writes the picture into the image's own buffer in the server's layout. */
static bool convert(XImage* image, const sv_picture* picture) {
    image->data = malloc((size_t)image->bytes_per_line * (size_t)picture->height);
    if (!image->data) return false;
    for (int y = 0; y < picture->height; ++y)
        for (int x = 0; x < picture->width; ++x) {
            const uint32_t pixel = picture->pixels[(size_t)y * picture->width + x];
            XPutPixel(image, x, y,
                      pack(image->red_mask, pixel >> 16 & 0xFF) | pack(image->green_mask, pixel >> 8 & 0xFF) |
                          pack(image->blue_mask, pixel & 0xFF));
        }
    return true;
}

void sv_screen_put(sv_screen* screen, Window window, sv_picture* picture) {
    XImage* image = XCreateImage(screen->display, screen->visual, (unsigned)screen->depth, ZPixmap, 0, NULL,
                                 (unsigned)picture->width, (unsigned)picture->height, 32, 0);
    if (!image) return;
    /* The picture's 0xAARRGGBB values are the server's pixels for the usual
       layout; any other true-colour layout gets a converted copy. */
    const bool usual = usual_layout(image);
    if (usual) image->data = (char*)picture->pixels;
    if (usual || convert(image, picture))
        XPutImage(screen->display, window, screen->gc, image, 0, 0, 0, 0, (unsigned)picture->width,
                  (unsigned)picture->height);
    if (usual) image->data = NULL; /* the picture keeps its pixels */
    XDestroyImage(image);
}

void sv_screen_centred_text(sv_screen* screen, Window window, int width, int y, const char* text) {
    if (!screen->font) return;
    const int length = (int)strlen(text);
    const int text_width = XTextWidth(screen->font, text, length);
    XSetForeground(screen->display, screen->gc, 0xC8C8C8);
    XDrawString(screen->display, window, screen->gc, (width - text_width) / 2, y, text, length);
}

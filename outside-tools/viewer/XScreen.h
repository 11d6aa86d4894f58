/* What the viewer's windows share on an X display: full-screen pictures in the
   server's pixel format, text in a core font, a hidden cursor. */
#pragma once

#include <X11/Xlib.h>
#include <stdbool.h>

#include "Picture.h"

typedef struct {
    Display* display;
    int screen;
    Visual* visual;
    int depth;
    GC gc;
    XFontStruct* font; /* NULL when the server has no usable font */
    Atom delete_window;
} sv_screen;

/* Opens what the windows need on the display; false when its visual is not a
   true-colour one of 24 or 32 bits. */
bool sv_screen_open(sv_screen* screen, Display* display);
void sv_screen_close(sv_screen* screen);

/* A window on the screen, mapped, with the given title and size, asking the
   window manager for full screen when full_screen is set. */
Window sv_screen_window(sv_screen* screen, const char* title, int width, int height, bool full_screen);

/* Copies the picture (of the window's size) into the window. */
void sv_screen_put(sv_screen* screen, Window window, sv_picture* picture);

/* Draws a line of text centred at the height y. */
void sv_screen_centred_text(sv_screen* screen, Window window, int width, int y, const char* text);

/* Waits until the window is mapped, then gives it the keyboard. */
void sv_screen_wait_mapped(sv_screen* screen, Window window);

/* The full-screen slide show on an X display. */
#include "SlideShow.h"

#include <X11/Xutil.h>
#include <stdio.h>

#include "Scaler.h"
#include "ShowState.h"

typedef struct {
    sv_screen* screen;
    const sv_deck* deck;
    Window window;
    sv_picture frame;   /* what the window shows, at its size */
    sv_picture slide;   /* the decoded picture of the current slide */
    size_t slide_index; /* which slide `slide` holds, or deck->count for none */
    sv_show_state state;
} slide_show;

static const char kEndText[] = "End of the slide show. Click or press Esc to exit.";

/* Decodes the current slide unless it is decoded already. */
static bool decode_current(slide_show* show) {
    if (show->slide_index == show->state.current) return show->slide.pixels != NULL;
    sv_picture_free(&show->slide);
    show->slide_index = show->state.current;
    return sv_picture_load_png(&show->slide, show->deck->paths[show->state.current]);
}

/* Draws what the state says into the frame; returns the text to lay over it. */
static const char* compose(slide_show* show) {
    if (sv_show_at_end_screen(&show->state)) {
        sv_picture_fill_black(&show->frame);
        return kEndText;
    }
    if (!decode_current(show) || !sv_draw_fitted(&show->slide, &show->frame)) {
        fprintf(stderr, "Slide show: cannot show %s\n", show->deck->paths[show->state.current]);
        return "This slide cannot be shown.";
    }
    return NULL;
}

static void paint(slide_show* show, const char* text) {
    sv_screen_put(show->screen, show->window, &show->frame);
    if (text) sv_screen_centred_text(show->screen, show->window, show->frame.width, show->frame.height / 2, text);
    XFlush(show->screen->display);
}

static const char* redraw(slide_show* show) {
    const char* text = compose(show);
    paint(show, text);
    return text;
}

/* A new window size (the window manager made it full screen). */
static bool resize(slide_show* show, int width, int height) {
    if (width == show->frame.width && height == show->frame.height) return true;
    sv_picture_free(&show->frame);
    return sv_picture_create(&show->frame, width, height);
}

static sv_action action_for(slide_show* show, XEvent* event) {
    switch (event->type) {
    case KeyPress:
        return sv_action_for_key(XLookupKeysym(&event->xkey, 0));
    case ButtonPress:
        return sv_action_for_button(event->xbutton.button);
    case ClientMessage:
        return (Atom)event->xclient.data.l[0] == show->screen->delete_window ? SV_QUIT : SV_NONE;
    default:
        return SV_NONE;
    }
}

static void run_events(slide_show* show) {
    const char* text = redraw(show);
    while (!show->state.finished) {
        XEvent event;
        XNextEvent(show->screen->display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            paint(show, text);
        } else if (event.type == ConfigureNotify) {
            if (!resize(show, event.xconfigure.width, event.xconfigure.height)) break;
            text = redraw(show);
        } else if (sv_show_apply(&show->state, action_for(show, &event)) && !show->state.finished) {
            text = redraw(show);
        }
    }
}

int sv_run_slide_show(sv_screen* screen, const sv_deck* deck) {
    Display* display = screen->display;
    const int width = DisplayWidth(display, screen->screen);
    const int height = DisplayHeight(display, screen->screen);
    slide_show show = {.screen = screen, .deck = deck, .slide_index = deck->count,
                       .state = sv_show_start(deck->count)};
    if (!sv_picture_create(&show.frame, width, height)) {
        fprintf(stderr, "Slide show: out of memory\n");
        return 1;
    }
    show.window = sv_screen_window(screen, "Presentation", width, height, true);
    sv_screen_wait_mapped(screen, show.window);
    /* A window manager may have given the window another size already. */
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, show.window, &attributes)) resize(&show, attributes.width, attributes.height);
    run_events(&show);
    XDestroyWindow(display, show.window);
    XFlush(display);
    sv_picture_free(&show.slide);
    sv_picture_free(&show.frame);
    return 0;
}

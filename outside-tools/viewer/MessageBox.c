/* The viewer's own message box. */
#include "MessageBox.h"

#include <string.h>

enum { kWidth = 640, kLineHeight = 26, kMargin = 30, kLongestLine = 60, kMostLines = 12 };

/* Breaks the text into lines of at most kLongestLine characters at blanks. */
static int wrap(const char* text, char lines[kMostLines][kLongestLine + 1]) {
    int count = 0;
    while (*text && count < kMostLines) {
        while (*text == ' ') ++text;
        size_t length = strlen(text);
        if (length > kLongestLine) {
            length = kLongestLine;
            while (length > 0 && text[length] != ' ') --length;
            if (length == 0) length = kLongestLine;
        }
        memcpy(lines[count], text, length);
        lines[count++][length] = '\0';
        text += length;
    }
    return count;
}

static void paint(sv_screen* screen, Window window, char lines[kMostLines][kLongestLine + 1], int count,
                  int height) {
    XClearWindow(screen->display, window);
    for (int i = 0; i < count; ++i)
        sv_screen_centred_text(screen, window, kWidth, kMargin + kLineHeight * (i + 1), lines[i]);
    sv_screen_centred_text(screen, window, kWidth, height - kMargin / 2, "Press a key or click to close.");
    XFlush(screen->display);
}

void sv_message_box(sv_screen* screen, const char* text) {
    char lines[kMostLines][kLongestLine + 1];
    const int count = wrap(text, lines);
    const int height = 2 * kMargin + kLineHeight * (count + 2);
    Window window = sv_screen_window(screen, "Presentation", kWidth, height, false);
    sv_screen_wait_mapped(screen, window);
    for (XEvent event;;) {
        XNextEvent(screen->display, &event);
        if (event.type == Expose && event.xexpose.count == 0) paint(screen, window, lines, count, height);
        if (event.type == KeyPress || event.type == ButtonPress) break;
        if (event.type == ClientMessage && (Atom)event.xclient.data.l[0] == screen->delete_window) break;
    }
    XDestroyWindow(screen->display, window);
    XFlush(screen->display);
}

/* show.bin: the launcher that the package runs in the folder it unpacked to.
   It shows the presentation with the best means the recipient's machine has:
   a LibreOffice with a display (full fidelity, animations), else our own
   full-screen viewer of the slide pictures, else (no X display) an HTML page of
   them in the browser, else it says what is missing. */
#include <errno.h>
#include <limits.h>
#include <signal.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>

#include "HtmlPage.h"
#include "MessageBox.h"
#include "OfficeFinder.h"
#include "SlideDeck.h"
#include "SlideShow.h"
#include "shared/StopSignals.h"

static const char kPresentation[] = "view.ppt";
static const char kSlidesFolder[] = "slides";
static const char kHtmlPage[] = "show.html";
/* How long the page must stay for the browser to read it, once opened. */
enum { kBrowserGrace = 20 /* seconds */ };

static volatile pid_t g_child = 0;

static void forward_signal(int number) {
    if (g_child > 0) {
        kill(g_child, number);
    } else {
        signal(number, SIG_DFL);
        raise(number);
    }
}


/* Runs the program (looked up in PATH) and waits; returns its exit status, 127
   when it could not be started. */
static int run_and_wait(char* const arguments[]) {
    pid_t child = fork();
    if (child < 0) return 127;
    if (child == 0) {
        stop_signals_default();
        execvp(arguments[0], arguments);
        _exit(127);
    }
    g_child = child;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    g_child = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

/* A file: URL of an absolute path, every byte but the unreserved ones escaped. */
static bool file_url(const char* path, char* url, size_t size) {
    static const char hex[] = "0123456789ABCDEF";
    size_t used = (size_t)snprintf(url, size, "file://");
    for (const unsigned char* c = (const unsigned char*)path; *c; ++c) {
        if (used + 4 > size) return false;
        if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') || strchr("/._~-", *c)) {
            url[used++] = (char)*c;
        } else {
            url[used++] = '%';
            url[used++] = hex[*c >> 4];
            url[used++] = hex[*c & 15];
        }
    }
    url[used] = '\0';
    return true;
}

// ---------------------------------------------------------------------------
// LibreOffice

/* Shows the presentation with LibreOffice on a profile of its own inside the
   package folder, so that an office the recipient has open does not take the
   show over, and nothing of it stays behind. */
static int show_with_office(char* office, const char* folder) {
    char profile[PATH_MAX + 32], environment[3 * PATH_MAX + 64], presentation[PATH_MAX + 16];
    snprintf(profile, sizeof profile, "%s/.office-profile", folder);
    snprintf(presentation, sizeof presentation, "%s/%s", folder, kPresentation);
    strcpy(environment, "-env:UserInstallation=");
    if (!file_url(profile, environment + strlen(environment), sizeof environment - strlen(environment))) return 127;
    char* arguments[] = {office, "--nologo", "--norestore", "--nolockcheck", environment, "--show", presentation, NULL};
    return run_and_wait(arguments);
}

// ---------------------------------------------------------------------------
// The browser

/* Waits until a program has opened the page and let it go, or the time is up. */
static void wait_for_reader(int watch) {
    struct pollfd ready = {watch, POLLIN, 0};
    char events[4096];
    if (poll(&ready, 1, kBrowserGrace * 1000) > 0 && read(watch, events, sizeof events) > 0) sleep(1);
}

static int show_in_browser(const sv_deck* deck) {
    FILE* page = fopen(kHtmlPage, "wx");
    bool written = page && sv_write_html_page(deck, page);
    if (page && fclose(page) != 0) written = false;
    if (!written) {
        fprintf(stderr, "Presentation: cannot write the page %s\n", kHtmlPage);
        return 1;
    }
    int watch = inotify_init1(IN_CLOEXEC);
    if (watch >= 0) inotify_add_watch(watch, kHtmlPage, IN_CLOSE_NOWRITE);
    char* arguments[] = {"xdg-open", (char*)kHtmlPage, NULL};
    const int status = run_and_wait(arguments);
    if (status == 0) {
        fprintf(stderr, "Presentation: the slides are shown in the browser.\n");
        if (watch >= 0) wait_for_reader(watch);
    } else {
        fprintf(stderr, "Presentation: there is no X display, and no browser could be opened (xdg-open %s).\n",
                status == 127 ? "is not installed" : "failed");
    }
    if (watch >= 0) close(watch);
    return status == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------
// The choice

static bool display_named(void) { return getenv("DISPLAY") || getenv("WAYLAND_DISPLAY"); }

static void say(sv_screen* screen, const char* text) {
    fprintf(stderr, "Presentation: %s\n", text);
    if (screen) sv_message_box(screen, text);
}

int main(void) {
    stop_signals_catch(forward_signal);
    char folder[PATH_MAX];
    if (!getcwd(folder, sizeof folder)) {
        perror("Presentation: cannot find the package folder");
        return 1;
    }
    sv_deck deck;
    sv_deck_load(&deck, kSlidesFolder);
    char office[PATH_MAX];
    const bool have_presentation = access(kPresentation, R_OK) == 0;
    if (display_named() && have_presentation && sv_find_office(getenv("PATH"), office, sizeof office)) {
        const int status = show_with_office(office, folder);
        if (status == 0 || deck.count == 0) {
            sv_deck_free(&deck);
            return status;
        }
        fprintf(stderr, "Presentation: LibreOffice ended with status %d; showing the slide pictures instead.\n",
                status);
    }

    Display* display = getenv("DISPLAY") ? XOpenDisplay(NULL) : NULL;
    sv_screen screen;
    const bool screen_open = display && sv_screen_open(&screen, display);
    int status = 0;
    if (deck.count > 0 && screen_open) {
        status = sv_run_slide_show(&screen, &deck);
    } else if (deck.count > 0 && !display) {
        status = show_in_browser(&deck);
    } else if (display && !screen_open) {
        fprintf(stderr, "Presentation: the display has no true-colour visual of 24 bits.\n");
        status = 1;
    } else {
        say(screen_open ? &screen : NULL,
            "This presentation can only be shown with LibreOffice Impress, which was not found on this "
            "computer: the package holds no slide pictures. Install LibreOffice Impress and run the "
            "package again.");
        status = 1;
    }
    if (screen_open) sv_screen_close(&screen);
    /* The connection ends with the process. XCloseDisplay is not called: in the
       static Xlib it frees part of the display structure twice. */
    if (display) XSync(display, False);
    sv_deck_free(&deck);
    return status;
}

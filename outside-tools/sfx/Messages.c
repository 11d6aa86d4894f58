/* Error messages that reach the recipient, in a terminal or on the desktop. */
#include "Messages.h"

#include <errno.h>
#include <signal.h>
#include <stdarg.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

static const char kTitle[] = "Slidekiln presentation";

/* Runs a dialog program and waits until it is closed; false when it could not
   be started (not installed). The only signals this program catches are the
   stop signals, so an interrupted wait means the recipient asked to end: the
   dialog is closed and counts as shown, so that no other one opens. */
static bool run_and_wait(char* const arguments[]) {
    pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        execvp(arguments[0], arguments);
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
        kill(child, SIGTERM);
        while (waitpid(child, NULL, 0) < 0 && errno == EINTR) {
        }
        return true;
    }
    return !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
}

static void show_on_desktop(const char* text) {
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) return;
    /* The text is one argument each time and never reaches a shell; zenity would
       read markup in it without --no-markup. */
    char* zenity[] = {"zenity", "--error", "--no-markup", "--title", (char*)kTitle, "--text", (char*)text, NULL};
    char* kdialog[] = {"kdialog", "--title", (char*)kTitle, "--error", (char*)text, NULL};
    char* xmessage[] = {"xmessage", "-center", "-buttons", "OK", (char*)text, NULL};
    if (run_and_wait(zenity) || run_and_wait(kdialog)) return;
    run_and_wait(xmessage);
}

void sfx_report_error(const char* format, ...) {
    char text[2048];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    fprintf(stderr, "%s\n", text);
    if (!isatty(STDIN_FILENO) && !isatty(STDERR_FILENO)) show_on_desktop(text);
}

/* The signals that end a show, passed on by the module and the launcher. */
#include "StopSignals.h"

#include <signal.h>
#include <stddef.h>
#include <string.h>

static const int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

void stop_signals_catch(void (*handler)(int)) {
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < sizeof kStopSignals / sizeof kStopSignals[0]; ++i) sigaction(kStopSignals[i], &action, NULL);
}

void stop_signals_default(void) {
    for (size_t i = 0; i < sizeof kStopSignals / sizeof kStopSignals[0]; ++i) signal(kStopSignals[i], SIG_DFL);
}

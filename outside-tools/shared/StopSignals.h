/* The signals that end a show (SIGINT, SIGTERM, SIGHUP), which the module and
   the launcher pass on to the program they wait for. */
#pragma once

/* Installs the handler for all three, without SA_RESTART, so that a wait is
   interrupted and can look at what the handler noted. */
void stop_signals_catch(void (*handler)(int));

/* Gives the three signals their default action again (in a started child). */
void stop_signals_default(void);

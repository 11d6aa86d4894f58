/* Where a slide show stands and how the recipient's keys and clicks move it:
   through the slides, then an end screen, then out. */
#pragma once

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum { SV_NONE, SV_NEXT, SV_PREVIOUS, SV_FIRST, SV_LAST, SV_QUIT } sv_action;

typedef struct {
    size_t count;   /* slides in the show */
    size_t current; /* the slide on screen, or count for the end screen */
    bool finished;
} sv_show_state;

sv_show_state sv_show_start(size_t count);

/* Applies the action; returns true when what the screen shows has changed. */
bool sv_show_apply(sv_show_state* state, sv_action action);

bool sv_show_at_end_screen(const sv_show_state* state);

/* What a key does, by its X keysym: → ↓ Space PageDown Enter go on, ← ↑ PageUp
   Backspace go back, Home and End jump, Esc and q end the show. */
sv_action sv_action_for_key(unsigned long keysym);

/* What a mouse button does: a click goes on, the wheel goes either way. */
sv_action sv_action_for_button(unsigned button);

#ifdef __cplusplus
}
#endif

/* Where a slide show stands and how keys and clicks move it. */
#include "ShowState.h"

#include <X11/keysym.h>

sv_show_state sv_show_start(size_t count) {
    sv_show_state state = {count, 0, false};
    return state;
}

bool sv_show_at_end_screen(const sv_show_state* state) { return state->current >= state->count; }

static bool move_to(sv_show_state* state, size_t slide) {
    if (slide == state->current) return false;
    state->current = slide;
    return true;
}

bool sv_show_apply(sv_show_state* state, sv_action action) {
    if (state->finished) return false;
    switch (action) {
    case SV_NEXT:
        /* Past the end screen the show is over. */
        if (sv_show_at_end_screen(state)) {
            state->finished = true;
            return true;
        }
        return move_to(state, state->current + 1);
    case SV_PREVIOUS:
        return state->current > 0 && move_to(state, state->current - 1);
    case SV_FIRST:
        return state->count > 0 && move_to(state, 0);
    case SV_LAST:
        return state->count > 0 && move_to(state, state->count - 1);
    case SV_QUIT:
        state->finished = true;
        return true;
    case SV_NONE:
        break;
    }
    return false;
}

sv_action sv_action_for_key(unsigned long keysym) {
    switch (keysym) {
    case XK_Right:
    case XK_KP_Right:
    case XK_Down:
    case XK_KP_Down:
    case XK_space:
    case XK_Page_Down:
    case XK_KP_Page_Down:
    case XK_Return:
    case XK_KP_Enter:
        return SV_NEXT;
    case XK_Left:
    case XK_KP_Left:
    case XK_Up:
    case XK_KP_Up:
    case XK_Page_Up:
    case XK_KP_Page_Up:
    case XK_BackSpace:
        return SV_PREVIOUS;
    case XK_Home:
    case XK_KP_Home:
        return SV_FIRST;
    case XK_End:
    case XK_KP_End:
        return SV_LAST;
    case XK_Escape:
    case XK_q:
    case XK_Q:
        return SV_QUIT;
    default:
        return SV_NONE;
    }
}

sv_action sv_action_for_button(unsigned button) {
    switch (button) {
    case 1:
    case 5: /* wheel down */
        return SV_NEXT;
    case 4: /* wheel up */
        return SV_PREVIOUS;
    default:
        return SV_NONE;
    }
}

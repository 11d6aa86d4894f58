/* The full-screen slide show on an X display: the slide pictures scaled to the
   screen with black bars, keys and clicks to move, an end screen. */
#pragma once

#include "SlideDeck.h"
#include "XScreen.h"

/* Shows the deck until the recipient ends the show; returns the exit status. */
int sv_run_slide_show(sv_screen* screen, const sv_deck* deck);

/* The viewer's own message box: a small window with the text, closed with any
   key or a click. It needs no toolkit, so it works where the viewer works. */
#pragma once

#include "XScreen.h"

void sv_message_box(sv_screen* screen, const char* text);

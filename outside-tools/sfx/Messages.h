/* Error messages that reach the recipient, in a terminal or on the desktop. */
#pragma once

/* Writes the message to standard error. Without a terminal (started from a file
   manager) it also shows it in a desktop message box, with the first of zenity,
   kdialog or xmessage that is installed. */
void sfx_report_error(const char* format, ...) __attribute__((format(printf, 1, 2)));

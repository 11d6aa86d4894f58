// The open-file and save-file dialogs of the GTK backend over GtkFileChooserDialog.
#pragma once

#include <optional>

#include "platform/Platform.h"

typedef struct _GtkWindow GtkWindow;
typedef struct _GtkWidget GtkWidget;

namespace sk::platform {

// Sets up a file chooser dialog for the request (title, filters, the filter
// to start with, folder and name) without showing it.
GtkWidget* createFileChooser(GtkWindow* parent, const FileDialogRequest& request);

// Runs the dialog modally until the user picks an acceptable name or cancels.
// The default extension is appended to a name without one; a name that must
// exist and does not, or a save over an existing file that the user does not
// confirm, keeps the dialog open. The dialog is destroyed before returning.
std::optional<FileDialogResult> runFileChooser(GtkWidget* dialog, const FileDialogRequest& request);

// The 1-based index of the dialog's current filter, or the request's index when it has no filters.
int chosenFilterIndex(GtkWidget* dialog, const FileDialogRequest& request);

}  // namespace sk::platform

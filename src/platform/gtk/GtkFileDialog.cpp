#include "platform/gtk/GtkFileDialog.h"

#include <gtk/gtk.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/gtk/GtkText.h"
namespace sk::platform {

namespace {

const char* kFiltersKey = "slidekiln-filters";

// GTK's own glob patterns are case-sensitive; the dialogs this program was
// made for ignore case ("*.ppt" shows TALK.PPT), so the filter matches itself.
gboolean matchesPatterns(const GtkFileFilterInfo* info, gpointer data) {
    const auto* patterns = static_cast<const std::vector<std::string>*>(data);
    const char* name = info->display_name ? info->display_name : info->filename;
    if (!name) return FALSE;
    const std::string fileName = std::filesystem::path(name).filename().string();
    for (const auto& pattern : *patterns)
        if (matchesFilterPattern(fileName, pattern)) return TRUE;
    return FALSE;
}

void deletePatterns(gpointer data) {
    delete static_cast<std::vector<std::string>*>(data);
}

std::string translated(const char* text) {
    return g_dgettext("gtk30", text);
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

bool confirmReplace(GtkWindow* parent, const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    std::string question = translated("A file named “%s” already exists.  Do you want to replace it?");
    if (const auto at = question.find("%s"); at != std::string::npos) question.replace(at, 2, name);
    GtkWidget* box = gtk_message_dialog_new(
        parent, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        GTK_MESSAGE_QUESTION, GTK_BUTTONS_YES_NO, "%s", question.c_str());
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_NO);
    const int response = gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    return response == GTK_RESPONSE_YES;
}

void reportMissing(GtkWindow* parent, const std::string& path) {
    GtkWidget* box = gtk_message_dialog_new(
        parent, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        GTK_MESSAGE_WARNING, GTK_BUTTONS_OK, "%s",
        (path + "\n" + translated("The file does not exist.")).c_str());
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

}  // namespace

GtkWidget* createFileChooser(GtkWindow* parent, const FileDialogRequest& request) {
    const bool save = request.kind == FileDialogKind::Save;
    // An open dialog that does not insist on an existing file lets the user
    // type any name, as the classic dialog does without that option; GTK's
    // open mode would only take existing files, so the save mode serves with
    // an "Open" button.
    const bool typedNames = save || !request.fileMustExist;
    std::string title = request.title;
    if (title.empty()) title = save ? translated("Save File") : translated("Open File");
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        displayableText(title).c_str(), parent, typedNames ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
        translated("_Cancel").c_str(), GTK_RESPONSE_CANCEL,
        (save ? translated("_Save") : translated("_Open")).c_str(), GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    // Overwriting is confirmed after the default extension has been added (runFileChooser).
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);

    const auto filters = parseFileFilter(request.filter);
    GSList* gtkFilters = nullptr;
    for (const auto& entry : filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, entry.description.empty() ? "*" : entry.description.c_str());
        auto* patterns = new std::vector<std::string>(entry.patterns);
        if (patterns->empty()) patterns->push_back("*");
        gtk_file_filter_add_custom(filter, static_cast<GtkFileFilterFlags>(GTK_FILE_FILTER_DISPLAY_NAME),
                                   matchesPatterns, patterns, deletePatterns);
        gtk_file_chooser_add_filter(chooser, filter);  // the chooser takes the floating reference
        gtkFilters = g_slist_append(gtkFilters, filter);
    }
    if (gtkFilters) {
        const int index = effectiveFilterIndex(request.filterIndex, filters.size());
        gtk_file_chooser_set_filter(
            chooser, GTK_FILE_FILTER(g_slist_nth_data(gtkFilters, static_cast<guint>(index - 1))));
    }
    g_object_set_data_full(G_OBJECT(dialog), kFiltersKey, gtkFilters,
                           [](gpointer list) { g_slist_free(static_cast<GSList*>(list)); });

    // The initial name may carry its folder; a folder of its own goes to the
    // folder the dialog opens in, as does the initial folder when the name has none.
    std::string folder = request.initialFolder;
    std::string name = request.initialFileName;
    if (isFolder(name)) {
        folder = name;
        name.clear();
    } else if (const auto slash = name.rfind('/'); slash != std::string::npos) {
        folder = slash == 0 ? "/" : name.substr(0, slash);
        name = name.substr(slash + 1);
    }
    if (isFolder(folder)) gtk_file_chooser_set_current_folder(chooser, folder.c_str());
    if (!name.empty()) {
        const std::string full = (std::filesystem::path(isFolder(folder) ? folder : ".") / name).string();
        if (typedNames)
            gtk_file_chooser_set_current_name(chooser, displayableText(name).c_str());
        else if (fileExists(full))
            gtk_file_chooser_select_filename(chooser, full.c_str());
    }
    return dialog;
}

int chosenFilterIndex(GtkWidget* dialog, const FileDialogRequest& request) {
    auto* filters = static_cast<GSList*>(g_object_get_data(G_OBJECT(dialog), kFiltersKey));
    if (!filters) return request.filterIndex;
    GtkFileFilter* current = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(dialog));
    const int position = g_slist_index(filters, current);
    return position >= 0 ? position + 1 : effectiveFilterIndex(request.filterIndex, g_slist_length(filters));
}

std::optional<FileDialogResult> runFileChooser(GtkWidget* dialog, const FileDialogRequest& request) {
    std::optional<FileDialogResult> result;
    GtkWindow* window = GTK_WINDOW(dialog);
    while (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        gchar* chosen = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog));
        if (!chosen) continue;
        const std::string fileName = withDefaultExtension(chosen, request.defaultExtension);
        g_free(chosen);
        if (request.kind == FileDialogKind::Open && request.fileMustExist && !fileExists(fileName)) {
            reportMissing(window, fileName);
            continue;
        }
        if (request.kind == FileDialogKind::Save && request.overwritePrompt && fileExists(fileName) &&
            !confirmReplace(window, fileName))
            continue;
        result = FileDialogResult{fileName, chosenFilterIndex(dialog, request)};
        break;
    }
    gtk_widget_destroy(dialog);
    return result;
}

}  // namespace sk::platform

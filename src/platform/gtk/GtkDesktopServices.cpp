#include "platform/gtk/GtkDesktopServices.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace sk::platform {

namespace {

drawing::Bitmap bitmapFromPixbuf(GdkPixbuf* pixbuf) {
    const int width = gdk_pixbuf_get_width(pixbuf), height = gdk_pixbuf_get_height(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf), stride = gdk_pixbuf_get_rowstride(pixbuf);
    const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    drawing::Bitmap bitmap(width, height);
    if (channels < 3 || gdk_pixbuf_get_bits_per_sample(pixbuf) != 8) return bitmap;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const guchar* p = pixels + y * stride + x * channels;
            const std::uint32_t a = alpha ? p[3] : 0xFF;
            bitmap.setPixel(x, y, a << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]);
        }
    return bitmap;
}

// A content type for "report.pdf", ".pdf", "pdf" or "folder".
std::string contentTypeFor(const std::string& fileNameOrType) {
    std::string lower = fileNameOrType;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (lower == "folder" || lower == "directory") return "inode/directory";
    const std::string name = lower.find('.') == std::string::npos ? "file." + lower : lower;
    gboolean uncertain = FALSE;
    gchar* type = g_content_type_guess(name.c_str(), nullptr, 0, &uncertain);
    std::string result = type ? type : "";
    g_free(type);
    return result;
}

bool isWebAddress(const std::string& url) {
    std::string lower = url.substr(0, 8);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

void contentsLoaded(GObject* source, GAsyncResult* result, gpointer data) {
    std::unique_ptr<Platform::FetchDone> done(static_cast<Platform::FetchDone*>(data));
    char* contents = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    std::optional<std::vector<unsigned char>> bytes;
    if (g_file_load_contents_finish(G_FILE(source), result, &contents, &length, nullptr, &error))
        bytes.emplace(contents, contents + length);
    if (error) g_error_free(error);
    g_free(contents);
    g_object_unref(source);
    (*done)(std::move(bytes));
}

}  // namespace

std::optional<drawing::Bitmap> themedFileIcon(const std::string& fileNameOrType, bool large) {
    if (!gdk_screen_get_default() || fileNameOrType.empty()) return std::nullopt;
    const std::string type = contentTypeFor(fileNameOrType);
    if (type.empty()) return std::nullopt;
    GIcon* icon = g_content_type_get_icon(type.c_str());
    const int size = large ? 32 : 16;
    GtkIconInfo* info =
        gtk_icon_theme_lookup_by_gicon(gtk_icon_theme_get_default(), icon, size, GTK_ICON_LOOKUP_FORCE_SIZE);
    g_object_unref(icon);
    if (!info) return std::nullopt;
    GdkPixbuf* pixbuf = gtk_icon_info_load_icon(info, nullptr);
    g_object_unref(info);
    if (!pixbuf) return std::nullopt;
    drawing::Bitmap bitmap = bitmapFromPixbuf(pixbuf);
    g_object_unref(pixbuf);
    return bitmap;
}

void fetchUriBytes(const std::string& url, Platform::FetchDone done) {
    // Only web addresses: a markup text must not make the program read local files.
    if (!isWebAddress(url)) {
        done(std::nullopt);
        return;
    }
    GFile* file = g_file_new_for_uri(url.c_str());
    g_file_load_contents_async(file, nullptr, contentsLoaded, new Platform::FetchDone(std::move(done)));
}

}  // namespace sk::platform

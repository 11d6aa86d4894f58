// Pictures that a markup text names by address ("http://host/logo.png"). The
// cache asks the platform to fetch each address once; until the bytes have
// arrived and decoded, the address has no picture and the renderer draws
// nothing for it. A failed fetch (no network, not a picture) is remembered and
// never retried, quietly. OnPictureArrived tells the owning control to repaint.
//
//   HtmlPictureCache cache;
//   cache.OnPictureArrived = [this] { invalidate(); };
//   options.pictureCache = &cache;
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "drawing/Bitmap.h"

namespace sk::smooth {

class HtmlPictureCache {
public:
    HtmlPictureCache();
    ~HtmlPictureCache();
    HtmlPictureCache(const HtmlPictureCache&) = delete;
    HtmlPictureCache& operator=(const HtmlPictureCache&) = delete;

    // The picture of an address, or none while it is being fetched or when the
    // fetch failed. The first call for an address starts its fetch.
    const drawing::Bitmap* picture(const std::string& address);
    // How many addresses have been asked for (fetched, failed or pending).
    std::size_t addressCount() const;

    std::function<void()> OnPictureArrived;

private:
    struct Entries;
    // Shared with the fetch callbacks, which may outlive the cache.
    std::shared_ptr<Entries> m_entries;
};

}  // namespace sk::smooth

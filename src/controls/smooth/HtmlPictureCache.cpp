#include "controls/smooth/HtmlPictureCache.h"

#include <stdexcept>

#include "drawing/Image.h"
#include "platform/Platform.h"

namespace sk::smooth {

struct HtmlPictureCache::Entries {
    HtmlPictureCache* owner = nullptr;  // none once the cache is gone
    // An address with no value is pending or failed; with one, it has arrived.
    std::map<std::string, std::optional<drawing::Bitmap>> pictures;
};

HtmlPictureCache::HtmlPictureCache() : m_entries(std::make_shared<Entries>()) {
    m_entries->owner = this;
}

HtmlPictureCache::~HtmlPictureCache() {
    m_entries->owner = nullptr;
}

std::size_t HtmlPictureCache::addressCount() const {
    return m_entries->pictures.size();
}

const drawing::Bitmap* HtmlPictureCache::picture(const std::string& address) {
    auto [entry, added] = m_entries->pictures.try_emplace(address);
    if (!added) return entry->second ? &*entry->second : nullptr;
    std::weak_ptr<Entries> weak = m_entries;
    auto arrived = [weak, address](std::optional<std::vector<unsigned char>> bytes) {
        const std::shared_ptr<Entries> entries = weak.lock();
        if (!entries || !bytes) return;
        auto image = drawing::Image::fromBytes(*bytes);
        if (!image || image->bitmap().empty()) return;  // not a picture: stays without one
        entries->pictures[address] = std::move(image->bitmap());
        if (entries->owner && entries->owner->OnPictureArrived) entries->owner->OnPictureArrived();
    };
    try {
        platform::currentPlatform().fetchUrl(address, arrived);
    } catch (const std::logic_error&) {
        // No platform backend: nothing can be fetched; the address stays without a picture.
    }
    // The fetch may have completed at once (and added or left the entry).
    const auto now = m_entries->pictures.find(address);
    return now != m_entries->pictures.end() && now->second ? &*now->second : nullptr;
}

}  // namespace sk::smooth

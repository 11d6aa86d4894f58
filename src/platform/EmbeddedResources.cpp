#include "platform/EmbeddedResources.h"

namespace sk::platform {

std::optional<std::span<const unsigned char>> findResource(std::string_view name) {
    for (std::size_t i = 0; i < detail::kEmbeddedResourceCount; ++i) {
        if (detail::kEmbeddedResources[i].name == name) return detail::kEmbeddedResources[i].bytes;
    }
    return std::nullopt;
}

}  // namespace sk::platform

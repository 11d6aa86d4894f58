// The memory for images in transit, replaceable for tests.
#include "controls/smooth/ImageMemory.h"

namespace sk::smooth {

namespace {
std::pmr::memory_resource* g_imageMemory = nullptr;
}

std::pmr::memory_resource* imageMemory() {
    return g_imageMemory ? g_imageMemory : std::pmr::new_delete_resource();
}

void setImageMemory(std::pmr::memory_resource* resource) {
    g_imageMemory = resource;
}

}  // namespace sk::smooth

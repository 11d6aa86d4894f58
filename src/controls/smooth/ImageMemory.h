// Where the smooth controls take the memory that holds an image while it is
// handed to the drawing layer (a stored picture's bytes on their way to the
// decoder, a captured reflection). Tests install a resource that runs out to
// check the "could not allocate" paths; the program uses the ordinary heap.
#pragma once

#include <memory_resource>

namespace sk::smooth {

std::pmr::memory_resource* imageMemory();
// Null restores the ordinary heap.
void setImageMemory(std::pmr::memory_resource* resource);

}  // namespace sk::smooth

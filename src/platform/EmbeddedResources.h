// Files from resources/ compiled into the program, looked up by their path below
// resources/ (for example "forms/TForm1.yaml").
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace sk::platform {

struct EmbeddedResource {
    std::string_view name;
    std::span<const unsigned char> bytes;
};

// The bytes of the named resource, or nothing when the program holds no such file.
std::optional<std::span<const unsigned char>> findResource(std::string_view name);

namespace detail {
extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
}  // namespace detail

}  // namespace sk::platform

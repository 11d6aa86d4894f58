#include "platform/Platform.h"

#include <stdexcept>

namespace sk::platform {

namespace {
Platform* g_platform = nullptr;
}

Platform& currentPlatform() {
    if (!g_platform) throw std::logic_error("no platform backend is installed");
    return *g_platform;
}

void setCurrentPlatform(Platform* platform) { g_platform = platform; }

}  // namespace sk::platform

#include "support/TestEnvironment.h"

#include <cstdlib>
#include <string_view>

#include "drawing/FontConfiguration.h"
#include "platform/EmbeddedResources.h"

namespace sk::test {

void prepareEnvironment() {
    std::filesystem::create_directories(outputFolder());
    // The same font substitution as the program: the embedded configuration.
    if (auto config = platform::findResource("fonts/fonts.conf")) {
        drawing::installFontConfiguration(
            std::string_view(reinterpret_cast<const char*>(config->data()), config->size()));
    }
}

std::filesystem::path outputFolder() {
    const char* configured = std::getenv("SLIDEKILN_TEST_OUTPUT");
    return configured ? std::filesystem::path(configured) : std::filesystem::temp_directory_path() / "slidekiln-test-output";
}

std::filesystem::path sourceFolder() {
    const char* configured = std::getenv("SLIDEKILN_SOURCE_DIR");
    return configured ? std::filesystem::path(configured) : std::filesystem::current_path();
}

}  // namespace sk::test

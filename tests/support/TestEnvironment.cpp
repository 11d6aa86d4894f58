#include "support/TestEnvironment.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "drawing/FontConfiguration.h"
#include "platform/EmbeddedResources.h"

namespace sk::test {

namespace {

// A variable of the environment overrides what the build configured.
std::filesystem::path configuredFolder(const char* variable, const char* buildDefault) {
    const char* configured = std::getenv(variable);
    return std::filesystem::path(configured && *configured ? configured : buildDefault);
}

}  // namespace

void prepareEnvironment() {
    std::filesystem::create_directories(outputFolder());
    // The same font substitution as the program: the embedded configuration.
    // Without it, text would be measured with whatever fonts the machine offers.
    auto config = platform::findResource("fonts/fonts.conf");
    if (!config) {
        std::fputs("The embedded font configuration fonts/fonts.conf is missing\n", stderr);
        std::abort();
    }
    if (!drawing::installFontConfiguration(
            std::string_view(reinterpret_cast<const char*>(config->data()), config->size()))) {
        std::fputs("The embedded font configuration could not be installed\n", stderr);
        std::abort();
    }
}

std::filesystem::path outputFolder() {
    return configuredFolder("SLIDEKILN_TEST_OUTPUT", SLIDEKILN_TEST_OUTPUT_DEFAULT);
}

std::filesystem::path sourceFolder() {
    return configuredFolder("SLIDEKILN_SOURCE_DIR", SLIDEKILN_SOURCE_DIR_DEFAULT);
}

std::filesystem::path programFolder() {
    return configuredFolder("SLIDEKILN_PROGRAM_DIR", SLIDEKILN_PROGRAM_DIR_DEFAULT);
}

}  // namespace sk::test

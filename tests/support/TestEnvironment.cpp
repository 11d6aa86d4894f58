#include "support/TestEnvironment.h"

#include <cstdlib>

namespace sk::test {

void prepareEnvironment() {
    std::filesystem::create_directories(outputFolder());
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

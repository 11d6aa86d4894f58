// What every test and benchmark program sets up before it runs: the same font
// configuration as the program, and a folder for images that tests write.
#pragma once

#include <filesystem>

namespace sk::test {

void prepareEnvironment();

// Where tests write images worth looking at (failed comparisons, samples).
std::filesystem::path outputFolder();

// The repository's top folder.
std::filesystem::path sourceFolder();

// The program folder of this build: the slidekiln executable and the outside tools.
std::filesystem::path programFolder();

}  // namespace sk::test

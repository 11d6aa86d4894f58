// Skipping a test that cannot run on this machine (no display, no LibreOffice, not
// root). Under CI=true a skip is a failure instead: a green CI run means that every
// test ran.
//
//   if (!std::getenv("DISPLAY")) SK_SKIP("no display");
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace sk::test {

// Whether this run must not skip: CI=true (as continuous integration sets it).
inline bool skipsMustFail() {
    const char* ci = std::getenv("CI");
    return ci && std::string_view(ci) == "true";
}

}  // namespace sk::test

#define SK_SKIP(reason)                                                                    \
    do {                                                                                   \
        if (::sk::test::skipsMustFail()) GTEST_FAIL() << "cannot run under CI: " << (reason); \
        GTEST_SKIP() << (reason);                                                          \
    } while (false)

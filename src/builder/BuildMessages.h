// The texts with which a build stops when it cannot go on safely, in the
// window's language. Each names the path or the cause, so that the user can
// put it right; they reach the user through the window's error box.
#pragma once

#include <string>

namespace sk::builder {

struct BuildMessages {
    static std::string noPrivateStagingFolder(const std::string& folder);
    static std::string outputIsAFolder(const std::string& output);
    static std::string outputIsRelative(const std::string& output);
    static std::string outputIsTheSource(const std::string& output);
    static std::string converterNotStarted(const std::string& converter);
    // reason: the converter's own last word, or "" to name the exit status instead.
    static std::string conversionFailed(int exitStatus, const std::string& reason);
    static std::string conversionLeftNoResult(const std::string& result);
    static std::string noStagedPresentation(const std::string& staged);
    static std::string archiverNotStarted(const std::string& programFolder);
};

}  // namespace sk::builder

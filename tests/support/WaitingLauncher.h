// The real tool launcher, except that it waits for the archiver, so a test can
// look at what the archiver did right after the build.
#pragma once

#include "builder/ProcessToolLauncher.h"
#include "platform/ProcessLauncher.h"

namespace sk::test {

class WaitingLauncher : public builder::ProcessToolLauncher {
public:
    using ProcessToolLauncher::ProcessToolLauncher;

    bool startArchiver(const builder::CommandLine& command) override {
        std::vector<std::string> arguments = archiverLaunch(command);
        return !arguments.empty() && platform::ProcessLauncher::runAndWait(arguments) != -1;
    }
};

}  // namespace sk::test

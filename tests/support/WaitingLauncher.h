// The real tool launcher, except that it waits for the archiver, so a test can
// look at what the archiver did right after the build.
#pragma once

#include "builder/ProcessToolLauncher.h"
#include "platform/ProcessLauncher.h"

namespace sk::test {

class WaitingLauncher : public builder::ProcessToolLauncher {
public:
    using ProcessToolLauncher::ProcessToolLauncher;

    void startArchiver(const builder::CommandLine& command) override {
        Launch launch = archiverLaunch(command);
        if (!launch.arguments.empty()) platform::ProcessLauncher::runAndWait(launch.arguments);
    }
};

}  // namespace sk::test

// How the build starts its two outside tools: the archiver, started and left
// running, and the converter, run and waited for. Neither reports a failure to
// start; the build relies on nothing but the converter having ended.
#pragma once

#include "builder/CommandLine.h"

namespace sk::builder {

class ToolLauncher {
public:
    virtual ~ToolLauncher() = default;

    // Starts the archiver detached and returns at once.
    virtual void startArchiver(const CommandLine& command) = 0;

    // Runs the converter without a window and returns when it has ended.
    virtual void runConverter(const CommandLine& command) = 0;
};

}  // namespace sk::builder

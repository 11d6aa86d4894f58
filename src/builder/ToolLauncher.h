// How the build starts its two outside tools: the archiver, started and left
// running (it shows its own progress and outcome), and the converter, run and
// waited for. Both tell whether they could be started; the converter also how
// it ended, so that a failed conversion stops the build with its reason.
#pragma once

#include <string>

#include "builder/CommandLine.h"

namespace sk::builder {

struct ConverterOutcome {
    bool started = false;
    int exitStatus = -1;      // -1 also when a signal ended it
    std::string errorOutput;  // what it wrote on its standard error (the end of it)
};

class ToolLauncher {
public:
    virtual ~ToolLauncher() = default;

    // Starts the archiver detached and returns at once; false when it could not
    // be started.
    virtual bool startArchiver(const CommandLine& command) = 0;

    // Runs the converter without a window and returns when it has ended.
    virtual ConverterOutcome runConverter(const CommandLine& command) = 0;
};

}  // namespace sk::builder

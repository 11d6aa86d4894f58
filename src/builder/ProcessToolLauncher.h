// Starts the outside tools as real processes. The archiver is looked up in the
// program folder, then along PATH (never in the current folder), and started
// detached; it shows its progress and outcome itself. The converter runs in a
// process group of its own, which is ended with it, with its standard error
// captured for the build's message. While it runs the windows stay painted
// with a busy cursor and take no input (platform::Platform::waitWhileBusy).
#pragma once

#include <string>
#include <vector>

#include "builder/ToolLauncher.h"

namespace sk::builder {

class ProcessToolLauncher : public ToolLauncher {
public:
    explicit ProcessToolLauncher(std::string programFolder);

    bool startArchiver(const CommandLine& command) override;
    ConverterOutcome runConverter(const CommandLine& command) override;

    // What startArchiver() starts: the argument vector with the program's path
    // first, or empty when the program cannot be found.
    std::vector<std::string> archiverLaunch(const CommandLine& command) const;

private:
    std::string m_programFolder;
};

}  // namespace sk::builder

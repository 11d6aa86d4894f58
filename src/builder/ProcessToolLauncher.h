// Starts the outside tools as real processes. The archiver is looked up in the
// program folder, then the current folder, then along PATH, and started detached:
// inside a terminal window of its own when a desktop session has one
// (x-terminal-emulator), so the user sees its console output; else without. The
// converter runs without a window and is waited for. A program that cannot be
// started is not reported.
#pragma once

#include <string>
#include <vector>

#include "builder/ToolLauncher.h"

namespace sk::builder {

class ProcessToolLauncher : public ToolLauncher {
public:
    enum class Terminal {
        WhenAvailable,  // use x-terminal-emulator when DISPLAY is set and it exists
        Never,
    };

    explicit ProcessToolLauncher(std::string programFolder, Terminal terminal = Terminal::WhenAvailable);

    void startArchiver(const CommandLine& command) override;
    void runConverter(const CommandLine& command) override;

    // What startArchiver() starts: the argument vector (empty when the program
    // cannot be found) and the additions to the inherited environment.
    struct Launch {
        std::vector<std::string> arguments;
        std::vector<std::string> environment;
    };
    Launch archiverLaunch(const CommandLine& command) const;

private:
    std::string m_programFolder;
    Terminal m_terminal;
};

}  // namespace sk::builder

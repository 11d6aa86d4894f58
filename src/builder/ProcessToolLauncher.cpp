#include "builder/ProcessToolLauncher.h"

#include <cstdlib>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/ProcessLauncher.h"

namespace sk::builder {

using platform::FileSystem;
using platform::ProcessLauncher;

ProcessToolLauncher::ProcessToolLauncher(std::string programFolder, Terminal terminal)
    : m_programFolder(std::move(programFolder)), m_terminal(terminal) {}

ProcessToolLauncher::Launch ProcessToolLauncher::archiverLaunch(const CommandLine& command) const {
    Launch launch;
    if (command.arguments.empty()) return launch;
    std::string program = ProcessLauncher::findProgram(command.arguments.front(),
                                                       {m_programFolder, FileSystem::currentFolder()});
    if (program.empty()) return launch;

    if (m_terminal == Terminal::WhenAvailable) {
        const char* display = std::getenv("DISPLAY");
        if (display && *display) {
            std::string terminal = ProcessLauncher::findProgram("x-terminal-emulator");
            // Every x-terminal-emulator takes "-e program arguments..." as an
            // argument vector of its own. The window would close the moment the
            // archiver ends; the default archiver keeps it open until the user
            // has read its report when it finds this variable set.
            if (!terminal.empty()) {
                launch.arguments = {terminal, "-e"};
                launch.environment = {"SLIDEKILN_HOLD_WINDOW=1"};
            }
        }
    }
    launch.arguments.push_back(program);
    launch.arguments.insert(launch.arguments.end(), command.arguments.begin() + 1, command.arguments.end());
    return launch;
}

void ProcessToolLauncher::startArchiver(const CommandLine& command) {
    Launch launch = archiverLaunch(command);
    if (!launch.arguments.empty()) ProcessLauncher::startDetached(launch.arguments, launch.environment);
}

void ProcessToolLauncher::runConverter(const CommandLine& command) {
    if (command.arguments.empty()) return;
    std::string program = ProcessLauncher::findProgram(command.arguments.front(), {m_programFolder});
    if (program.empty()) return;
    std::vector<std::string> arguments = command.arguments;
    arguments.front() = program;
    ProcessLauncher::runAndWait(arguments);
}

}  // namespace sk::builder

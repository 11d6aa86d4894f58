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

std::vector<std::string> ProcessToolLauncher::archiverArguments(const CommandLine& command) const {
    if (command.arguments.empty()) return {};
    std::string program =
        ProcessLauncher::findProgram(command.arguments.front(), {m_programFolder, FileSystem::currentFolder()});
    if (program.empty()) return {};

    std::vector<std::string> arguments;
    if (m_terminal == Terminal::WhenAvailable) {
        const char* display = std::getenv("DISPLAY");
        if (display && *display) {
            std::string terminal = ProcessLauncher::findProgram("x-terminal-emulator");
            // Every x-terminal-emulator takes "-e program arguments..." as an
            // argument vector of its own.
            if (!terminal.empty()) arguments = {terminal, "-e"};
        }
    }
    arguments.push_back(program);
    arguments.insert(arguments.end(), command.arguments.begin() + 1, command.arguments.end());
    return arguments;
}

void ProcessToolLauncher::startArchiver(const CommandLine& command) {
    std::vector<std::string> arguments = archiverArguments(command);
    if (!arguments.empty()) ProcessLauncher::startDetached(arguments);
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

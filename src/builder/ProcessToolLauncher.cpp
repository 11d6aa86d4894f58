#include "builder/ProcessToolLauncher.h"

#include <memory>
#include <utility>

#include "platform/ChildProcess.h"
#include "platform/Platform.h"
#include "platform/ProcessLauncher.h"

namespace sk::builder {

using platform::ChildProcess;
using platform::ProcessLauncher;

namespace {

// Waits for the converter; with windows on the screen they stay painted.
void waitForEnd(ChildProcess& process) {
    auto ended = [&process] { return process.hasEnded(); };
    if (platform::hasCurrentPlatform())
        platform::currentPlatform().waitWhileBusy(ended);
    else
        platform::waitUntil(ended);
}

}  // namespace

ProcessToolLauncher::ProcessToolLauncher(std::string programFolder) : m_programFolder(std::move(programFolder)) {}

std::vector<std::string> ProcessToolLauncher::archiverLaunch(const CommandLine& command) const {
    if (command.arguments.empty()) return {};
    std::string program = ProcessLauncher::findProgram(command.arguments.front(), {m_programFolder});
    if (program.empty()) return {};
    std::vector<std::string> arguments = command.arguments;
    arguments.front() = program;
    return arguments;
}

bool ProcessToolLauncher::startArchiver(const CommandLine& command) {
    std::vector<std::string> arguments = archiverLaunch(command);
    return !arguments.empty() && ProcessLauncher::startDetached(arguments);
}

ConverterOutcome ProcessToolLauncher::runConverter(const CommandLine& command) {
    ConverterOutcome outcome;
    if (command.arguments.empty()) return outcome;
    std::string program = ProcessLauncher::findProgram(command.arguments.front(), {m_programFolder});
    if (program.empty()) return outcome;
    std::vector<std::string> arguments = command.arguments;
    arguments.front() = program;
    std::unique_ptr<ChildProcess> process =
        ProcessLauncher::start(arguments, {.ownProcessGroup = true, .captureErrorOutput = true});
    if (!process) return outcome;
    waitForEnd(*process);
    outcome.started = true;
    outcome.exitStatus = process->finish();
    outcome.errorOutput = process->errorOutput();
    return outcome;
}

}  // namespace sk::builder

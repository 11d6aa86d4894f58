#include "builder/ProcessToolLauncher.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>

#include "platform/ChildProcess.h"
#include "platform/Platform.h"
#include "platform/ProcessLauncher.h"

namespace sk::builder {

using platform::ChildProcess;
using platform::ProcessLauncher;

namespace {

constexpr auto kReleaseTimeLimit = std::chrono::seconds(10);

// Waits; with windows on the screen they stay painted.
void waitWhileBusy(const std::function<bool()>& finished) {
    if (platform::hasCurrentPlatform())
        platform::currentPlatform().waitWhileBusy(finished);
    else
        platform::waitUntil(finished);
}

// True once the other end of the pipe is closed (or the pipe failed).
bool closedByTheOtherEnd(int fd) {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 0) == 0) return false;
    char byte;
    ssize_t count;
    do {
        count = ::read(fd, &byte, 1);
    } while (count < 0 && errno == EINTR);
    return count <= 0;
}

// The archiver takes a copy of the staged files before it closes its release
// descriptor (or ends): until then a new build's clean-up would pull them away
// from it. An archiver that knows nothing of the descriptor is given a while.
void waitForRelease(int release) {
    const auto deadline = std::chrono::steady_clock::now() + kReleaseTimeLimit;
    waitWhileBusy(
        [&] { return closedByTheOtherEnd(release) || std::chrono::steady_clock::now() > deadline; });
}

}  // namespace

ProcessToolLauncher::ProcessToolLauncher(std::string programFolder)
    : m_programFolder(std::move(programFolder)) {}

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
    int release = -1;
    if (arguments.empty() || !ProcessLauncher::startDetached(arguments, {}, &release)) return false;
    waitForRelease(release);
    ::close(release);
    return true;
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
    waitWhileBusy([&process] { return process->hasEnded(); });
    outcome.started = true;
    outcome.exitStatus = process->finish();
    outcome.errorOutput = process->errorOutput();
    return outcome;
}

}  // namespace sk::builder

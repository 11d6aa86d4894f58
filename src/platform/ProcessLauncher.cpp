#include "platform/ProcessLauncher.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <utility>

#include "platform/FileSystem.h"

namespace sk::platform {

namespace {

constexpr std::string_view kSafeSearchPath = "/usr/local/bin:/usr/bin:/bin";

// The child's PATH: only the absolute entries of ours. The tools start in our
// current folder, and a shell resolves an empty or relative entry against it,
// where anyone may have left a program named like a tool ("soffice", "7z").
// Without any absolute entry (or without PATH: a shell's own default may name
// the current folder too) a fixed system path.
std::string childSearchPath(const char* inherited) {
    std::string kept;
    std::istringstream entries(inherited ? inherited : "");
    std::string entry;
    while (std::getline(entries, entry, ':')) {
        if (entry.empty() || entry.front() != '/') continue;
        if (!kept.empty()) kept.push_back(':');
        kept.append(entry);
    }
    return "PATH=" + (kept.empty() ? std::string(kSafeSearchPath) : kept);
}

// Everything the child needs, prepared before fork: between fork and exec only
// async-signal-safe calls are made, since other threads may hold allocator locks.
class ChildArguments {
public:
    ChildArguments(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environmentAdditions)
        : m_arguments(arguments) {
        for (std::string& argument : m_arguments) m_pointers.push_back(argument.data());
        m_pointers.push_back(nullptr);

        m_environment.push_back(childSearchPath(std::getenv("PATH")));
        for (char** entry = environ; *entry; ++entry) {
            std::string_view text(*entry);
            bool replaced = text.starts_with("PATH=");
            for (const std::string& addition : environmentAdditions) {
                std::size_t equals = addition.find('=');
                if (text.substr(0, text.find('=')) == std::string_view(addition).substr(0, equals))
                    replaced = true;
            }
            if (!replaced) m_environment.emplace_back(text);
        }
        m_environment.insert(m_environment.end(), environmentAdditions.begin(), environmentAdditions.end());
        for (std::string& entry : m_environment) m_environmentPointers.push_back(entry.data());
        m_environmentPointers.push_back(nullptr);
    }
    const char* program() const { return m_pointers.front(); }
    char* const* argv() const { return m_pointers.data(); }
    char* const* envp() const { return m_environmentPointers.data(); }

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
    std::vector<std::string> m_environment;
    std::vector<char*> m_environmentPointers;
};

// In the child: standard input from /dev/null, and no descriptor of ours (the
// display connection and the like) handed on beyond the exec.
void prepareChildDescriptors() {
    int null = ::open("/dev/null", O_RDONLY);
    if (null >= 0 && null != STDIN_FILENO) {
        ::dup2(null, STDIN_FILENO);
        ::close(null);
    }
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
}

// In the child: the descriptor under the given number, kept open across exec.
void handDescriptorOn(int fd, int number) {
    if (fd == number)
        ::fcntl(fd, F_SETFD, 0);
    else
        ::dup2(fd, number);  // the copy has no close-on-exec flag
}

bool waitForChild(pid_t child, int* status) {
    for (;;) {
        if (::waitpid(child, status, 0) == child) return true;
        if (errno != EINTR) return false;
    }
}

}  // namespace

std::string ProcessLauncher::findProgram(const std::string& name,
                                         const std::vector<std::string>& firstFolders) {
    if (name.empty()) return "";
    if (name.find('/') != std::string::npos) return FileSystem::isExecutableFile(name) ? name : "";
    for (const std::string& folder : firstFolders) {
        if (folder.empty() || folder.front() != '/') continue;
        std::string candidate = folder + name;
        if (FileSystem::isExecutableFile(candidate)) return candidate;
    }
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : std::string(kSafeSearchPath));
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty() || folder.front() != '/') continue;
        std::string candidate = folder;
        if (candidate.back() != '/') candidate.push_back('/');
        candidate.append(name);
        if (FileSystem::isExecutableFile(candidate)) return candidate;
    }
    return "";
}

bool ProcessLauncher::startDetached(const std::vector<std::string>& arguments,
                                    const std::vector<std::string>& environmentAdditions,
                                    int* releaseDescriptor) {
    if (releaseDescriptor) *releaseDescriptor = -1;
    if (arguments.empty()) return false;
    std::vector<std::string> environment = environmentAdditions;
    if (releaseDescriptor)
        environment.push_back("SLIDEKILN_RELEASE_FD=" + std::to_string(kReleaseDescriptor));
    ChildArguments child(arguments, environment);

    int release[2] = {-1, -1};
    if (releaseDescriptor && ::pipe2(release, O_CLOEXEC) != 0) return false;
    auto closeRelease = [&release] {
        for (int& fd : release)
            if (fd >= 0) ::close(std::exchange(fd, -1));
    };

    // The grandchild reports a failed exec through this pipe; a successful exec
    // closes it without a word.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        closeRelease();
        return false;
    }

    // Double fork: the middle process ends at once and is reaped here, so the
    // program belongs to init and never stays a zombie of ours.
    pid_t middle = ::fork();
    if (middle < 0) {
        ::close(report[0]);
        ::close(report[1]);
        closeRelease();
        return false;
    }
    if (middle == 0) {
        ::close(report[0]);
        ::setsid();
        pid_t program = ::fork();
        if (program == 0) {
            prepareChildDescriptors();
            if (release[1] >= 0) {
                // The exec report must not be the descriptor that the release replaces.
                if (report[1] == kReleaseDescriptor) report[1] = ::fcntl(report[1], F_DUPFD_CLOEXEC, 4);
                handDescriptorOn(release[1], kReleaseDescriptor);
            }
            ::execve(child.program(), child.argv(), child.envp());
            int error = errno;
            [[maybe_unused]] ssize_t written = ::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        if (program < 0) {
            int error = errno;
            [[maybe_unused]] ssize_t written = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    if (release[1] >= 0) ::close(std::exchange(release[1], -1));
    int status = 0;
    waitForChild(middle, &status);
    int error = 0;
    ssize_t count;
    do {
        count = ::read(report[0], &error, sizeof error);
    } while (count < 0 && errno == EINTR);
    ::close(report[0]);
    if (count != 0) {
        closeRelease();
        return false;
    }
    if (releaseDescriptor) *releaseDescriptor = release[0];
    return true;
}

std::unique_ptr<ChildProcess> ProcessLauncher::start(const std::vector<std::string>& arguments,
                                                     const StartOptions& options) {
    if (arguments.empty()) return nullptr;
    ChildArguments child(arguments, {});
    int errors = -1;
    if (options.captureErrorOutput) {
        errors = ::memfd_create("standard-error", MFD_CLOEXEC);
        if (errors < 0) return nullptr;
    }
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        if (errors >= 0) ::close(errors);
        return nullptr;
    }
    pid_t pid = ::fork();
    if (pid < 0) {
        ::close(report[0]);
        ::close(report[1]);
        if (errors >= 0) ::close(errors);
        return nullptr;
    }
    if (pid == 0) {
        ::close(report[0]);
        if (options.ownProcessGroup) ::setpgid(0, 0);
        if (errors >= 0) ::dup2(errors, STDERR_FILENO);
        prepareChildDescriptors();
        ::execve(child.program(), child.argv(), child.envp());
        int error = errno;
        [[maybe_unused]] ssize_t written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    // Also here, so that the group exists before anything signals it.
    if (options.ownProcessGroup) ::setpgid(pid, pid);
    ::close(report[1]);
    int error = 0;
    ssize_t count;
    do {
        count = ::read(report[0], &error, sizeof error);
    } while (count < 0 && errno == EINTR);
    ::close(report[0]);
    auto process = std::make_unique<ChildProcess>(pid, options.ownProcessGroup, errors);
    if (count != 0) {
        process->finish();
        return nullptr;
    }
    return process;
}

int ProcessLauncher::runAndWait(const std::vector<std::string>& arguments) {
    std::unique_ptr<ChildProcess> process = start(arguments, {});
    return process ? process->finish() : -1;
}

}  // namespace sk::platform

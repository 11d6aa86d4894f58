#include "platform/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace sk::platform {

ChildProcess::ChildProcess(pid_t pid, bool ownProcessGroup, int errorOutput)
    : m_pid(pid), m_ownProcessGroup(ownProcessGroup), m_errorOutput(errorOutput) {}

ChildProcess::~ChildProcess() {
    if (!m_finished) {
        ::kill(m_ownProcessGroup ? -m_pid : m_pid, SIGKILL);
        finish();
    }
    if (m_errorOutput >= 0) ::close(m_errorOutput);
}

bool ChildProcess::hasEnded() const {
    if (m_finished) return true;
    siginfo_t info{};
    // WNOWAIT: the ended program stays a zombie, so its process id, and with it
    // the id of its process group, cannot be given to another process yet.
    if (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return errno != EINTR;
    return info.si_pid != 0;
}

int ChildProcess::finish() {
    if (m_finished) return m_status;
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    endProcessGroup();
    int status = 0;
    pid_t reaped;
    do {
        reaped = ::waitpid(m_pid, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    m_finished = true;
    m_status = reaped == m_pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m_status;
}

void ChildProcess::endProcessGroup() const {
    // The leader is a zombie still, so the group id is ours alone to signal.
    if (m_ownProcessGroup) ::kill(-m_pid, SIGKILL);
}

std::string ChildProcess::errorOutput() const {
    if (m_errorOutput < 0) return "";
    const off_t end = ::lseek(m_errorOutput, 0, SEEK_END);
    if (end <= 0) return "";
    const off_t start = end > static_cast<off_t>(kErrorOutputLimit) ? end - static_cast<off_t>(kErrorOutputLimit) : 0;
    std::vector<char> bytes(static_cast<std::size_t>(end - start));
    const ssize_t count = ::pread(m_errorOutput, bytes.data(), bytes.size(), start);
    return count > 0 ? std::string(bytes.data(), static_cast<std::size_t>(count)) : std::string();
}

}  // namespace sk::platform

// A program that ProcessLauncher::start() started and that is waited for: it
// can be asked whether it has ended without blocking (so that the caller can
// keep a window painted meanwhile), and finishing it reaps it. A program in a
// process group of its own takes that group with it: whatever it left running
// is ended when it has ended, so no helper of a converter stays behind.
#pragma once

#include <sys/types.h>

#include <string>

namespace sk::platform {

class ChildProcess {
public:
    ChildProcess(pid_t pid, bool ownProcessGroup, int errorOutput);
    // A program not yet finished is ended (with its group) and reaped.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }

    // True once the program has ended; it is not reaped yet.
    bool hasEnded() const;

    // Waits until the program has ended, ends what is left of its process group,
    // reaps it and returns its exit status (-1 when a signal ended it). Called
    // again, it returns the same status.
    int finish();

    // What the program wrote on its standard error when it was captured: the
    // last kErrorOutputLimit bytes at most. Complete once finish() has returned.
    std::string errorOutput() const;
    static constexpr std::size_t kErrorOutputLimit = 4096;

private:
    void endProcessGroup() const;

    pid_t m_pid;
    bool m_ownProcessGroup;
    int m_errorOutput;  // a memory file holding standard error, or -1
    bool m_finished = false;
    int m_status = -1;
};

}  // namespace sk::platform

// Starting other programs over POSIX: detached and left running, or run and
// waited for. Programs are started from an argument vector, never through a shell.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ChildProcess.h"

namespace sk::platform {

class ProcessLauncher {
public:
    // The path of a program. A name holding "/" is taken as it is; a bare name is
    // looked up in the given folders (each ending in "/"), in order, then along
    // PATH. Only executable regular files count, and only absolute folders: an
    // empty or relative entry of PATH would name the current folder, where
    // anyone may have left a program of that name. "" when nothing is found.
    static std::string findProgram(const std::string& name,
                                   const std::vector<std::string>& firstFolders = {});

    // Starts arguments[0] (a path) in a session of its own with standard input from
    // /dev/null, and returns without waiting for it; it is never waited for and
    // leaves no zombie behind. The program inherits our environment plus the given
    // "NAME=value" entries. True when the program was started.
    static bool startDetached(const std::vector<std::string>& arguments,
                              const std::vector<std::string>& environmentAdditions = {});

    struct StartOptions {
        bool ownProcessGroup = false;     // its helpers are ended with it (ChildProcess)
        bool captureErrorOutput = false;  // ChildProcess::errorOutput(); else inherited
    };
    // Starts arguments[0] (a path) with standard input from /dev/null, to be
    // waited for through the result; nullptr when it could not be started.
    static std::unique_ptr<ChildProcess> start(const std::vector<std::string>& arguments,
                                               const StartOptions& options);

    // Runs arguments[0] (a path) with standard input from /dev/null and waits, with
    // no time limit, until it has ended. Its exit status, or -1 when it could not
    // be started (or ended through a signal).
    static int runAndWait(const std::vector<std::string>& arguments);
};

}  // namespace sk::platform

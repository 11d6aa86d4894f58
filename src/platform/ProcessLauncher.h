// Starting other programs over POSIX: detached and left running, or run and
// waited for. Programs are started from an argument vector, never through a shell.
// They start in our current folder and inherit our environment, with PATH cut
// down to its absolute entries (a system path when none is left): a shell among
// them would resolve an empty or relative entry against that folder.
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
    //
    // With releaseDescriptor, the program also gets descriptor 3 (named by
    // SLIDEKILN_RELEASE_FD=3 in its environment), which it closes once it no
    // longer needs the files it was given; *releaseDescriptor receives the other
    // end (close-on-exec, the caller closes it), which reads end-of-file from then
    // on, or once the program has ended. -1 when nothing was started.
    static bool startDetached(const std::vector<std::string>& arguments,
                              const std::vector<std::string>& environmentAdditions = {},
                              int* releaseDescriptor = nullptr);
    static constexpr int kReleaseDescriptor = 3;

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

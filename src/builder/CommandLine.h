// A command line of an outside tool in two forms made from the same pieces: the
// text as the user would type it, and the argument vector that is actually
// started (no shell ever re-parses the text, so quotes or blanks in a path cannot
// smuggle in switches).
#pragma once

#include <string>
#include <vector>

namespace sk::builder {

struct CommandLine {
    std::string text;                    // e.g. arc.dll a -sfx7zs.sfx "out.exe" ... -mx4
    std::vector<std::string> arguments;  // arguments[0] is the program as named in the text
};

}  // namespace sk::builder

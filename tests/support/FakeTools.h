// A temporary program folder with fake outside tools that record how they were
// started, for the recipe tests. The fake archiver records its argument vector
// and what it found staged; the fake converter records its arguments and writes
// "converted:" plus the staged source under the converter result name.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace sk::test {

// The arguments a fake tool recorded, one NUL-terminated entry each; argv[0] first.
inline std::vector<std::string> recordedArguments(const std::string& path) {
    std::string content = readFile(path);
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find('\0', start)) != std::string::npos; start = end + 1)
        arguments.push_back(content.substr(start, end - start));
    return arguments;
}

class FakeTools {
public:
    explicit FakeTools(const std::string& programFolder) : m_folder(programFolder) {
        std::filesystem::create_directories(m_folder + "pptxppt");
        std::filesystem::create_directories(m_folder + "ppt2003");
        std::filesystem::create_directories(m_folder + "ppt2007");
        writeArchiver(m_folder + "arc.dll");
        writeConverter();
    }

    // Writes a recording archiver at the path (e.g. into another folder).
    void writeArchiver(const std::string& path) const {
        writeFile(path,
                  "#!/bin/sh\n"
                  "for a in \"$0\" \"$@\"; do printf '%s\\0' \"$a\"; done > '" +
                      m_folder +
                      "archiver.args'\n"
                      "cat \"$5\" > '" +
                      m_folder +
                      "archiver.staged' 2>/dev/null\n"
                      "echo archiver >> '" +
                      m_folder + "calls.log'\n",
                  0755);
    }

    void writeConverter() const {
        writeFile(
            m_folder + "pptxppt/ppt2ppt.dll",
            "#!/bin/sh\n"
            "for a in \"$0\" \"$@\"; do printf '%s\\0' \"$a\"; done > '" +
                m_folder +
                "converter.args'\n"
                "echo converter >> '" +
                m_folder +
                "calls.log'\n"
                "source=${1#/P:Source=}\n"
                "source=${source%;RunAndClose=true;PureConsole=true}\n"
                "{ printf 'converted:'; cat \"$source\"; } > \"$(dirname \"$source\")/view-converted.ppt\"\n",
            0755);
    }

    std::vector<std::string> archiverArguments() const {
        return recordedArguments(m_folder + "archiver.args");
    }
    std::vector<std::string> converterArguments() const {
        return recordedArguments(m_folder + "converter.args");
    }
    // What the archiver found in the staged presentation when it ran.
    std::string archiverSawStaged() const { return readFile(m_folder + "archiver.staged"); }
    // The tools in the order they ran, one name a line.
    std::string calls() const { return readFile(m_folder + "calls.log"); }

private:
    std::string m_folder;
};

}  // namespace sk::test

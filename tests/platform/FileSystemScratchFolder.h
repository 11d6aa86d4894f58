// A fresh folder for one test of the file and process stand-ins, removed with
// everything in it afterwards.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

namespace sk::test {

class FileSystemScratchFolder {
public:
    FileSystemScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "slidekiln-platform-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern + "/";
    }
    ~FileSystemScratchFolder() {
        std::error_code error;
        for (auto& entry : std::filesystem::recursive_directory_iterator(m_path, error))
            ::chmod(entry.path().c_str(), entry.is_directory() ? 0700 : 0600);
        std::filesystem::remove_all(m_path, error);
    }
    FileSystemScratchFolder(const FileSystemScratchFolder&) = delete;
    FileSystemScratchFolder& operator=(const FileSystemScratchFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

    void write(const std::string& name, const std::string& content, mode_t mode = 0644) const {
        {
            std::ofstream out(m_path + name, std::ios::binary | std::ios::trunc);
            out << content;
        }
        ::chmod((m_path + name).c_str(), mode);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(m_path + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_path;
};

// The processes whose parent is this one (zombies included), read from /proc.
inline std::set<int> childProcesses() {
    std::set<int> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(entry.path() / "stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // pid (comm) state ppid ...: the command may hold blanks, so read after ")".
        std::size_t close = stat.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream fields(stat.substr(close + 1));
        std::string state;
        int parent = 0;
        fields >> state >> parent;
        if (parent == ::getpid()) children.insert(std::stoi(name));
    }
    return children;
}

}  // namespace sk::test

// Every font file that the program and the tests resolve through our font
// configuration belongs to a Debian package that scripts/install-deps installs:
// a face that merely happens to be on the developer's machine cannot creep in.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "drawing/FontConfiguration.h"
#include "support/Skip.h"
#include "support/TestEnvironment.h"

namespace sk::drawing {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words of every `packages=(...)` and `packages+=(...)` list of the script.
std::set<std::string> installedPackages() {
    const std::string script = fileText(test::sourceFolder() / "scripts/install-deps");
    std::set<std::string> packages;
    const std::regex list(R"(packages\+?=\(([^)]*)\))");
    for (std::sregex_iterator it(script.begin(), script.end(), list), end; it != end; ++it) {
        std::istringstream words((*it)[1].str());
        for (std::string word; words >> word;) packages.insert(word);
    }
    return packages;
}

// The faces asked for: the window layouts' font names, the names our configuration
// gives to Debian faces, and the faces the tests name themselves.
std::set<std::string> facesAskedFor() {
    std::set<std::string> faces = {"Z003", "DejaVu Sans", "Liberation Sans", "No Such Face", "sans-serif"};
    const std::regex formFont(R"(Font\.Name: \"([^\"]+)\")");
    for (const auto& entry : std::filesystem::directory_iterator(test::sourceFolder() / "resources/forms")) {
        const std::string form = fileText(entry.path());
        for (std::sregex_iterator it(form.begin(), form.end(), formFont), end; it != end; ++it)
            faces.insert((*it)[1]);
    }
    const std::string conf = fileText(test::sourceFolder() / "resources/fonts/fonts.conf");
    const std::regex appended(R"(<edit name="family" mode="append">([\s\S]*?)</edit>)");
    const std::regex name(R"(<string>([^<]+)</string>)");
    for (std::sregex_iterator it(conf.begin(), conf.end(), appended), end; it != end; ++it) {
        const std::string names = (*it)[1];
        for (std::sregex_iterator n(names.begin(), names.end(), name); n != end; ++n) faces.insert((*n)[1]);
    }
    return faces;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

// The package that owns each file, from one dpkg call ("package: /path" lines).
std::map<std::string, std::string> owningPackages(const std::set<std::string>& files) {
    std::string command = "dpkg -S";
    for (const std::string& file : files) {
        command += ' ';
        command += shellQuoted(file);
    }
    command += " 2>/dev/null";
    std::map<std::string, std::string> owners;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return owners;
    std::array<char, 1024> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) {
        std::string line = buffer.data();
        if (!line.empty() && line.back() == '\n') line.pop_back();
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos) owners[line.substr(colon + 2)] = line.substr(0, colon);
    }
    pclose(pipe);
    return owners;
}

TEST(FontPackages, EveryResolvedFontFileComesFromAPackageThatInstallDepsNames) {
    if (std::system("command -v dpkg >/dev/null 2>&1") != 0) SK_SKIP("no dpkg: not a Debian system");
    const std::set<std::string> packages = installedPackages();
    ASSERT_TRUE(packages.contains("fontconfig")) << "the package lists of scripts/install-deps were not read";
    const std::set<std::string> faces = facesAskedFor();
    ASSERT_TRUE(faces.contains("Tahoma") && faces.contains("Arial Black")) << "the layout's faces were not read";
    std::map<std::string, std::string> askedBy;  // each file once, with a face that resolves to it
    for (const std::string& face : faces)
        for (const bool bold : {false, true})
            for (const bool italic : {false, true}) {
                const MatchedFace matched = matchFace(face, bold, italic);
                std::string asked = face;
                if (bold) asked += " bold";
                if (italic) asked += " italic";
                EXPECT_FALSE(matched.file.empty()) << asked;
                if (!matched.file.empty()) askedBy.emplace(matched.file.string(), asked);
            }
    // dpkg knows a file by the path its package installed, links resolved if need be.
    std::set<std::string> paths;
    for (const auto& [file, asked] : askedBy) paths.insert({file, std::filesystem::canonical(file).string()});
    const std::map<std::string, std::string> owners = owningPackages(paths);
    for (const auto& [file, asked] : askedBy) {
        auto owner = owners.find(file);
        if (owner == owners.end()) owner = owners.find(std::filesystem::canonical(file).string());
        const std::string package = owner == owners.end() ? "" : owner->second;
        EXPECT_TRUE(packages.contains(package)) << asked << " -> " << file << " is owned by \"" << package
                                                << "\", which scripts/install-deps does not install";
    }
}

}  // namespace
}  // namespace sk::drawing

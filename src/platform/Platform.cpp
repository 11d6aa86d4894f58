#include "platform/Platform.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace sk::platform {

namespace {
Platform* g_platform = nullptr;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

char folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Classic wildcard matching with backtracking over the last "*".
bool wildcardMatch(const std::string& name, const std::string& pattern) {
    std::size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}
}  // namespace

Platform& currentPlatform() {
    if (!g_platform) throw std::logic_error("no platform backend is installed");
    return *g_platform;
}

bool hasCurrentPlatform() {
    return g_platform != nullptr;
}

void waitUntil(const std::function<bool()>& finished) {
    while (!finished()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void Platform::waitWhileBusy(const std::function<bool()>& finished) {
    waitUntil(finished);
}

void setCurrentPlatform(Platform* platform) {
    g_platform = platform;
}

void Platform::handleException(std::exception_ptr exception) const {
    if (m_exceptionHandler) {
        try {
            m_exceptionHandler(exception);
            return;
        } catch (...) {
            exception = std::current_exception();  // a failing handler is reported instead
        }
    }
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Unhandled exception: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception of unknown type\n");
    }
}

std::vector<FileFilter> parseFileFilter(const std::string& filter) {
    std::vector<FileFilter> filters;
    if (filter.empty()) return filters;
    const auto parts = split(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        FileFilter entry;
        entry.description = trimmed(parts[i]);
        if (i + 1 < parts.size()) {
            for (const auto& pattern : split(parts[i + 1], ';')) {
                auto clean = trimmed(pattern);
                if (!clean.empty()) entry.patterns.push_back(std::move(clean));
            }
        }
        // A trailing "|" leaves an empty last part: it is no entry.
        if (entry.description.empty() && entry.patterns.empty()) continue;
        filters.push_back(std::move(entry));
    }
    return filters;
}

int effectiveFilterIndex(int requested, std::size_t filterCount) {
    if (filterCount == 0) return requested;
    if (requested < 1 || static_cast<std::size_t>(requested) > filterCount) return 1;
    return requested;
}

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    std::string ext = extension;
    while (!ext.empty() && ext.front() == '.') ext.erase(ext.begin());
    if (ext.empty() || path.empty()) return path;
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string::npos) return path;
    return path + "." + ext;
}

bool matchesFilterPattern(const std::string& fileName, const std::string& pattern) {
    if (pattern == "*.*" || pattern == "*") return true;
    return wildcardMatch(fileName, pattern);
}

}  // namespace sk::platform

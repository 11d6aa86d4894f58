// The general error of the system: an exception that carries the message text the
// window's error box shows. Every error that an event handler lets through is one
// of these (or a kind of it), so the message loop can catch them all in one place.
#pragma once

#include <stdexcept>
#include <string>

namespace sk::platform {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}

    std::string message() const { return what(); }
};

}  // namespace sk::platform

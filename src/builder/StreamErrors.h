// The errors of the staging copy, each with its fixed message. They are kinds of
// the general error (platform/Exception.h), which the window's error box shows.
#pragma once

#include <string>

#include "platform/Exception.h"

namespace sk::builder {

// Any failure of a file stream.
class EStreamError : public platform::Exception {
public:
    using platform::Exception::Exception;
};

// The source cannot be opened: "Cannot open file <source path>".
class EFOpenError : public EStreamError {
public:
    explicit EFOpenError(const std::string& path) : EStreamError("Cannot open file " + path) {}
};

// The destination cannot be created: "Cannot create file <destination path>".
class EFCreateError : public EStreamError {
public:
    explicit EFCreateError(const std::string& path) : EStreamError("Cannot create file " + path) {}
};

// A read from the source failed.
class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
};

// A write to the destination failed (a full disk included).
class EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError("Stream write error") {}
};

}  // namespace sk::builder

// Where the build shows its one modal message. The window layer implements it with
// a message box captioned with the application title; tests record the messages.
#pragma once

#include <string>

namespace sk::builder {

class MessageSink {
public:
    virtual ~MessageSink() = default;

    // Shows the text modally and returns when the user has closed it.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace sk::builder

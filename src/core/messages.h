#pragma once

#include <string>

namespace glosbo::core {

// Where the core reports what the user must see. Texts are UTF-8; the
// program shows them in message boxes, tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void information(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
};

// Forgets every message; for tools that have no one to tell.
class NullMessageSink final : public MessageSink {
public:
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string&) override {}
};

} // namespace glosbo::core

#pragma once

#include <string>

#include "core/text.h"

namespace glosbo::core {

// Where the core reports what the user must see: interface texts in UTF-8.
// The program shows them in message boxes, tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void information(const std::u8string& text) = 0;
    virtual void warning(const std::u8string& text) = 0;
    virtual void error(const std::u8string& text) = 0;
};

// Forgets every message; for tools that have no one to tell.
class NullMessageSink final : public MessageSink {
public:
    void information(const std::u8string&) override {}
    void warning(const std::u8string&) override {}
    void error(const std::u8string&) override {}
};

} // namespace glosbo::core

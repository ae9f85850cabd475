#pragma once

#include <optional>
#include <string>

#include "core/messages.h"

namespace glosbo::app {

// Message boxes with an OK button, and the yes/no question before a removal.
// Texts are UTF-8 interface texts, converted once here. The core reports through the MessageSink
// side; tests replace the whole service and record the texts.
class MessageBoxes : public core::MessageSink {
public:
    // True when the user answers yes.
    virtual bool confirm(const std::u8string& text) = 0;
    // Asks for a password, the typed letters hidden; nothing when the user
    // cancels. The answer is UTF-8.
    virtual std::optional<std::string> askPassword(const std::u8string& prompt) = 0;
};

// The boxes the user sees, over the window in front.
class QtMessageBoxes final : public MessageBoxes {
public:
    void information(const std::u8string& text) override;
    void warning(const std::u8string& text) override;
    void error(const std::u8string& text) override;
    bool confirm(const std::u8string& text) override;
    std::optional<std::string> askPassword(const std::u8string& prompt) override;
};

} // namespace glosbo::app

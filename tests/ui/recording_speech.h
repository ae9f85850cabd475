#pragma once

#include <functional>
#include <vector>

#include "app/speech_service.h"
#include "core/cp1252.h"

namespace glosbo::test {

// Records the texts asked to be read instead of saying them. A text counts
// as being said until it is stopped or finish() ends it.
class RecordingSpeechService final : public app::SpeechService {
public:
    void say(const core::ReadAloud& text, bool slow, std::function<void()> onEnd) override {
        stop();
        if (text.empty()) return;
        said.push_back(core::cp1252ToUtf8(text.text()));
        slowly.push_back(slow);
        m_speaking = true;
        m_onEnd = std::move(onEnd);
    }
    void stop() override {
        if (m_speaking) ++stops;
        m_speaking = false;
        m_onEnd = nullptr;
    }
    bool speaking() const override { return m_speaking; }
    // The text has been said to its end.
    void finish() {
        m_speaking = false;
        if (auto onEnd = std::exchange(m_onEnd, nullptr)) onEnd();
    }

    std::vector<std::string> said; // UTF-8, pauses as " ..."
    std::vector<bool> slowly;
    int stops = 0; // texts stopped before their end

private:
    bool m_speaking = false;
    std::function<void()> m_onEnd;
};

} // namespace glosbo::test

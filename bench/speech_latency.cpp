// How long reading aloud takes from the request to the start of the sound:
// the first text (the speech and sound modules loaded, the voice set up)
// and the ones after it, from the speech service's own timings. Prints a
// Markdown section; bench/speech runs it.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/message_boxes.h"
#include "app/sound_service.h"
#include "app/speech_service.h"
#include "core/cp1252.h"

namespace {

class QuietMessages final : public glosbo::app::MessageBoxes {
public:
    void information(const std::u8string&) override {}
    void warning(const std::u8string&) override {}
    void error(const std::u8string&) override {}
    bool confirm(const std::u8string&) override { return false; }
    std::optional<std::string> askPassword(const std::u8string&) override { return {}; }
};

glosbo::core::ReadAloud text(const char* utf8) {
    glosbo::core::ReadAloud read;
    for (const char* piece : {utf8, "", "Skriv ordet på raden."})
        read.pieces.push_back(glosbo::core::utf8ToCp1252Lossy(piece));
    return read;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuietMessages messages;
    // Plays on whatever output there is; without one the player still loads.
    glosbo::app::QtSoundService sounds(messages, false);
    glosbo::app::QtSpeechService speech(sounds, messages, [] { return true; });

    const char* questions[] = {
        "Vilket ord är rätt stavat?",
        "Katten sover under bordet.",
        "Klicka på den rätta förklaringen eller tryck dess siffra. Vad betyder envis?",
        "En morgon hittade korpen en bit ost och flög upp i ett träd för att äta den i fred.",
    };
    speech.say(text(questions[0]), false);
    const long long first = speech.firstLatencyMs();
    std::vector<long long> later;
    for (int round = 0; round < 10; ++round)
        for (const char* question : questions) {
            speech.say(text(question), round % 2 == 1);
            later.push_back(speech.lastLatencyMs());
        }
    speech.stop();
    std::sort(later.begin(), later.end());
    std::printf("| reading aloud | first text | later texts, median | later texts, slowest |\n");
    std::printf("|---|---:|---:|---:|\n");
    std::printf("| request to sound started | %lld ms | %lld ms | %lld ms |\n", first,
                later[later.size() / 2], later.back());
    return first >= 0 ? 0 : 1;
}

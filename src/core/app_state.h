#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/data_files.h"
#include "core/data_roots.h"
#include "core/diagnosis_session.h"
#include "core/dictation.h"
#include "core/draw.h"
#include "core/messages.h"
#include "core/pictures.h"
#include "core/record_fields.h"
#include "core/records_file.h"
#include "core/run_mode.h"
#include "core/screen.h"
#include "core/settings.h"
#include "core/sound_state.h"
#include "core/sounds.h"
#include "core/sources.h"
#include "core/worksheets.h"
#include "core/wrap.h"

namespace glosbo::core {

// The counters of the running question series.
struct SeriesCounters {
    std::int32_t seriesLength = 10;
    std::uint16_t correctCount = 0;
    std::uint16_t wrongCount = 0;
    std::uint16_t questionNumber = 0;
};

// Everything the windows share for one run of the program. main() makes one
// and hands it to every window by reference; tests make a fresh one. It is
// made of parts, each changed through its own methods: the settings, the
// sounds and translations, the diagnosis session, the worksheets and the
// screen.
class AppState {
public:
    static constexpr int kSeriesSize = 10;
    static constexpr int kDiagnosisSeriesSize = core::kDiagnosisSeriesSize;

    AppState(DataRoots roots, MessageSink& messages, std::unique_ptr<RandomSource> random,
             std::unique_ptr<Clock> clock);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Start-up before any window: builds the file and praise tables and
    // makes the draw permutation. False when the program must end.
    bool startUp();

    // Resets every count and position and shuffles lo..hi into the draw
    // permutation (start-up uses 1..900).
    void drawReset(int lo, int hi);

    // Makes an exercise file current: its program number and its sound
    // directory go with it.
    void selectExercise(const std::string& file);

    // The next record number of the current file in its random order.
    int haemta_slumptal();
    // The next praise line number of a praise slot.
    int haemta_Lovordslumptal(int praiseSlot);

    // Splits a record line into the shared record fields.
    void str_postarray(std::string_view line) { fields = core::str_postarray(line); }
    std::uint16_t svarstest(std::string_view expected, std::string& typed, CompareKind kind) const {
        return core::svarstest(fields, expected, typed, kind);
    }
    int GreenRedTest(std::string_view typed, std::string_view expected) const {
        return core::GreenRedTest(fields, typed, expected);
    }

    // True when the praise file is known and has praise lines; counts it
    // once until the next draw reset and makes its slot current.
    bool KollaLovOrd(const std::string& praiseFile);
    // The praise due after a series (its three lines, placeholders filled
    // in); nothing when no praise is due. The current record stays as it is.
    std::optional<std::array<std::string, 3>> praiseForSeries();
    // The next picture of Sweden; sets the picture caption.
    int haemta_Bildslumptal() { return pictures.haemta_Bildslumptal(draw, picturePosition); }
    // Finds the file of a sound of the current exercise and clears the
    // root-sound flag.
    SoundRequest soundRequest(const std::string& fileName);
    // Loads the translation lists of the language set now.
    void FyllEngListan();
    // The translation of a spoken word (Windows-1252) in the language set.
    std::optional<std::string> translationOf(const std::string& word);

    const DataRoots& roots() const { return m_roots; }
    MessageSink& messages() { return m_messages; }
    RandomSource& random() { return *m_random; }
    const Clock& clock() const { return *m_clock; }
    // For timing the games; never the time of day.
    const MonotonicClock& monotonic() const { return *m_monotonic; }
    void setMonotonic(std::unique_ptr<MonotonicClock> clock) { m_monotonic = std::move(clock); }

    // The parts.
    Settings settings;
    SoundState sounds;
    DiagnosisSession diagnosis;
    Worksheets worksheets;
    Screen screen;

    RunMode runMode = RunMode::Practice;
    int tickCounter = 0;
    // Kiosk mode: full screen, and the program ends only with the teacher
    // password.
    bool kiosk = false;
    std::uint16_t programNumber = 0;
    DataFiles files;
    DrawPermutation draw;
    RecordFields fields;
    SeriesCounters series;
    int picturePosition = 1;
    // The record whose time the clock shows: set as each question of the
    // clock exercise is fetched.
    int clockNumber = 0;
    // How the dictation puts its words, kept from one dictation to the next.
    Presentation presentation = Presentation::Hear;
    // The players of the word games: how many play the odd-one-out game (0
    // before its first game) and their names (Windows-1252, at most 20
    // characters). The first name is also the pupil's name in the word
    // duel, the word hunts and the records table.
    int playerCount = 0;
    std::array<std::string, 3> playerNames{};
    // The records table a game is about to show: the path of its records
    // file and the result waiting to be placed in it (name cut to 20
    // characters; the table stamps the date and time).
    std::string recordsPath;
    RecordEntry pendingRecord;

    // Praise and pictures.
    std::string currentPraiseFile;
    int currentPraiseSlot = 0;
    Pictures pictures;

private:
    DataRoots m_roots;
    MessageSink& m_messages;
    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<MonotonicClock> m_monotonic = std::make_unique<SteadyMonotonicClock>();
};

} // namespace glosbo::core

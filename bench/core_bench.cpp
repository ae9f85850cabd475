// Timings of the core operations an exercise window calls for every question.
// The data root (a 900-record exercise file and a file list) is written to a
// temporary directory before the benchmarks run and removed afterwards.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/app_state.h"
#include "core/class_overview.h"
#include "core/data_files.h"
#include "core/diagnosis_file.h"
#include "core/draw.h"
#include "core/reading.h"
#include "core/record_fields.h"
#include "core/records_file.h"
#include "core/reveal.h"
#include "core/scramble.h"
#include "core/sentence_parts.h"
#include "core/sources.h"
#include "core/word_duel.h"
#include "core/wrap.h"

using namespace glosbo::core;
namespace fs = std::filesystem;

namespace {

const char* const kFileName = "SVE41100.DAT";
const char* const kDuelFile = "SVE41200.DAT";
constexpr int kRecords = 900;

std::string g_root; // set in main before any benchmark runs

// A record as the exercise files hold it: question, answer and two
// alternatives, scrambled. Windows-1252 bytes.
std::string record(int i) {
    static const char* const words[][4] = {
        {"h\xE4st", "horse", "&steed", "mare"},    {"v\xE4rld", "world", "&earth", "globe"},
        {"s\xF6ndag", "Sunday", "&sunday", "Sun"}, {"\xE5ka", "travel", "&go", "ride"},
        {"l\xE4ra", "teach", "&learn", "study"},   {"b\xE5t", "boat", "&ship", "vessel"},
    };
    const auto& w = words[i % 6];
    return kryptrad(std::string(w[0]) + " " + std::to_string(i) + " # " + w[1] + " # " + w[2] +
                    " # " + w[3]);
}

void writeDataRoot(const std::string& root) {
    fs::create_directories(root + "/DATA/DAT");
    std::ofstream list(root + "/DATA/datfiler.sve", std::ios::binary);
    // The file sits late in a list of typical length, as the real list has it.
    for (int n = 0; n < 60; ++n)
        list << "SVE" << 10000 + n * 100 << ".DAT\r\n";
    list << kFileName << "\r\n" << kDuelFile << "\r\n";
    std::ofstream dat(root + "/DATA/DAT/" + kFileName, std::ios::binary);
    dat << ";Glosor: engelska\r\n$Dina ord\r\n$Engelska glosor\r\n"
        << "$\xA7Skriv ordet p\xE5 engelska.\r\n$%Skriv orden p\xE5 engelska.\r\n\r\n";
    for (int i = 1; i <= kRecords; ++i)
        dat << record(i) << "\r\n";
    // The word duel: words and their classes, scrambled, a tenth of them
    // of a class the duel does not know.
    std::ofstream duel(root + "/DATA/DAT/" + kDuelFile, std::ios::binary);
    duel << "$Ordkamp\r\n$Adjektiv\r\n";
    static const char* const kClasses[] = {"adjektiv", "substantiv", "verb", "adverb", "ordklass"};
    for (int i = 1; i <= 300; ++i)
        duel << kryptrad("ord" + std::to_string(i) + "#" +
                         kClasses[i % 5 == 4 && i % 2 ? 4 : i % 4])
             << "\r\n";
}

struct Files {
    Files() : files(roots, messages) {
        roots.pcPath = g_root;
        if (!files.buildTables()) throw std::runtime_error("no file list in " + g_root);
        files.currentExerciseFile = kFileName;
    }
    DataRoots roots;
    NullMessageSink messages;
    DataFiles files;
};

// Checking a file the first time: its slot is reset so that every record is
// counted again.
void BM_Kolla_900Records(benchmark::State& state) {
    Files f;
    for (auto _ : state) {
        state.PauseTiming();
        f.files.resetCounts();
        state.ResumeTiming();
        if (!f.files.Kolla(kFileName)) state.SkipWithError("Kolla failed");
    }
}
BENCHMARK(BM_Kolla_900Records)->Unit(benchmark::kMicrosecond);

// Checking it again: only the heading lines are read.
void BM_Kolla_Counted(benchmark::State& state) {
    Files f;
    f.files.Kolla(kFileName);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.files.Kolla(kFileName));
}
BENCHMARK(BM_Kolla_Counted)->Unit(benchmark::kMicrosecond);

void BM_haemtaord(benchmark::State& state) {
    Files f;
    f.files.Kolla(kFileName);
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        f.files.haemtaord(kFileName, n);
        benchmark::DoNotOptimize(f.files.currentRecordLine.data());
    }
    if (f.files.currentRecordLine != record(n)) state.SkipWithError("wrong record fetched");
}
BENCHMARK(BM_haemtaord)->Arg(1)->Arg(kRecords)->Unit(benchmark::kMicrosecond);

// The draw for a small and for the largest file: the walk over the shared
// permutation is longest for small files, whose numbers are spread thin.
void BM_haemta_slumptal(benchmark::State& state) {
    DrawPermutation draw;
    SeededRandom random(7);
    draw.shuffle(1, DrawPermutation::kSize, random);
    const int n = static_cast<int>(state.range(0));
    int position = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(draw.haemta_slumptal(position, n));
}
BENCHMARK(BM_haemta_slumptal)->Arg(30)->Arg(kRecords);

void BM_str_postarray(benchmark::State& state) {
    const std::string line = record(415);
    for (auto _ : state)
        benchmark::DoNotOptimize(str_postarray(line));
}
BENCHMARK(BM_str_postarray);

// Judging an answer: arg 0 is accepted by the last alternative, after every
// pass before it; arg 1 is wrong and runs every pass.
void BM_svarstest(benchmark::State& state) {
    const RecordFields fields = str_postarray(record(415));
    const std::string typed = state.range(0) == 0 ? " Earth! " : "erth";
    std::uint16_t verdict = 0;
    for (auto _ : state) {
        std::string answer = typed;
        verdict = svarstest(fields, fields[2], answer, CompareKind::IgnoreCase);
        benchmark::DoNotOptimize(verdict);
    }
    if (verdict != (state.range(0) == 0 ? kAnswerRight : kAnswerWrong))
        state.SkipWithError("unexpected verdict");
}
BENCHMARK(BM_svarstest)->Arg(0)->Arg(1);

// Split and judge together, as a window does on Enter.
void BM_str_postarray_svarstest(benchmark::State& state) {
    const std::string line = record(415);
    for (auto _ : state) {
        const RecordFields fields = str_postarray(line);
        std::string answer = "globe";
        benchmark::DoNotOptimize(svarstest(fields, fields[2], answer, CompareKind::Exact));
    }
}
BENCHMARK(BM_str_postarray_svarstest);

// Widths that resemble a bold sans-serif: narrow, normal and wide letters.
int textWidth(std::string_view text, int points) {
    int w = 0;
    for (unsigned char c : text) {
        if (c == ' ' || c == 'i' || c == 'l' || c == 'j' || c == '.' || c == ',')
            w += points * 4;
        else if (c == 'm' || c == 'w' || (c >= 'A' && c <= 'Z') || c >= 0xC0)
            w += points * 11;
        else
            w += points * 8;
    }
    return w / 14;
}

void BM_dela_mening(benchmark::State& state) {
    // 120 characters of Windows-1252 text; it wraps into three lines.
    const std::string text =
        "N\xE4r sommarlovet b\xF6rjade cyklade \xC5sa och hennes lillebror till badplatsen vid "
        "sj\xF6n, d\xE4r de simmade och \xE5t glass i solen!?";
    WrapContext context;
    context.width = textWidth;
    context.screenWidth = 640;
    std::array<std::string, 4> lines;
    for (auto _ : state) {
        lines = dela_mening(20, 420, 3, text, context);
        benchmark::DoNotOptimize(lines.data());
    }
    if (text.size() != 120 || lines[3].empty()) state.SkipWithError("text did not wrap to 3 lines");
}
BENCHMARK(BM_dela_mening)->Unit(benchmark::kMicrosecond);

// A level file of 20 levels and 2,000 scrambled lines, read from its start
// for every sentence as the sentence-parts window reads it: the cost of
// fetching the record at a level's cursor, with the window's check of each
// record. Level 20's records stand at the end of the file, the worst case.
void BM_levelFetch(benchmark::State& state) {
    const std::string path = g_root + "/DATA/DAT/SVE47100.DAT";
    {
        std::ofstream out(path, std::ios::binary);
        out << "$Satsdelar.\r\n$Predikat eller subjekt?\r\n";
        for (int level = 1; level <= LevelFile::kMostLevels; ++level)
            for (int i = 1; i <= 100; ++i)
                out << kryptrad(std::to_string(level) + "<Den gamla hunden " + std::to_string(i) +
                                "> <sover> <i korgen vid spisen>.#S#P#NN")
                    << "\r\n";
    }
    const LevelFile::Usable usable = [](std::string_view record) {
        return Sentence::fromRecord(str_postarray(record)).has_value();
    };
    LevelFile file;
    {
        std::ifstream in(path, std::ios::binary);
        file.count(in, usable);
    }
    const int level = static_cast<int>(state.range(0));
    SeededRandom random(1);
    file.shuffle(level, random);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        auto line = file.fetch(in, level);
        if (!line) state.SkipWithError("no record fetched");
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_levelFetch)->Arg(1)->Arg(LevelFile::kMostLevels)->Unit(benchmark::kMicrosecond);

// Saving one pupil's record into a class's diagnosis file of N pupils: the
// lock, reading the file, writing, syncing and reading back the new one, and
// renaming it into place. The pupil is in the middle of the file.
void BM_DiagnosisSave(benchmark::State& state) {
    const int pupils = int(state.range(0));
    const std::string dir = g_root + "/diagnos-" + std::to_string(pupils);
    fs::create_directories(dir);
    std::string bytes;
    bytes.reserve(std::size_t(pupils) * DiagnosisRecord::kSize);
    for (int i = 0; i < pupils; ++i) {
        DiagnosisRecord r;
        r.name = "Elev " + std::to_string(i);
        for (int t = 1; t <= 17; ++t)
            diagnosback(r, t, (i + t) % 21, 1765000000);
        bytes += r.toBytes();
    }
    std::ofstream(dir + "/" + DiagnosisFile::kFileName, std::ios::binary) << bytes;
    SystemClock clock;
    DiagnosisFile file(dir, clock);
    DiagnosisRecord mine = DiagnosisRecord::fromBytes(
        std::string_view(bytes).substr(std::size_t(pupils / 2) * DiagnosisRecord::kSize));
    int result = 0;
    for (auto _ : state) {
        diagnosback(mine, 3, ++result % 21, 1765000000);
        if (file.save(mine).status != DiagnosisSave::Status::Saved)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_DiagnosisSave)->Arg(1)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// The teacher's class overview of a diagnosis file of N pupils: reading the
// file once and building the table (every pupil's tests, the passes per
// test and per pupil, the names in Swedish order), as the window opens it.
// Target for 10,000 pupils: within 200 ms.
void BM_ClassOverviewOpen(benchmark::State& state) {
    const int pupils = int(state.range(0));
    const std::string dir = g_root + "/klass-" + std::to_string(pupils);
    fs::create_directories(dir);
    static const char* const first[] = {"\xC5sa", "Erik", "\xD6sten", "Maja", "\xC4lva", "Nils"};
    std::string bytes;
    bytes.reserve(std::size_t(pupils) * DiagnosisRecord::kSize);
    for (int i = 0; i < pupils; ++i) {
        DiagnosisRecord r;
        r.name = std::string(first[(i * 7) % 6]) + " " + std::to_string((i * 7919) % 100000);
        for (int t = 1; t <= 17; ++t)
            diagnosback(r, t, (i + t) % 21, 1765000000);
        bytes += r.toBytes();
    }
    std::ofstream(dir + "/" + DiagnosisFile::kFileName, std::ios::binary) << bytes;
    SystemClock clock;
    const DiagnosisFile file(dir, clock);
    for (auto _ : state) {
        const DiagnosisLoad load = file.load();
        ClassOverview overview = classOverview(load.contents);
        benchmark::DoNotOptimize(overview.pupils.data());
    }
}
BENCHMARK(BM_ClassOverviewOpen)->Arg(30)->Arg(10000)->Unit(benchmark::kMillisecond);

// Sorting the overview of N pupils again, by a test's result (the names
// break ties) and back by name, as a click on a heading does.
void BM_ClassOverviewSort(benchmark::State& state) {
    const int pupils = int(state.range(0));
    std::string bytes;
    for (int i = 0; i < pupils; ++i) {
        DiagnosisRecord r;
        r.name = "Elev " + std::to_string((i * 7919) % 100000);
        for (int t = 1; t <= 17; ++t)
            diagnosback(r, t, (i + t) % 21, 1765000000);
        bytes += r.toBytes();
    }
    ClassOverview overview = classOverview(parseDiagnosisFile(bytes));
    for (auto _ : state) {
        sortClassOverview(overview, {ClassSortKey::Test, 5, true});
        sortClassOverview(overview, {ClassSortKey::Name, 1, false});
        benchmark::DoNotOptimize(overview.pupils.data());
    }
}
BENCHMARK(BM_ClassOverviewSort)->Arg(10000)->Unit(benchmark::kMillisecond);

// A full records table of 100 entries, best first.
std::vector<RecordEntry> fullRecordsTable() {
    std::vector<RecordEntry> entries;
    for (int i = 0; i < kRecordRanks; ++i) {
        RecordEntry e;
        e.name = "Elev " + std::to_string(i + 1);
        e.year = 2026;
        e.month = 12;
        e.day = 10;
        e.hour = 9;
        e.minute = 30;
        e.result = 2000 - 10 * i;
        entries.push_back(e);
    }
    return entries;
}

// Placing a new result in the middle of a full records table, as the
// records window does to show it.
void BM_RecordsMerge(benchmark::State& state) {
    const std::vector<RecordEntry> stored = fullRecordsTable();
    RecordEntry pending;
    pending.name = "Ny elev";
    pending.result = 1505;
    for (auto _ : state)
        benchmark::DoNotOptimize(mergeRecords(stored, pending));
}
BENCHMARK(BM_RecordsMerge)->Unit(benchmark::kMicrosecond);

// Saving a result into a records file of 100 entries: the lock, reading the
// file, the merge, writing and syncing the new file and renaming it into
// place. The file is put back to the full table before each save.
void BM_RecordsSave(benchmark::State& state) {
    const std::string dir = g_root + "/records";
    fs::create_directories(dir);
    const std::string path = dir + "/SVE32110.SVR";
    const std::string bytes = recordsBytes(fullRecordsTable());
    SystemClock clock;
    RecordsFile file(path, clock);
    RecordEntry pending;
    pending.name = "Ny elev";
    pending.result = 1505;
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        state.ResumeTiming();
        if (file.save(pending).status != RecordsSave::Status::Saved)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_RecordsSave)->Unit(benchmark::kMicrosecond);

// The reveal game's story file of 17 stories of five lines of six words,
// read and every story laid into its slots, as choosing stories does.
void BM_RevealStoryParse(benchmark::State& state) {
    std::string file = ";Avsl\xF6ja\r\n$Avsl\xF6ja\r\n";
    for (int n = 0; n < 17; ++n) {
        file += "<Anna> Hej, vad ska vi g\xF6ra idag?\r\n";
        for (int line = 0; line < 4; ++line)
            file += kryptrad("Katten sov l\xE4nge i solen, " + std::to_string(line) + ".") + "\r\n";
        file += "#\r\n";
    }
    for (auto _ : state) {
        std::istringstream in(file);
        const auto stories = readRevealStories(in);
        int words = 0;
        for (const auto& lines : stories)
            words += RevealStory(lines).wordTotal();
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_RevealStoryParse)->Unit(benchmark::kMicrosecond);

// One turn of the word duel: five words drawn from a file of 300 records,
// fetched, unscrambled and split, and the answer judged.
void BM_DuelTurn(benchmark::State& state) {
    NullMessageSink messages;
    AppState app(DataRoots{g_root, "", "", "", ""}, messages, std::make_unique<SeededRandom>(1),
                 nullptr);
    if (!app.startUp()) throw std::runtime_error("no data root in " + g_root);
    app.selectExercise(kDuelFile);
    app.files.Kolla(kDuelFile);
    const std::string target = duelTargetClass(app.programNumber);
    WordDuel duel;
    for (auto _ : state) {
        const auto turn = drawDuelTurn(app, target);
        if (!turn) throw std::runtime_error("no duel words");
        if (duel.answer(2, turn->count).over) duel.reset();
    }
}
BENCHMARK(BM_DuelTurn)->Unit(benchmark::kMicrosecond);

// Joining the lines of a reading text of 10,000 lines for the text view.
static void BM_JusteraMemoText(benchmark::State& state) {
    std::vector<std::string> lines;
    for (int i = 0; i < 10000; ++i)
        lines.push_back(i % 3 == 0   ? "kort"
                        : i % 7 == 0 ? "$not"
                                     : "En mening som \xE4r l\xE5ng nog.");
    for (auto _ : state)
        benchmark::DoNotOptimize(glosbo::core::JusteraMemoText(lines));
}
BENCHMARK(BM_JusteraMemoText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    std::string tmpl = (fs::temp_directory_path() / "glosbo-bench-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return 1;
    g_root = tmpl;
    writeDataRoot(g_root);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(g_root, ec);
    return 0;
}

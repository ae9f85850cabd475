#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <thread>

#include "core/cp1252.h"
#include "core/data_fs.h"
#include "sound_plan.h"
#include "text_io.h"
#include "tool.h"
#include "voice.h"
#include "wav.h"

extern char** environ;

namespace glosbo::tool {
namespace {

namespace fs = std::filesystem;

// A generated sound is made again when anything here changes.
constexpr std::string_view kVoiceVersion = "trim 100/60 v1";
constexpr const char* kManifest = ".generated"; // in the sound folder

std::uint64_t fnv1a(std::string_view data) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : data) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

std::string upper(std::string_view path) {
    return core::upperCp1252(path);
}

// One line of the manifest: a sound this command made (or would have made).
struct Made {
    std::string path;    // relative to the root
    std::string key;     // what it was made from; "-" when it could not be made
    std::string content; // hash of the file as written; "-" likewise
    bool pending() const { return key == "-"; }
};

using Manifest = std::map<std::string, Made>; // by upper-cased path

// The sound folder of the root, in whatever case it is spelt there.
std::string soundFolder(const std::string& root) {
    return core::findInRoot(root, "LJUD").value_or(root + "/LJUD");
}

Manifest readManifest(const std::string& root) {
    Manifest manifest;
    const auto data = readFile(soundFolder(root) + "/" + kManifest);
    if (!data) return manifest;
    for (const Line& line : splitLines(*data)) {
        if (line.text.empty() || line.text.front() == '#') continue;
        const auto a = line.text.find(' ');
        const auto b = a == std::string::npos ? a : line.text.find(' ', a + 1);
        if (b == std::string::npos) continue;
        Made m{line.text.substr(b + 1), line.text.substr(0, a), line.text.substr(a + 1, b - a - 1)};
        manifest[upper(m.path)] = m;
    }
    return manifest;
}

std::optional<std::string> writeManifest(const std::string& root, const Manifest& manifest) {
    std::string text = "# Word sounds made by glosbo-data voice: what each was made from and a\n"
                       "# hash of the file. The command replaces or removes only these files; a\n"
                       "# sound put here by hand is left alone. \"- -\" marks a sound that could\n"
                       "# not be made.\n";
    for (const auto& [_, m] : manifest)
        text += m.key + " " + m.content + " " + m.path + "\n";
    const std::string folder = soundFolder(root);
    std::error_code ec;
    fs::create_directories(folder, ec);
    return replaceFile(folder + "/" + kManifest, text);
}

std::optional<std::string> findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos)
        return ::access(name.c_str(), X_OK) == 0 ? std::optional(name) : std::nullopt;
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin:/bin";
    while (!dirs.empty()) {
        const auto colon = dirs.find(':');
        const std::string dir(dirs.substr(0, colon));
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

// Where a sound of the plan goes: into an existing directory of any case, or
// a new one spelt as the plan spells it.
std::string targetPath(const std::string& root, const std::string& relative) {
    const auto slash = relative.rfind('/');
    const std::string dir = relative.substr(0, slash);
    const std::string name = relative.substr(slash + 1);
    if (auto existing = core::findInRoot(root, dir)) return *existing + "/" + name;
    return root + "/" + relative;
}

struct Job {
    const WordSound* sound;
    std::string input; // what espeak-ng reads
    std::string key;
    std::optional<Made> previous; // the sound made before, still in place
    std::string textFile;
    std::string wavFile;
    pid_t pid = -1;
};

class Synthesiser {
public:
    Synthesiser(std::string program, std::string workDir)
        : m_program(std::move(program)), m_workDir(std::move(workDir)) {}

    bool start(Job& job, int number) {
        job.textFile = m_workDir + "/" + std::to_string(number) + ".txt";
        job.wavFile = m_workDir + "/" + std::to_string(number) + ".wav";
        if (replaceFile(job.textFile, job.input)) return false;
        std::vector<std::string> args = {m_program};
        for (const auto& a : espeakVoiceArguments())
            args.push_back(a);
        for (const auto& a : {std::string("-b"), std::string("1"), std::string("-f"), job.textFile,
                              std::string("-w"), job.wavFile})
            args.push_back(a);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const int rc =
            posix_spawn(&job.pid, m_program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return rc == 0;
    }

    // Waits for the job and returns the trimmed sound, or nothing.
    std::optional<std::string> finish(Job& job) {
        int status = 0;
        while (::waitpid(job.pid, &status, 0) < 0 && errno == EINTR) {
        }
        std::optional<std::string> result;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            if (const auto bytes = readFile(job.wavFile)) {
                if (auto sound = parseWav(*bytes)) {
                    trimTrailingSilence(*sound);
                    result = wavBytes(*sound);
                }
            }
        }
        std::remove(job.textFile.c_str());
        std::remove(job.wavFile.c_str());
        return result;
    }

private:
    std::string m_program;
    std::string m_workDir;
};

struct Options {
    std::string root;
    std::string espeak = "espeak-ng";
    std::string overrides;
    int jobs = 0;
};

std::optional<Options> parseOptions(const Args& args, std::ostream& err) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((a == "--espeak" || a == "--overrides" || a == "--jobs") && !hasValue) {
            usageError(err, "voice", a + " needs a value");
            return std::nullopt;
        }
        if (a == "--espeak") {
            o.espeak = args[++i];
        } else if (a == "--overrides") {
            o.overrides = args[++i];
        } else if (a == "--jobs") {
            const std::string& v = args[++i];
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o.jobs);
            if (ec != std::errc() || end != v.data() + v.size() || o.jobs < 1 || o.jobs > 64) {
                usageError(err, "voice", "--jobs takes a number from 1 to 64");
                return std::nullopt;
            }
        } else if (!a.empty() && a.front() == '-') {
            usageError(err, "voice", "unknown option " + a);
            return std::nullopt;
        } else if (o.root.empty()) {
            o.root = a;
        } else {
            usageError(err, "voice", "too many arguments");
            return std::nullopt;
        }
    }
    if (o.root.empty()) {
        usageError(err, "voice", "no ROOT given");
        return std::nullopt;
    }
    if (o.jobs == 0) o.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return o;
}

std::string voiceText() {
    std::string text(kVoiceVersion);
    for (const auto& a : espeakVoiceArguments())
        text += " " + a;
    return text;
}

} // namespace

std::vector<std::string> espeakVoiceArguments() {
    return {"-v", "sv+f3", "-s", "115", "-p", "55", "-g", "8"};
}

std::optional<Overrides> parseOverrides(std::string_view text, std::vector<std::string>& problems) {
    Overrides overrides;
    std::size_t number = 0;
    for (const Line& line : splitLines(text)) {
        ++number;
        std::string_view t = line.text;
        while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
            t.remove_prefix(1);
        while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
            t.remove_suffix(1);
        if (t.empty() || t.front() == '#') continue;
        const auto open = t.find("[[");
        std::string_view word = t.substr(0, open);
        while (!word.empty() && (word.back() == ' ' || word.back() == '\t'))
            word.remove_suffix(1);
        if (open == std::string_view::npos || word.empty() || t.substr(t.size() - 2) != "]]") {
            problems.push_back(std::to_string(number) + ": expected WORD [[phonemes]]");
            continue;
        }
        overrides[upper(core::utf8ToCp1252Lossy(word))] = std::string(t.substr(open));
    }
    if (!problems.empty()) return std::nullopt;
    return overrides;
}

std::string espeakInput(const Overrides& overrides, const std::string& text) {
    const auto it = overrides.find(upper(core::utf8ToCp1252Lossy(text)));
    return it == overrides.end() ? text : it->second;
}

int runVoice(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    const auto options = parseOptions(args, err);
    if (!options) return kExitUsage;
    const std::string& root = options->root;
    if (!core::directoryExists(root)) return fileError(err, "voice", root + " is not a directory");

    Overrides overrides;
    if (!options->overrides.empty()) {
        const auto text = readFile(options->overrides);
        if (!text) return fileError(err, "voice", options->overrides + " cannot be read");
        std::vector<std::string> problems;
        const auto parsed = parseOverrides(*text, problems);
        if (!parsed) {
            for (const auto& p : problems)
                err << options->overrides << ":" << p << "\n";
            return kExitDataProblem;
        }
        overrides = *parsed;
    }

    const SoundPlan plan = planWordSounds(root);
    for (const auto& note : plan.silent)
        out << "voice: note: " << note << "\n";
    for (const auto& note : plan.clashes)
        out << "voice: note: " << note << "\n";

    Manifest manifest = readManifest(root);
    const bool hadManifest = !manifest.empty();
    Manifest kept;
    std::deque<Job> jobs;
    int upToDate = 0, recordings = 0, removed = 0;
    for (const WordSound& sound : plan.sounds) {
        const std::string id = upper(sound.path);
        const std::string input = espeakInput(overrides, sound.text);
        const std::string key = hex(fnv1a(voiceText() + "\n" + input));
        const auto existing = core::findInRoot(root, sound.path);
        const auto entry = manifest.find(id);
        const bool ours = entry != manifest.end() && !entry->second.pending();
        std::optional<Made> previous;
        if (existing && core::fileExists(*existing)) {
            const auto bytes = readFile(*existing);
            const bool unchanged = ours && bytes && hex(fnv1a(*bytes)) == entry->second.content;
            if (!unchanged) { // a recording, or a file someone put in place of ours
                ++recordings;
                continue;
            }
            if (entry->second.key == key) {
                ++upToDate;
                kept[id] = entry->second;
                continue;
            }
            previous = entry->second;
        }
        jobs.push_back(Job{&sound, input, key, previous, {}, {}, -1});
    }

    // Sounds this command made that no record calls for any more.
    std::set<std::string> planned;
    for (const WordSound& sound : plan.sounds)
        planned.insert(upper(sound.path));
    for (const auto& [id, m] : manifest) {
        if (planned.count(id) || m.pending()) continue;
        const auto existing = core::findInRoot(root, m.path);
        if (!existing) continue;
        const auto bytes = readFile(*existing);
        if (bytes && hex(fnv1a(*bytes)) == m.content && std::remove(existing->c_str()) == 0)
            ++removed;
    }

    int made = 0, failed = 0, missing = 0, outdated = 0;
    const auto program = jobs.empty() ? std::nullopt : findProgram(options->espeak);
    if (!jobs.empty() && !program) {
        // An older sound stays, and stays ours, to be made again later.
        for (const Job& job : jobs) {
            const std::string id = upper(job.sound->path);
            if (job.previous) {
                kept[id] = *job.previous;
                ++outdated;
            } else {
                kept[id] = Made{job.sound->path, "-", "-"};
                ++missing;
            }
        }
        out << "voice: " << options->espeak << " not found; " << missing
            << " word sounds are missing and " << outdated << " out of date:\n";
        for (const Job& job : jobs)
            out << "  " << job.sound->path << " (" << job.sound->origin << ": " << job.sound->text
                << ")\n";
        jobs.clear();
    }

    if (!jobs.empty()) {
        const std::string workDir = soundFolder(root) + "/.voice-" + std::to_string(::getpid());
        std::error_code ec;
        fs::create_directories(workDir, ec);
        Synthesiser synth(*program, workDir);
        std::deque<Job*> running;
        int number = 0;
        auto complete = [&](Job& job) {
            const auto bytes = synth.finish(job);
            const std::string target = targetPath(root, job.sound->path);
            std::error_code dirError;
            fs::create_directories(fs::path(target).parent_path(), dirError);
            const auto problem = bytes
                                     ? replaceFile(target, *bytes)
                                     : std::optional<std::string>("espeak-ng gave no usable sound");
            if (problem) {
                err << "glosbo-data voice: " << job.sound->path << " (" << job.sound->origin
                    << "): " << *problem << "\n";
                if (job.previous) kept[upper(job.sound->path)] = *job.previous;
                ++failed;
                return;
            }
            kept[upper(job.sound->path)] = Made{job.sound->path, job.key, hex(fnv1a(*bytes))};
            ++made;
        };
        for (Job& job : jobs) {
            if (static_cast<int>(running.size()) >= options->jobs) {
                complete(*running.front());
                running.pop_front();
            }
            if (!synth.start(job, ++number)) {
                err << "glosbo-data voice: cannot run " << *program << "\n";
                if (job.previous) kept[upper(job.sound->path)] = *job.previous;
                ++failed;
                continue;
            }
            running.push_back(&job);
        }
        for (Job* job : running)
            complete(*job);
        fs::remove_all(workDir, ec);
    }

    if (!kept.empty() || hadManifest) {
        if (const auto problem = writeManifest(root, kept))
            return fileError(err, "voice", *problem);
    }
    out << "voice: " << plan.sounds.size() << " word sounds: " << made << " made, " << upToDate
        << " up to date, " << recordings << " recordings kept, " << removed << " removed";
    if (missing) out << ", " << missing << " missing";
    if (outdated) out << ", " << outdated << " out of date";
    if (failed) out << ", " << failed << " failed";
    out << "\n";
    return failed ? kExitDataProblem : kExitOk;
}

} // namespace glosbo::tool

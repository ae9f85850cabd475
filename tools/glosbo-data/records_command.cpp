#include <charconv>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/cp1252.h"
#include "core/records_file.h"
#include "core/sources.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

std::string damagedText(const std::string& file) {
    return file + " is damaged (not whole 36-byte entries, over 100 entries or a name length "
                  "beyond its field); nothing was written";
}

std::string busyText(const core::RecordsSave& r) {
    std::string text = "the records table is locked";
    if (r.holder) text += " by " + r.holder->host + " process " + std::to_string(r.holder->pid);
    return text;
}

} // namespace

int runRecords(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    const bool add = args.size() == 4 && args[1] == "--add";
    if (args.size() != 1 && !add) return usageError(err, "records", "wrong arguments");
    const std::string& file = args[0];
    core::SystemClock clock;
    core::RecordsFile records(file, clock);

    if (!add) {
        const core::RecordsLoad load = records.load();
        if (load.status == core::RecordsLoad::Status::Missing)
            return fileError(err, "records", "cannot read " + file + ": no such file");
        if (load.status != core::RecordsLoad::Status::Loaded)
            return fileError(err, "records", "cannot read " + file);
        if (load.contents.damaged) {
            err << "glosbo-data records: " << damagedText(file) << "\n";
            return kExitDataProblem;
        }
        int rank = 0;
        for (const core::RecordEntry& e : load.contents.entries)
            out << ++rank << "\t" << columnText(e.name) << "\t" << core::recordDateText(e) << "\t"
                << e.result << "\n";
        return kExitOk;
    }

    const auto name = core::utf8ToCp1252(args[2]);
    if (!name) return usageError(err, "records", "NAME is not Windows-1252 text");
    std::int32_t result = 0;
    const std::string& text = args[3];
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (ec != std::errc() || end != text.data() + text.size())
        return usageError(err, "records", "RESULT is not a whole number");
    const std::filesystem::path parent = std::filesystem::path(file).parent_path();
    std::error_code fsError;
    if (!parent.empty() && !std::filesystem::is_directory(parent, fsError))
        return fileError(err, "records", "no directory " + parent.string());

    core::RecordEntry pending;
    pending.name = name->substr(0, core::RecordEntry::kNameLimit);
    pending.result = result;
    pending.stamp(clock.now());
    const core::RecordsSave saved = records.save(pending);
    using Status = core::RecordsSave::Status;
    switch (saved.status) {
    case Status::Saved:
        out << *saved.rank << "\n";
        return kExitOk;
    case Status::NotPlaced:
        out << "X\n";
        return kExitOk;
    case Status::Damaged:
        err << "glosbo-data records: " << damagedText(file) << "\n";
        return kExitDataProblem;
    case Status::Busy:
        return fileError(err, "records", busyText(saved));
    case Status::Failed:
        break;
    }
    return fileError(err, "records",
                     saved.error ? saved.error->text()
                                 : "cannot save " + file + ": " + std::strerror(saved.code));
}

} // namespace glosbo::tool

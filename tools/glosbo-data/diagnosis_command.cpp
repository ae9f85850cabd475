#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp1252.h"
#include "core/diagnosis_file.h"
#include "core/diagnosis_record.h"
#include "core/text.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

constexpr int kShownTests = 17; // the protocol shows tests 1..17 of the 20 in a record

std::string twoDigits(int n) {
    return std::string(1, char('0' + (n / 10) % 10)) + char('0' + n % 10);
}

// The protocol's date text: "YYMMDD HH:MM", the year's third and fourth digits.
std::string dateText(const core::DiagnosisRecord& r, int t) {
    const std::string year = std::to_string(r.year[t]);
    return (year.size() > 2 ? year.substr(2, 2) : std::string()) + twoDigits(r.month[t]) +
           twoDigits(r.day[t]) + " " + twoDigits(r.hour[t]) + ":" + twoDigits(r.minute[t]);
}

std::string statusText(std::uint8_t status) {
    const std::string name = core::utf8Bytes(core::statusName(status));
    // A code the program never writes is shown as it stands.
    return name.empty() ? std::to_string(status) : name;
}

// The fields of one pupil's line: name, then result, status and time of each
// test, then the sum of all results as the protocol adds them up.
std::vector<std::string> fieldsOf(const core::DiagnosisRecord& r, bool forCsv) {
    std::vector<std::string> fields;
    fields.push_back(forCsv ? core::cp1252ToUtf8(r.name) : columnText(r.name));
    std::int64_t sum = 0;
    for (int t = 1; t <= core::DiagnosisRecord::kTests; ++t)
        sum += r.result[t];
    for (int t = 1; t <= kShownTests; ++t) {
        fields.push_back(std::to_string(r.result[t]));
        fields.push_back(statusText(r.status[t]));
        fields.push_back(r.result[t] > 0 ? dateText(r, t) : std::string());
    }
    fields.push_back(std::to_string(sum));
    return fields;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void writeCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << csvField(fields[i]);
    out << "\r\n";
}

std::vector<std::string> csvHeader() {
    std::vector<std::string> header{"Namn"};
    for (int t = 1; t <= kShownTests; ++t) {
        const std::string test = "Test " + std::to_string(t);
        header.push_back(test + " resultat");
        header.push_back(test + " status");
        header.push_back(test + " tid");
    }
    header.push_back("Summa");
    return header;
}

} // namespace

int runDiagnosis(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    bool csv = false;
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (a == "--csv")
            csv = true;
        else if (a.size() > 1 && a.front() == '-')
            return usageError(err, "diagnosis", "unknown option '" + a + "'");
        else
            files.push_back(a);
    }
    if (files.size() != 1)
        return usageError(err, "diagnosis", files.empty() ? "no FILE given" : "too many arguments");
    const auto data = readFile(files[0]);
    if (!data) return fileError(err, "diagnosis", "cannot read " + files[0]);

    const core::DiagnosisContents contents = core::parseDiagnosisFile(*data);
    if (csv) writeCsvLine(out, csvHeader());
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        const std::vector<std::string> fields = fieldsOf(contents.record(i), csv);
        if (csv) {
            writeCsvLine(out, fields);
        } else {
            for (std::size_t f = 0; f < fields.size(); ++f)
                out << (f ? "\t" : "") << fields[f];
            out << "\n";
        }
    }
    if (contents.damaged()) {
        const std::size_t whole = contents.records.size();
        err << "glosbo-data diagnosis: " << files[0] << " is damaged: its " << data->size()
            << " bytes are not a whole number of " << core::DiagnosisRecord::kSize
            << "-byte records; it holds " << whole << " whole record" << (whole == 1 ? "" : "s")
            << "\n";
        return kExitDataProblem;
    }
    return kExitOk;
}

} // namespace glosbo::tool

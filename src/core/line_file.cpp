#include "core/line_file.h"

namespace glosbo::core {

LineClass classifyLine(std::string_view line) {
    if (line.empty()) return LineClass::Empty;
    switch (line.front()) {
    case ';':
        return LineClass::Comment;
    case '$':
        return LineClass::Heading;
    case ')':
        return LineClass::Scrambled;
    default:
        return LineClass::Plain;
    }
}

bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

void Headings::apply(std::string_view headingLine) {
    constexpr std::size_t kMax = 80;
    const char second = headingLine.size() > 1 ? headingLine[1] : '\0';
    if (second == '\xA7') {
        instruction = std::string(headingLine.substr(2, kMax));
    } else if (second == '%') {
        worksheetInstruction = std::string(headingLine.substr(2, kMax));
    } else {
        lines[next < 2 ? next : 2] = std::string(headingLine.substr(1, kMax));
        ++next;
    }
}

int scanLineFile(std::istream& in, bool count, Headings& headings) {
    int records = 0;
    std::string line;
    for (int read = 0; (count || read < 6) && readLine(in, line); ++read) {
        const LineClass c = classifyLine(line);
        if (c == LineClass::Heading)
            headings.apply(line);
        else if (count && isRecord(c))
            ++records;
    }
    return records;
}

bool fetchRecord(std::istream& in, int n, std::string& line) {
    if (n <= 0) return false;
    bool any = false;
    int records = 0;
    std::string current;
    while (records < n && readLine(in, current)) {
        line = current;
        any = true;
        if (isRecord(classifyLine(current))) ++records;
    }
    return any;
}

} // namespace glosbo::core

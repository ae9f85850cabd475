#include "text_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>

#include "core/atomic_file.h"
#include "core/cp1252.h"

namespace glosbo::tool {

std::vector<Line> splitLines(std::string_view data) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        const auto lf = data.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(data.substr(start)), ""});
            break;
        }
        const bool cr = lf > start && data[lf - 1] == '\r';
        lines.push_back({std::string(data.substr(start, lf - start - (cr ? 1 : 0))),
                         cr ? std::string_view("\r\n") : std::string_view("\n")});
        start = lf + 1;
    }
    return lines;
}

std::string readAll(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> readFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data = readAll(in);
    if (in.bad()) return std::nullopt;
    return data;
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view data) {
    if (const auto error = core::replaceFile(path, data)) return error->text();
    return std::nullopt;
}

bool isUndefinedCp1252(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool isForbiddenByte(unsigned char b) {
    return (b < 0x20 && b != '\t') || b == 0x7F || isUndefinedCp1252(b);
}

std::string hexByte(unsigned char b) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[b >> 4] + kDigits[b & 0xF];
}

namespace {

// Length of the UTF-8 sequence that a lead byte starts; 0 for a byte that
// cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

std::string codePointName(std::string_view utf8) {
    char32_t cp = 0;
    const std::size_t n = utf8.size();
    cp = static_cast<unsigned char>(utf8[0]) & (n == 1   ? 0x7F
                                                : n == 2 ? 0x1F
                                                : n == 3 ? 0x0F
                                                         : 0x07);
    for (std::size_t i = 1; i < n; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

} // namespace

std::optional<std::string> encodeLine(std::string_view utf8, std::string& problem) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t column = 1;
    for (std::size_t i = 0; i < utf8.size(); ++column) {
        const std::size_t n = sequenceLength(static_cast<unsigned char>(utf8[i]));
        const auto sequence = utf8.substr(i, n);
        if (n == 0 || sequence.size() < n || !core::isValidUtf8(sequence)) {
            problem = "invalid UTF-8 at column " + std::to_string(column);
            return std::nullopt;
        }
        const auto byte = core::utf8ToCp1252(sequence);
        if (!byte) {
            problem = "character " + std::string(sequence) + " (" + codePointName(sequence) +
                      ") at column " + std::to_string(column) + " has no Windows-1252 form";
            return std::nullopt;
        }
        if (isForbiddenByte(static_cast<unsigned char>(byte->front()))) {
            problem = "control character " + codePointName(sequence) + " at column " +
                      std::to_string(column);
            return std::nullopt;
        }
        out += *byte;
        i += n;
    }
    return out;
}

std::string columnText(std::string_view cp1252) {
    std::string text = core::cp1252ToUtf8(cp1252);
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

} // namespace glosbo::tool

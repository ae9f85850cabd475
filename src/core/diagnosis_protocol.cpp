#include "core/diagnosis_protocol.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/cp1252.h"
#include "core/text.h"

namespace glosbo::core {

namespace {

constexpr DiagnosisTest kTests[kDiagnosisTests] = {
    {u8"Ä-ljudet", "SVDI01.DAT", "SVOVN101.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"Å-ljudet", "SVDI02.DAT", "SVOVN102.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"TJ-ljudet", "SVDI03.DAT", "SVOVN103.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"SJ-ljudet", "SVDI04.DAT", "SVOVN104.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"SJ-ljudet", "SVDI05.DAT", "SVOVN105.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"NG-ljudet", "SVDI06.DAT", "SVOVN106.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"J-ljudet", "SVDI07.DAT", "SVOVN107.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"KS-\"ljudet\"", "SVDI08.DAT", "SVOVN108.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"S-ljudet", "SVDI09.DAT", "SVOVN109.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"Dubbelskrivning", "SVDI10.DAT", "SVOVN110.DAT", "TFLERBAR", "TFLERBAR"},
    {u8"Knepiga ord", "SVDI11.DAT", "SVOVN111.DAT", "TSkrivinf", "TSkrivinf"},
    {u8"Plural", "SVDI12.DAT", "SVOVN112.DAT", "TSKRIV", "TSKRIV"},
    {u8"Oregelbundna ord", "SVDI13.DAT", "SVOVN113.DAT", "TSkrivinf", "TSkrivinf"},
    {u8"Preposition", "SVDI14.DAT", "SVOVN114.DAT", "TSkrivinf", "TSkrivinf"},
    {u8"Motsatser", "SVDI15.DAT", "SVOVN115.DAT", "TSKRIV", "TSKRIV"},
    {u8"Talesätt", "SVDI16.DAT", "SVOVN116.DAT", "TSkrivinf", "TSkrivinf"},
    {u8"Alfabetet", "SVDI17.DAT", "SVOVN117.DAT", "TPassAkt", "TSKRIV"},
};

std::string cp1252(const char8_t* utf8) {
    return utf8ToCp1252Lossy(utf8Bytes(utf8));
}

std::string padded(int value, int below10, int below100, int above) {
    const int spaces = value < 10 ? below10 : value < 100 ? below100 : above;
    return std::string(std::size_t(spaces), ' ') + std::to_string(value);
}

} // namespace

const DiagnosisTest& diagnosisTest(int test) {
    return kTests[std::clamp(test, 1, kDiagnosisTests) - 1];
}

std::string protocolDateText(const DiagnosisRecord& r, int t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%02d %02d:%02d", r.year[t] % 100, r.month[t] % 100,
                  r.day[t] % 100, r.hour[t] % 100, r.minute[t] % 100);
    return text;
}

int protocolSum(const DiagnosisRecord& record) {
    long long sum = 0;
    for (int t = 1; t <= DiagnosisRecord::kTests; ++t)
        sum += record.result[t];
    return int(std::clamp<long long>(sum, INT32_MIN, INT32_MAX));
}

ProtocolTable protocolTable(const DiagnosisRecord& record) {
    ProtocolTable table;
    table[0] = {"  Nr", "                  " + cp1252(u8"Område"), "    Resultat", "    Tidpunkt",
                "    Status"};
    for (int t = 1; t <= kDiagnosisTests; ++t) {
        auto& row = table[std::size_t(t)];
        row[0] = (t < 10 ? "   " : "  ") + std::to_string(t);
        row[1] = "  " + cp1252(diagnosisTest(t).area);
        row[2] = padded(record.result[t], 10, 8, 6);
        row[3] = "  " + (record.result[t] > 0 ? protocolDateText(record, t) : std::string());
        row[4] = "    " + cp1252(statusName(record.status[t]).c_str());
    }
    table[kSumRow][1] = std::string(56, ' ') + "Summa:";
    table[kSumRow][2] = padded(protocolSum(record), 10, 8, 7);
    return table;
}

std::array<int, 4> printColumnStarts(int u, int sample, int screenWidth) {
    if (screenWidth <= 0) return {0, 0, 0, 0};
    const auto percent = [&](double pixels) {
        return int(std::lround(100.0 * pixels / screenWidth));
    };
    const int c1 = percent(7 * u / 2);
    const int d = percent(sample) - 1;
    const int e = d + 2;
    // On paper the date needs more room than on screen: a point either
    // side is taken from the result and status columns, whose texts are
    // short, so that the date keeps clear of the status rule.
    return {c1, 100 - 3 * d, 100 - 2 * d - 1, 100 - 2 * d + e + 1};
}

Page protocolPage(const ProtocolTable& table, std::string_view name,
                  const std::array<int, 4>& starts, const PageMetrics& metrics,
                  const PageMargins& printer) {
    const PageFrame frame(printer);
    // The table is 180 mm wide from x = 15, narrower on a printer whose
    // printable area is narrower; rules sit a printer pixel (600 dots an
    // inch) outside the text.
    constexpr double kLeft = 15, kPixel = 25.4 / 600;
    const double tableRight = std::min(195.0, frame.width() - 2 * kPixel);
    const double tableWidth = tableRight - kLeft;
    const PageFont font{12, true, "Arial"};
    Page page;
    double y = 2;
    page.text(20, y + 2, "Diagnosprotokoll fr\xE5n Glosbo f\xF6r " + std::string(name) + ".", font);
    y += 10;
    std::array<double, 5> columnX{kLeft};
    for (std::size_t c = 1; c < 5; ++c)
        columnX[c] = kLeft + starts[c - 1] * tableWidth / 100;
    // The columns follow the screen, but on paper the texts are measured in
    // the print font: a column too narrow for its widest text is widened,
    // the number column to the right and the last three to the left, so
    // that no text crosses a rule.
    constexpr double kGap = 2;
    std::array<double, 5> widest{};
    for (const auto& row : table)
        for (std::size_t c = 0; c < 5; ++c)
            if (!row[c].empty())
                widest[c] = std::max(widest[c], metrics.widthMm(row[c], font) + kGap);
    columnX[1] = std::max(columnX[1], kLeft + widest[0]);
    for (std::size_t c = 4; c >= 2; --c) {
        const double right = c == 4 ? tableRight : columnX[c + 1];
        columnX[c] = std::min(columnX[c], right - widest[c]);
    }
    for (int r = 0; r < kProtocolRows; ++r) {
        page.line(kLeft - kPixel, y, kLeft - kPixel, y + 8);
        for (std::size_t c = 1; c < 5; ++c)
            page.line(columnX[c] - kPixel, y, columnX[c] - kPixel, y + 8);
        page.line(tableRight + kPixel, y, tableRight + kPixel, y + 8);
        page.line(kLeft - kPixel, y, tableRight + kPixel, y);
        page.line(kLeft - kPixel, y + 3 * kPixel, tableRight + kPixel, y + 3 * kPixel);
        // The texts stand 1 mm below the row's top rule, so that a line of
        // 12 points sits between the rules rather than on the next one; the
        // sum row's a millimetre lower.
        for (std::size_t c = 0; c < 5; ++c) {
            const std::string& text = table[std::size_t(r)][c];
            if (text.empty()) continue;
            const bool lower = r == kSumRow && (c == 1 || c == 2);
            page.text(columnX[c], y + (lower ? 2 : 1), text, font);
        }
        y += 6;
    }
    page.line(kLeft - kPixel, y + 2, tableRight + kPixel, y + 2);
    std::vector<Page> pages{std::move(page)};
    frame.place(pages);
    return std::move(pages.front());
}

} // namespace glosbo::core

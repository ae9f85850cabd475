#include "core/class_overview.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/swedish_order.h"
#include "core/text.h"

namespace glosbo::core {

namespace {

// Column headings short enough for a grid cell or 12 mm of paper; the full
// area name stands in the tooltip and in the legend.
constexpr const char8_t* kShortAreas[kDiagnosisTests] = {
    u8"Ä",    u8"Å",    u8"TJ",   u8"SJ",    u8"SJ",   u8"NG",   u8"J",     u8"KS",    u8"S",
    u8"Dubb", u8"Knep", u8"Plur", u8"Oregl", u8"Prep", u8"Mots", u8"Tales", u8"Alfab",
};

std::string cp1252(std::u8string_view utf8) {
    return utf8ToCp1252Lossy(utf8Bytes(utf8));
}

} // namespace

ClassOverview classOverview(const DiagnosisContents& contents) {
    ClassOverview overview;
    overview.pupils.reserve(contents.records.size());
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        std::string name = contents.name(i);
        if (name.empty()) continue;
        const DiagnosisRecord record = contents.record(i);
        ClassPupil pupil;
        pupil.name = std::move(name);
        pupil.record = i;
        for (int t = 1; t <= kDiagnosisTests; ++t) {
            const std::size_t c = std::size_t(t - 1);
            pupil.result[c] = record.result[std::size_t(t)];
            pupil.status[c] = record.status[std::size_t(t)];
            if (pupil.result[c] >= DiagnosisRecord::kPassMark) {
                ++pupil.passed;
                ++overview.passedPerTest[c];
            }
        }
        overview.pupils.push_back(std::move(pupil));
    }
    std::stable_sort(
        overview.pupils.begin(), overview.pupils.end(),
        [](const ClassPupil& a, const ClassPupil& b) { return swedishLess(a.name, b.name); });
    overview.sort = ClassSort{};
    return overview;
}

void sortClassOverview(ClassOverview& overview, ClassSort sort) {
    auto& pupils = overview.pupils;
    // Every order falls back on the names: their ranks are taken once, so
    // that sorting a large class by a test does not compare names again.
    std::vector<std::size_t> nameRank;
    std::size_t records = 0;
    for (const ClassPupil& p : pupils)
        records = std::max(records, p.record + 1);
    nameRank.assign(records, 0);
    if (overview.sort.key != ClassSortKey::Name || overview.sort.descending)
        std::stable_sort(
            pupils.begin(), pupils.end(),
            [](const ClassPupil& a, const ClassPupil& b) { return swedishLess(a.name, b.name); });
    for (std::size_t i = 0; i < pupils.size(); ++i)
        nameRank[pupils[i].record] = i;
    std::sort(pupils.begin(), pupils.end(), [&](const ClassPupil& a, const ClassPupil& b) {
        const std::size_t ra = nameRank[a.record], rb = nameRank[b.record];
        switch (sort.key) {
        case ClassSortKey::Name:
            return sort.descending ? rb < ra : ra < rb;
        case ClassSortKey::Test: {
            const std::size_t t = std::size_t(std::clamp(sort.test, 1, kDiagnosisTests) - 1);
            if (a.result[t] != b.result[t])
                return sort.descending ? a.result[t] > b.result[t] : a.result[t] < b.result[t];
            return ra < rb;
        }
        case ClassSortKey::Passed:
            if (a.passed != b.passed)
                return sort.descending ? a.passed > b.passed : a.passed < b.passed;
            return ra < rb;
        }
        return ra < rb;
    });
    overview.sort = sort;
}

std::string statusLetter(std::uint8_t status) {
    switch (status) {
    case kStatusStart:
        return "B";
    case kStatusWait:
        return "V";
    case kStatusTest:
        return "T";
    case kStatusPractise:
        return "\xD6";
    default:
        return "?";
    }
}

std::string statusWord(std::uint8_t status) {
    const std::u8string name = statusName(status);
    return name.empty() ? std::to_string(status) : cp1252(name);
}

std::string classCellText(std::int32_t result, std::uint8_t status) {
    return std::to_string(result) + " " + statusLetter(status);
}

std::string shortAreaHeading(int test) {
    return cp1252(kShortAreas[std::clamp(test, 1, kDiagnosisTests) - 1]);
}

std::string classLegend() {
    return cp1252(u8"B = Börja   V = Vänta   T = Testa   Ö = Öva   "
                  u8"Klarade: tester med minst 15 rätt");
}

ClassTable classOverviewTable(const ClassOverview& overview) {
    ClassTable table;
    table.reserve(overview.pupils.size() + 2);
    std::vector<std::string> heading{kClassNameHeading};
    for (int t = 1; t <= kDiagnosisTests; ++t)
        heading.push_back(std::to_string(t) + " " + shortAreaHeading(t));
    heading.push_back(kClassPassedHeading);
    table.push_back(std::move(heading));
    for (const ClassPupil& p : overview.pupils) {
        std::vector<std::string> row{p.name};
        row.reserve(kDiagnosisTests + 2);
        for (std::size_t c = 0; c < kDiagnosisTests; ++c)
            row.push_back(classCellText(p.result[c], p.status[c]));
        row.push_back(std::to_string(p.passed));
        table.push_back(std::move(row));
    }
    std::vector<std::string> count{kClassCountLabel};
    for (const int n : overview.passedPerTest)
        count.push_back(std::to_string(n));
    count.emplace_back();
    table.push_back(std::move(count));
    return table;
}

namespace {

// The page's measures in millimetres, landscape A4.
constexpr double kLeft = 10, kRight = 287, kTitleY = 7, kTableTop = 15;
constexpr double kHeadingHeight = 9, kRowHeight = 5.2, kPassedWidth = 17;
constexpr double kPad = 1.2;

// A name cut to the width, with an ellipsis when it was cut.
std::string fitted(std::string text, double width, const PageFont& font,
                   const PageMetrics& metrics) {
    if (metrics.widthMm(text, font) <= width) return text;
    while (!text.empty() && metrics.widthMm(text + "\x85", font) > width)
        text.pop_back();
    return text + "\x85";
}

} // namespace

std::vector<Page> classOverviewPages(const ClassOverview& overview, const PageMetrics& metrics) {
    const PageFont titleFont{12, true, "Arial"};
    const PageFont headingFont{8, true, "Arial"};
    const PageFont cellFont{9, false, "Arial"};
    const PageFont legendFont{7, false, "Arial"};
    const ClassTable table = classOverviewTable(overview);
    const std::size_t pupils = overview.pupils.size();

    // The name column as wide as the widest name, within limits; the tests
    // share what is left.
    double widest = metrics.widthMm(kClassCountLabel, cellFont);
    for (const ClassPupil& p : overview.pupils)
        widest = std::max(widest, metrics.widthMm(p.name, cellFont));
    const double nameWidth = std::clamp(widest + 2 * kPad, 32.0, 60.0);
    const double testWidth = (kRight - kLeft - nameWidth - kPassedWidth) / kDiagnosisTests;
    std::array<double, kDiagnosisTests + 3> columnX{};
    columnX[0] = kLeft;
    columnX[1] = kLeft + nameWidth;
    for (std::size_t c = 2; c <= kDiagnosisTests + 1; ++c)
        columnX[c] = columnX[c - 1] + testWidth;
    columnX[kDiagnosisTests + 2] = kRight;

    // A text centred in column c, or set at its left for the name column.
    const auto cell = [&](Page& page, std::size_t c, double y, const std::string& text,
                          const PageFont& font) {
        if (text.empty()) return;
        const double left = columnX[c], right = columnX[c + 1];
        if (c == 0) {
            page.text(left + kPad, y, fitted(text, right - left - 2 * kPad, font, metrics), font);
            return;
        }
        const std::string shown = fitted(text, right - left - kPad, font, metrics);
        page.text(left + (right - left - metrics.widthMm(shown, font)) / 2, y, shown, font);
    };

    const std::size_t pageCount =
        std::max<std::size_t>(1, (pupils + kClassPupilsPerPage - 1) / kClassPupilsPerPage);
    std::vector<Page> pages;
    pages.reserve(pageCount);
    const std::string legend = classLegend();
    std::string areas1, areas2;
    for (int t = 1; t <= kDiagnosisTests; ++t) {
        std::string& line = t <= 9 ? areas1 : areas2;
        if (!line.empty()) line += "   ";
        line += std::to_string(t) + " " + cp1252(diagnosisTest(t).area);
    }
    for (std::size_t p = 0; p < pageCount; ++p) {
        Page page;
        page.landscape = true;
        page.text(kLeft, kTitleY, cp1252(u8"Klassöversikt från Glosbo"), titleFont);
        const std::string number =
            "Sida " + std::to_string(p + 1) + " av " + std::to_string(pageCount);
        page.text(kRight - metrics.widthMm(number, cellFont), kTitleY + 1, number, cellFont);

        // The headings: the test's number above its short name.
        double y = kTableTop;
        const double lineHeight = kHeadingHeight / 2;
        cell(page, 0, y + lineHeight / 2 + 0.3, table[0][0], headingFont);
        for (std::size_t c = 1; c <= kDiagnosisTests; ++c) {
            cell(page, c, y + 0.5, std::to_string(c), headingFont);
            cell(page, c, y + lineHeight, shortAreaHeading(int(c)), headingFont);
        }
        cell(page, kDiagnosisTests + 1, y + lineHeight / 2 + 0.3, table[0].back(), headingFont);
        page.line(kLeft, y, kRight, y);
        y += kHeadingHeight;
        page.line(kLeft, y, kRight, y);
        // A second rule under the headings, as the protocol has.
        page.line(kLeft, y + 0.3, kRight, y + 0.3);

        const std::size_t first = p * kClassPupilsPerPage;
        const std::size_t last = std::min(pupils, first + kClassPupilsPerPage);
        const auto row = [&](const std::vector<std::string>& texts, bool bold) {
            const PageFont& font = bold ? headingFont : cellFont;
            for (std::size_t c = 0; c < texts.size(); ++c)
                cell(page, c, y + 0.9, texts[c], font);
            y += kRowHeight;
            page.line(kLeft, y, kRight, y);
        };
        for (std::size_t i = first; i < last; ++i)
            row(table[i + 1], false);
        if (p + 1 == pageCount) {
            page.line(kLeft, y + 0.3, kRight, y + 0.3);
            row(table.back(), true);
        }
        for (const double x : columnX)
            page.line(x, kTableTop, x, y);

        y += 3;
        page.text(kLeft, y, legend, legendFont);
        page.text(kLeft, y + 3.5, areas1, legendFont);
        page.text(kLeft, y + 7, areas2, legendFont);
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace glosbo::core

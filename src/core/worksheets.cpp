#include "core/worksheets.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/cp1252.h"

namespace glosbo::core {

void Worksheets::clear() {
    m_questions = {};
    m_answers = {};
    m_headingNumber = 0;
    m_taskNumber = 0;
}

void Worksheets::addHeading(std::string_view title, std::string_view subHeading) {
    if (!m_headingPending) return;
    ++m_headingNumber;
    m_title = std::string(title.substr(0, kTitleLength));
    const std::string heading =
        std::to_string(m_headingNumber) + ".  " + std::string(title.substr(0, kTitleLength));
    for (WorksheetList* list : {&m_questions, &m_answers}) {
        list->add(heading, LineKind::Heading);
        if (!subHeading.empty())
            list->add(std::string(subHeading.substr(0, kTitleLength)), LineKind::SubHeading);
    }
    m_headingPending = false;
}

std::string Worksheets::nextItemPrefix() const {
    return itemPrefix(m_taskNumber + 1);
}

void Worksheets::addTask(const TaskLines& task) {
    ++m_taskNumber;
    const auto addTo = [](WorksheetList& list, const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            list.add(lines[i], i == 0 ? LineKind::Task : LineKind::Other);
    };
    addTo(m_questions, task.questions);
    addTo(m_answers, task.answers);
}

std::string itemPrefix(int n) {
    const std::string number = std::to_string(n);
    const std::string pad = n < 10 ? "   " : n < 100 ? " " : "";
    return (pad + number + ". ").substr(0, 20);
}

std::string UtSkriftSvar(std::string_view answer, const std::vector<std::string>& alternatives) {
    std::string text(answer);
    if (alternatives.empty()) return text;
    text += " eller ";
    for (std::size_t i = 0; i < alternatives.size(); ++i)
        text += (i ? ", " : "") + alternatives[i];
    return text + ".";
}

std::string categoryWrittenOut(std::string_view category) {
    const std::string upper = upperCp1252(category);
    // An abbreviation is the start of the name, perhaps with a full stop:
    // "Dat." is "dativ", but "predikatsfyllnad" and "ackusativobjekt" are
    // written out already and stay as they are.
    std::string_view stem = upper;
    if (!stem.empty() && stem.back() == '.') stem.remove_suffix(1);
    std::string name(category);
    const auto expand = [&](std::string_view prefix, const char* written) {
        if (upper.rfind(prefix, 0) == 0 && upperCp1252(written).rfind(stem, 0) == 0) name = written;
    };
    expand("ACK", "ackusativ");
    expand("DAT", "dativ");
    if (upper == "PRED.F.") name = "predikatsfyllnad";
    expand("SUBJ", "subjekt");
    expand("AKT", "aktiv");
    expand("SUBS", "substantiv");
    expand("PASS", "passiv");
    expand("PREDI", "predikat");
    return name;
}

namespace {

std::string upperFirst(std::string text) {
    if (!text.empty()) text[0] = upperCp1252(text[0]);
    return text;
}

// "a, b eller c"
std::string joinedWithEller(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i) text += i + 1 == words.size() ? " eller " : ", ";
        text += words[i];
    }
    return text;
}

// The marked word with its marks, "<e>", becomes the blank; a line without
// a whole marked word stays as it is.
std::string withBlankGap(std::string line, std::size_t longest) {
    const auto open = line.find('<');
    if (open == std::string::npos) return line;
    const auto close = line.find('>', open);
    if (close == std::string::npos) return line;
    line.replace(open, close - open + 1, std::string(2 * longest, '_'));
    return line;
}

std::string joinedHeadingLines(const std::array<std::string, 3>& headingLines) {
    std::string title;
    for (const std::string& line : headingLines)
        if (!line.empty()) title += (title.empty() ? "" : " ") + line;
    return title;
}

} // namespace

WorksheetHeading writeAnswerHeading(const std::array<std::string, 3>& headingLines,
                                    std::string_view worksheetInstruction,
                                    std::string_view previousTitle) {
    WorksheetHeading heading;
    heading.title =
        headingLines[0].empty() ? std::string(previousTitle) : joinedHeadingLines(headingLines);
    // A file without a worksheet instruction gets no sub-heading, rather
    // than a line with a colon alone.
    if (!worksheetInstruction.empty())
        heading.subHeading = "      " + std::string(worksheetInstruction) + ":";
    return heading;
}

WorksheetHeading chooseAlternativeHeading(const std::array<std::string, 3>& headingLines,
                                          std::string_view previousTitle,
                                          const std::vector<std::string>& fileAlternatives) {
    WorksheetHeading heading;
    heading.title =
        headingLines[0].empty() ? std::string(previousTitle) : joinedHeadingLines(headingLines);
    if (!fileAlternatives.empty()) {
        std::vector<std::string> lower;
        for (const std::string& word : fileAlternatives)
            lower.push_back(lowerCp1252(word));
        heading.subHeading = "     " + upperFirst(joinedWithEller(lower)) + " ?";
    }
    return heading;
}

WorksheetHeading clickCategoryHeading(const std::array<std::string, 3>& headingLines,
                                      std::string_view worksheetInstruction) {
    WorksheetHeading heading{joinedHeadingLines(headingLines), {}};
    if (!worksheetInstruction.empty())
        heading.subHeading = "      " + std::string(worksheetInstruction);
    return heading;
}

TaskLines writeAnswerTask(std::string_view prefix, std::string_view question,
                          std::string_view answerText) {
    const std::string first = std::string(prefix) + std::string(question);
    return {{first, std::string(kIndent) + std::string(57, '_')},
            {first, std::string(kIndent) + std::string(answerText)}};
}

TaskLines writeAnswerTask(std::string_view prefix, const RecordFields& fields) {
    return writeAnswerTask(prefix, fields[1], UtSkriftSvar(fields[2], alternativeAnswers(fields)));
}

std::vector<std::string> alternativeAnswers(const RecordFields& fields) {
    std::vector<std::string> alternatives;
    const int first = fields.fieldCount - fields.alternativeCount + 1;
    for (int k = std::max(first, 2); k <= fields.fieldCount && k <= 10; ++k)
        if (fields.alternativeCount > 0 && !fields[k].empty()) alternatives.push_back(fields[k]);
    return alternatives;
}

std::vector<std::string> worksheetQuestionLines(std::string_view question, int left, int right,
                                                WrapContext& wrap, bool keepMarkedWhole) {
    const auto wrapped = dela_mening(
        left, right, 2, keepMarkedWhole ? protectGapSpaces(question) : std::string(question), wrap);
    std::vector<std::string> lines;
    for (int i = 1; i <= 2; ++i)
        if (i == 1 || !wrapped[i].empty())
            lines.push_back(keepMarkedWhole ? restoreGapSpaces(wrapped[i]) : wrapped[i]);
    return lines;
}

TaskLines chooseAlternativeTask(std::string_view prefix, const std::vector<std::string>& lines,
                                const AlternativeWords& words, int caseOffset,
                                bool recordAlternatives) {
    std::vector<std::string> shown;
    std::size_t longest = 0;
    for (int i = 1; i <= words.shownCount(); ++i) {
        shown.push_back(words.shown(i, caseOffset));
        longest = std::max(longest, shown.back().size());
    }
    return chooseAlternativeTask(prefix, lines,
                                 recordAlternatives ? shown : std::vector<std::string>{}, longest);
}

std::vector<std::string> fileAlternatives(const AlternativeWords& words, bool recordAlternatives) {
    std::vector<std::string> list;
    if (!recordAlternatives)
        for (int i = 1; i <= words.count && i <= AlternativeWords::kEntries; ++i)
            list.push_back(words.entry[i]);
    return list;
}

TaskLines chooseAlternativeTask(std::string_view prefix, const std::vector<std::string>& lines,
                                const std::vector<std::string>& recordAlternatives,
                                std::size_t longest) {
    TaskLines task;
    if (lines.empty()) return task;
    const std::string p(prefix), s(kIndent);
    const std::size_t n = recordAlternatives.size();
    if (n >= 2 && n <= 4) {
        task.questions.push_back(p + "Skriv " + joinedWithEller(recordAlternatives) + " i luckan.");
        task.questions.push_back(s + withBlankGap(lines[0], longest));
    } else if (n > 0) {
        task.questions.push_back(s + withBlankGap(lines[0], longest));
    } else {
        task.questions.push_back(p + withBlankGap(lines[0], longest));
    }
    task.answers.push_back(p + lines[0]);
    if (lines.size() > 1) {
        task.questions.push_back(s + withBlankGap(lines[1], longest));
        task.answers.push_back(s + lines[1]);
    }
    return task;
}

TaskLines clickCategoryTask(std::string_view prefix, const std::vector<std::string>& lines,
                            std::string_view category) {
    TaskLines task;
    const std::string s(kIndent);
    for (std::size_t i = 0; i < lines.size() && i < 2; ++i) {
        const std::string line = (i == 0 ? std::string(prefix) : s) + lines[i];
        task.questions.push_back(line);
        task.answers.push_back(line);
    }
    task.questions.push_back(s + std::string(28, '_'));
    task.answers.push_back(s + upperFirst(categoryWrittenOut(category)));
    return task;
}

namespace {

// Lays the lines of a worksheet out on pages: a framed heading on the first
// page, page number and program name on the others, and no heading or task
// split from the lines that belong to it.
class WorksheetLayout {
public:
    WorksheetLayout(const PageMetrics& metrics, const PageFrame& frame)
        : m_metrics(metrics), m_frame(frame) {}

    std::vector<Page> run(const WorksheetList& list, bool withAnswers) {
        const std::vector<std::string>& lines = list.lines;
        const auto kind = [&](std::size_t i) { return list.kinds[i]; };
        m_pages.emplace_back();
        framedHeading(withAnswers);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (kind(i) == LineKind::Heading || kind(i) == LineKind::Task) {
                // A task without further lines still needs the room of its
                // own line, or a run of one-line tasks would go off the page.
                const std::size_t belonging =
                    kind(i) == LineKind::Heading
                        ? 3
                        : std::max<std::size_t>(1, UppgiftTillNySida(list, i)) +
                              extraRows(list, i, kBody);
                if (m_y + kMmPerLine * double(belonging) > kLastLine) newPage();
            }
            switch (kind(i)) {
            case LineKind::Heading: {
                m_y += 2;
                const PageFont bold16{16, true};
                m_y += height(kProbe, bold16);
                print(lines[i], bold16, height(kProbe, bold16) + 1);
                // The instruction under a heading is printed bold too.
                if (InstruktionFinns(list, i)) {
                    const PageFont bold14{14, true};
                    m_y += height(lines[i + 1], bold14) + 1;
                    print(lines[i + 1], bold14, height(kProbe, bold14) + 1);
                    ++i;
                }
                m_lineHeight = height(kProbe, kBody);
                break;
            }
            case LineKind::Task:
                m_y += 2;
                [[fallthrough]];
            case LineKind::SubHeading:
            case LineKind::Other:
                m_y += m_lineHeight + 1;
                if (!lines[i].empty()) print(lines[i], kBody, m_lineHeight + 1);
                break;
            }
        }
        return std::move(m_pages);
    }

private:
    static constexpr double kLeft = 20, kLastLine = 256, kMmPerLine = 8;

    static constexpr std::string_view kProbe = "\xC5gJj"; // ÅgJj: tall and deep letters
    static inline const PageFont kBody{14, false};

    Page& page() { return m_pages.back(); }

    // The pieces of a line that fit between the left margin and the
    // printable area's right edge.
    std::vector<std::string> pieces(std::string_view line, const PageFont& font) const {
        return piecesToFit(line, m_frame.width() - kLeft, font, m_metrics);
    }

    // Prints a line at y, its further pieces advance lines apart below it;
    // a piece that would run off the page starts a new one.
    void print(std::string_view line, const PageFont& font, double advance) {
        bool first = true;
        for (const std::string& piece : pieces(line, font)) {
            if (!first) m_y += advance;
            if (m_y + height(piece, font) > m_frame.height()) {
                newPage();
                m_y += advance;
            }
            page().text(kLeft, m_y, piece, font);
            first = false;
        }
    }

    // The lines beyond the first that the task at line i and its lines
    // take when long lines go on below.
    std::size_t extraRows(const WorksheetList& list, std::size_t i, const PageFont& font) const {
        std::size_t extra = pieces(list.lines[i], font).size() - 1;
        for (std::size_t n = i + 1; n < list.lines.size() && list.kinds[n] == LineKind::Other; ++n)
            extra += pieces(list.lines[n], font).size() - 1;
        return extra;
    }

    // Text heights count in whole millimetres, as the lines are placed.
    double height(std::string_view text, const PageFont& font) const {
        return std::round(m_metrics.heightMm(text, font));
    }

    // The lines that belong to the task at line i: those after it up to
    // the next heading or task.
    static std::size_t UppgiftTillNySida(const WorksheetList& list, std::size_t i) {
        std::size_t n = 0;
        while (i + 1 + n < list.lines.size() && list.kinds[i + 1 + n] == LineKind::Other)
            ++n;
        return n;
    }

    // Whether the heading at line i has an instruction line under it.
    static bool InstruktionFinns(const WorksheetList& list, std::size_t i) {
        return i + 1 < list.lines.size() && list.kinds[i + 1] == LineKind::SubHeading;
    }

    void SkrivSidNr() {
        const std::string number = std::to_string(m_pages.size());
        const PageFont font{10, false};
        page().text(m_frame.fitX(200, m_metrics.widthMm(number, font)), 2, number, font);
    }
    void SkrivProgramNamn() { page().text(2, 2, "Glosbo", PageFont{8, false}); }

    void newPage() {
        m_pages.emplace_back();
        SkrivSidNr();
        SkrivProgramNamn();
        m_lineHeight = height(kProbe, kBody);
        m_y = 4;
    }

    void framedHeading(bool withAnswers) {
        SkrivSidNr();
        const std::string title =
            withAnswers ? "Arbetsblad fr\xE5n Glosbo. Facit." : "Arbetsblad fr\xE5n Glosbo.";
        const PageFont big{22, true}, small{8, false};
        const double w = m_metrics.widthMm(title, big);
        const double h = height("Arbetsblad fr\xE5n ", big);
        const double h2 = height("TOLM ", small);
        const double y0 = 2;
        page().rectangle(18, y0, 22 + w, y0 + 6 + h + h2);
        page().rectangle(19, y0 + 1, 21 + w, y0 + 5 + h + h2);
        page().text(kLeft, y0 + 2, title, big);
        page().text(kLeft, y0 + 2 + h, "Ett program fr\xE5n TOLM DATA.", small);
        m_y = y0 + h + h2 + 2;
        m_lineHeight = height(kProbe, PageFont{16, false});
    }

    const PageMetrics& m_metrics;
    const PageFrame& m_frame;
    std::vector<Page> m_pages;
    double m_y = 0;
    double m_lineHeight = 0;
};

} // namespace

std::vector<Page> layOutWorksheet(const WorksheetList& list, bool withAnswers,
                                  const PageMetrics& metrics, const PageMargins& printer) {
    const PageFrame frame(printer);
    std::vector<Page> pages = WorksheetLayout(metrics, frame).run(list, withAnswers);
    frame.place(pages);
    return pages;
}

std::vector<Page> Worksheets::layout(bool withAnswers, const PageMetrics& metrics,
                                     const PageMargins& printer) const {
    return layOutWorksheet(list(withAnswers), withAnswers, metrics, printer);
}

} // namespace glosbo::core

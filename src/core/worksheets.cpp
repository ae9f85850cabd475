#include "core/worksheets.h"

#include <cctype>
#include <cmath>

#include "core/cp1252.h"

namespace glosbo::core {

void Worksheets::clear() {
    m_questions.clear();
    m_answers.clear();
    m_headingNumber = 0;
    m_taskNumber = 0;
}

void Worksheets::addHeading(std::string_view title, std::string_view subHeading) {
    if (!m_headingPending) return;
    ++m_headingNumber;
    m_title = std::string(title.substr(0, kTitleLength));
    const std::string heading =
        std::to_string(m_headingNumber) + ".  " + std::string(title.substr(0, kTitleLength));
    for (auto* list : {&m_questions, &m_answers}) {
        list->push_back(heading);
        if (!subHeading.empty()) list->emplace_back(subHeading.substr(0, kTitleLength));
    }
    m_headingPending = false;
}

std::string Worksheets::nextItemPrefix() const {
    return itemPrefix(m_taskNumber + 1);
}

void Worksheets::addTask(const TaskLines& task) {
    ++m_taskNumber;
    m_questions.insert(m_questions.end(), task.questions.begin(), task.questions.end());
    m_answers.insert(m_answers.end(), task.answers.begin(), task.answers.end());
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
    const auto starts = [&](std::string_view prefix) { return upper.rfind(prefix, 0) == 0; };
    std::string name(category);
    if (starts("ACK")) name = "ackusativ";
    if (starts("DAT")) name = "dativ";
    if (upper == "PRED.F.") name = "predikatsfyllnad";
    if (starts("SUBJ")) name = "subjekt";
    if (starts("AKT")) name = "aktiv";
    if (starts("SUBS")) name = "substantiv";
    if (starts("PASS")) name = "passiv";
    if (starts("PREDI")) name = "predikat";
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

std::string withBlankGap(std::string line, std::size_t longest) {
    const auto gap = line.find('?');
    if (gap != std::string::npos) line.replace(gap, 1, std::string(2 * longest, '_'));
    return line;
}

} // namespace

TaskLines writeAnswerTask(std::string_view prefix, std::string_view question,
                          std::string_view answerText) {
    const std::string first = std::string(prefix) + std::string(question);
    return {{first, std::string(kIndent) + std::string(57, '_')},
            {first, std::string(kIndent) + std::string(answerText)}};
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

enum class LineKind { Empty, Heading, Task, Other };

LineKind kindOf(std::string_view line) {
    if (line.empty()) return LineKind::Empty;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digit(line[0])) return LineKind::Heading;
    for (std::size_t k = 1; k < line.size() && k < 9; ++k)
        if (line[k] == '.' && digit(line[k - 1])) return LineKind::Task;
    return LineKind::Other;
}

// Lays the lines of a worksheet out on pages: a framed heading on the first
// page, page number and program name on the others, and no heading or task
// split from the lines that belong to it.
class WorksheetLayout {
public:
    WorksheetLayout(const PageMetrics& metrics) : m_metrics(metrics) {}

    std::vector<Page> run(const std::vector<std::string>& lines, bool withAnswers) {
        m_pages.emplace_back();
        framedHeading(withAnswers);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const LineKind kind = kindOf(lines[i]);
            if (kind == LineKind::Heading || kind == LineKind::Task) {
                const std::size_t belonging =
                    kind == LineKind::Heading ? 3 : otherLinesAfter(lines, i);
                if (m_y + kMmPerLine * double(belonging) > kLastLine) newPage();
            }
            switch (kind) {
            case LineKind::Heading: {
                m_y += 2;
                const PageFont bold16{16, true};
                m_y += height(kProbe, bold16);
                page().text(kLeft, m_y, lines[i], bold16);
                // An instruction line right after a heading is printed bold too.
                if (i + 1 < lines.size() && kindOf(lines[i + 1]) == LineKind::Other) {
                    const PageFont bold14{14, true};
                    m_y += height(lines[i + 1], bold14) + 1;
                    page().text(kLeft, m_y, lines[i + 1], bold14);
                    ++i;
                }
                m_lineHeight = height(kProbe, kBody);
                break;
            }
            case LineKind::Task:
                m_y += 2;
                [[fallthrough]];
            case LineKind::Empty:
            case LineKind::Other:
                m_y += m_lineHeight + 1;
                if (!lines[i].empty()) page().text(kLeft, m_y, lines[i], kBody);
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

    // Text heights count in whole millimetres, as the lines are placed.
    double height(std::string_view text, const PageFont& font) const {
        return std::round(m_metrics.heightMm(text, font));
    }

    static std::size_t otherLinesAfter(const std::vector<std::string>& lines, std::size_t i) {
        std::size_t n = 0;
        while (i + 1 + n < lines.size() && kindOf(lines[i + 1 + n]) == LineKind::Other)
            ++n;
        return n;
    }

    void pageNumber() { page().text(200, 2, std::to_string(m_pages.size()), PageFont{10, false}); }

    void newPage() {
        m_pages.emplace_back();
        pageNumber();
        page().text(2, 2, "Glosbo", PageFont{8, false});
        m_y = 4;
    }

    void framedHeading(bool withAnswers) {
        pageNumber();
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
    std::vector<Page> m_pages;
    double m_y = 0;
    double m_lineHeight = 0;
};

} // namespace

std::vector<Page> Worksheets::layout(bool withAnswers, const PageMetrics& metrics) const {
    return WorksheetLayout(metrics).run(withAnswers ? m_answers : m_questions, withAnswers);
}

} // namespace glosbo::core

#include "core/verb_cycle.h"

#include <algorithm>

namespace glosbo::core {

void VerbCycle::start() {
    m_row = 0;
    m_runCount = 0;
    m_wrongCount = 0;
    m_rightCount = 0;
    m_drawNew = true;
    m_lastRight = false;
}

bool VerbCycle::nextQuestion() {
    const bool drawNew = m_drawNew;
    if (drawNew)
        m_row = m_row >= kRows ? 1 : m_row + 1;
    else
        m_repeated = true;
    m_drawNew = false;
    return drawNew;
}

bool VerbCycle::answer(bool right) {
    m_lastRight = right;
    if (!right) {
        ++m_wrongCount;
        return false;
    }
    m_drawNew = true;
    ++m_rightCount;
    ++m_runCount;
    if (m_runCount >= kRows || m_row > kRows - 1) {
        m_runCount = 0;
        return true;
    }
    return false;
}

std::string VerbCycle::verdict(int wrongCount) {
    std::string text = "Du gjorde " + std::to_string(wrongCount) + " fel.";
    if (wrongCount == 0)
        text += " Grattis!";
    else if (wrongCount <= 2)
        text += " F\xF6rs\xF6k att f\xE5 alla r\xE4tt!";
    else if (wrongCount <= 4)
        text += " F\xF6rs\xF6k en g\xE5ng till!";
    return text;
}

bool acceptsVerbForm(const RecordFields& fields, std::string typed) {
    return svarstest(fields, fields[2], typed, CompareKind::IgnoreCase) == kAnswerRight;
}

std::string verbRecordFault(const RecordFields& fields) {
    if (fields[1].empty()) return "no verb";
    if (fields.fieldCount < 2 || fields[2].empty() ||
        fields.alternativeCount >= fields.fieldCount - 1)
        return "no form";
    return {};
}

std::vector<std::string> recordAlternatives(const RecordFields& fields) {
    std::vector<std::string> alternatives;
    const int first = fields.fieldCount - fields.alternativeCount + 1;
    for (int k = std::max(first, 1); k <= fields.fieldCount; ++k)
        if (!fields[k].empty()) alternatives.push_back(fields[k]);
    return alternatives;
}

TaskLines verbTask(std::string_view prefix, const RecordFields& fields) {
    return writeAnswerTask(prefix, fields[1], UtSkriftSvar(fields[2], recordAlternatives(fields)));
}

} // namespace glosbo::core

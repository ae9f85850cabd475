#include "core/dictation.h"

namespace glosbo::core {

bool dictationOffersHelp(const RecordFields& record) {
    if (record[3].empty()) return false;
    int filled = 0;
    for (int i = record.alternativeCount + 3; i <= 5 && !record[i].empty(); ++i)
        ++filled;
    return filled == 1 || filled == 2;
}

bool acceptsDictatedWord(const RecordFields& record, std::string typed) {
    return svarstest(record, record[1], typed, CompareKind::IgnoreCase) == kAnswerRight;
}

} // namespace glosbo::core

#include "core/picture_questions.h"

namespace glosbo::core {

PictureQuestionLines pictureQuestionLines(const std::array<std::string, 4>& wrapped) {
    // A line of nothing but spaces comes back empty from the wrapping; the
    // question goes on after it, so the line after it is not dropped.
    if (wrapped[2].empty() && !wrapped[3].empty()) return {wrapped[1], wrapped[3]};
    if (wrapped[2].empty()) return {{}, wrapped[1]};
    std::string lower = wrapped[2];
    if (!wrapped[3].empty()) lower += "\n" + wrapped[3];
    return {wrapped[1], lower};
}

std::string pictureTestText(const RecordFields& fields) {
    return fields[2] + ", " + fields[3] + ", " + fields[4] + ", " + fields[5];
}

std::string pictureQuestionFile(std::uint16_t programNumber) {
    switch (programNumber) {
    case 38100:
        return "KROPPEN.BMP";
    case 38200:
        return "HUVUDET.BMP";
    default:
        return {};
    }
}

namespace {
bool blank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}
} // namespace

void checkPictureQuestion(const RecordFields& fields, std::vector<std::string>& problems) {
    if (blank(fields[1])) problems.push_back("no question (field 1)");
    if (fields.fieldCount < 2 || blank(fields[2]))
        problems.push_back("no answer (field 2)");
    else if (fields.alternativeCount >= fields.fieldCount - 1)
        problems.push_back("the answer (field 2) is marked '&': put the alternatives after it");
}

} // namespace glosbo::core

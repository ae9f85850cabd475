#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/record_fields.h"

namespace glosbo::core {

// The two question labels of the picture questions, from the lines the
// question wraps into (lines 1..3 of dela_mening). A question of one line
// stands in the lower label alone; a longer one starts in the upper label
// and goes on in the lower one, line 3 under line 2 so that it keeps
// within the width it was wrapped to.
struct PictureQuestionLines {
    std::string upper; // empty: the upper label is hidden
    std::string lower; // one line, or two separated by '\n'
};
PictureQuestionLines pictureQuestionLines(const std::array<std::string, 4>& wrapped);

// The hidden test text of a record: fields 2 to 5 joined by ", ".
std::string pictureTestText(const RecordFields& fields);

// The picture of a picture-question program ("KROPPEN.BMP"), for when the
// window is opened without one named; empty for other programs.
std::string pictureQuestionFile(std::uint16_t programNumber);

// What glosbo-data check finds wrong with a record of the picture
// questions: question # answer # &alternatives.
void checkPictureQuestion(const RecordFields& fields, std::vector<std::string>& problems);

} // namespace glosbo::core

#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The voice of the word sounds and the words it is told how to say.
namespace glosbo::tool {

// espeak-ng's Swedish voice, slow and clear for a child: the options before
// the text.
std::vector<std::string> espeakVoiceArguments();

// Words espeak-ng says wrongly, by upper-cased Windows-1252 word, and the
// input that says them right (phonemes in "[[...]]").
using Overrides = std::map<std::string, std::string>;

// Lines "WORD [[phonemes]]"; empty lines and lines starting with '#' are
// skipped. Nothing, and "LINE: problem" texts, when a line is malformed.
std::optional<Overrides> parseOverrides(std::string_view text, std::vector<std::string>& problems);

// What espeak-ng is given for a text: its override, or the text itself.
std::string espeakInput(const Overrides& overrides, const std::string& text);

} // namespace glosbo::tool

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data_roots.h"

namespace glosbo::core {

// The sound directory of an exercise: "S" + the first three digits of the
// program number (four for 23101); "S11" becomes "S111".
std::string GeLjudDirectory(std::uint16_t programNumber);

// True for the programs whose sounds all lie in the sound directory itself,
// however many records the file has.
bool keepsSoundsTogether(std::uint16_t programNumber);

// True for the exercises whose own word sounds play to the end before the
// exercise goes on. Only the exercise window asks this, for its own program;
// sounds of pages without an exercise never wait.
bool waitsForSound(std::uint16_t programNumber);

// "S231007.WAV": a sound named by record number.
std::string recordSoundName(const std::string& soundDirectory, int recordNumber);
// "hundvalp.WAV": a sound named by the first eight characters of a word.
std::string wordSoundName(const std::string& word);

// What the sound service should do for one request.
struct SoundRequest {
    std::optional<std::string> path; // the file to play, when it exists
    std::u8string missingMessage;    // shown when path is empty
};

// Finds the file of a sound request: a root sound lies directly in "/LJUD";
// any other in the exercise's sound directory, in "L<r div 100>" below it
// for files of 100 records or more. PC path first, then CD path. fileName is
// Windows-1252, as records hold it.
struct SoundContext {
    std::string soundDirectory;
    std::uint16_t programNumber = 0;
    int recordCount = 0;
    int recordNumber = 0; // the error record number in error practice
};
SoundRequest SpelaUppWavLjud(const DataRoots& roots, const std::string& fileName, bool rootSound,
                             const SoundContext& context);

// The translation lists: words and their English or German translations.
struct TranslationLists {
    std::vector<std::string> words;
    std::vector<std::string> translations;
};

// Loads "GLOSENG.DAT" (1) or "GLOSTYS.DAT" (2). With translation 0 or no file
// under either root, the lists keep their content.
void FyllEngListan(const DataRoots& roots, int soundTranslation, TranslationLists& lists);

// The translation of a word (Windows-1252): the list's entry for the word as
// written, else for its lower-case form, since a word that begins its
// sentence ("Vem", "Kom") is listed in lower case. Null when not listed.
const std::string* findTranslation(const TranslationLists& lists, const std::string& word);

} // namespace glosbo::core

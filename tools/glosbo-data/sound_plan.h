#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/spoken_word.h"

// Which word sounds a data root calls for: the exercise windows that speak
// play one sound per record, named by record number, and each window says
// something of its own from the record.
namespace glosbo::tool {

using core::SpokenPart;
using core::spokenPartOf;

// One word sound the root calls for.
struct WordSound {
    std::string path;   // relative to the root, '/'-separated: "LJUD/S231/S231007.WAV"
    std::string text;   // what is said, UTF-8
    std::string origin; // "SVE23100.DAT record 7", for messages
    std::uint16_t programNumber = 0;
};

// The spoken text of one record (Windows-1252 in, UTF-8 out); empty when the
// record gives nothing to say.
std::string spokenText(SpokenPart part, std::uint16_t programNumber, const std::string& line);

struct SoundPlan {
    std::vector<WordSound> sounds;    // in file-list and record order, each path once
    std::vector<std::string> silent;  // records that give nothing to say
    std::vector<std::string> clashes; // two records that would say different things in one sound
};

// Reads ROOT/DATA/datfiler.sve and the exercise files it lists.
SoundPlan planWordSounds(const std::string& root);

} // namespace glosbo::tool

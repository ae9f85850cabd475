#pragma once

#include <array>

#include "core/sources.h"

namespace glosbo::core {

// One random order of 1..900 shared by all files: a file of n records draws
// the entries that are at most n, in the order they stand, so each file
// walks its own records without repetition.
class DrawPermutation {
public:
    static constexpr int kSize = 900;

    DrawPermutation();

    // Shuffles lo..hi into entries 1..(hi-lo+1); later entries keep their values.
    void shuffle(int lo, int hi, RandomSource& random);

    // The k-th entry (1-based) whose value is at most n, then advances the
    // position k (wrapping from n to 1). Files of more than 900 records draw
    // among their first 900. Returns 0 for an empty file.
    int haemta_slumptal(int& position, int n) const;

    int entry(int i) const { return m_entries[i]; } // 1..900

private:
    std::array<int, kSize + 1> m_entries{};
};

} // namespace glosbo::core

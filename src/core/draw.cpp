#include "core/draw.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace glosbo::core {

DrawPermutation::DrawPermutation() {
    for (int i = 1; i <= kSize; ++i)
        m_entries[i] = i;
}

void DrawPermutation::shuffle(int lo, int hi, RandomSource& random) {
    // Record numbers start at 1; the draw hands them on as unsigned numbers.
    assert(lo >= 1);
    const int n = std::min(hi - lo + 1, kSize);
    std::vector<int> left;
    left.reserve(std::max(n, 0));
    for (int v = 1; v <= n; ++v)
        left.push_back(v);
    for (int out = 1; !left.empty(); ++out) {
        const int pick = random.below(static_cast<int>(left.size()));
        m_entries[out] = left[pick] + lo - 1;
        left.erase(left.begin() + pick);
    }
}

int DrawPermutation::haemta_slumptal(int& position, int n) const {
    n = std::min(n, kSize);
    if (n <= 0) return 0;
    if (position < 1 || position > n) position = 1;
    int result = 0;
    for (int i = 1, seen = 0; i <= kSize; ++i) {
        if (m_entries[i] <= n && ++seen == position) {
            result = m_entries[i];
            break;
        }
    }
    position = position < n ? position + 1 : 1;
    return result;
}

} // namespace glosbo::core

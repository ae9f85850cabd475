#include "core/put_in_order.h"

#include <algorithm>
#include <numeric>

#include "core/cp1252.h"

namespace glosbo::core {

std::vector<std::string> orderItems(const RecordFields& fields) {
    std::vector<std::string> items;
    for (int i = 1; i <= fields.fieldCount && i <= kMostOrderItems && !fields[i].empty(); ++i)
        items.push_back(fields[i]);
    return items;
}

bool canBeScrambled(const std::vector<std::string>& items) {
    return items.size() >= 2 &&
           std::adjacent_find(items.begin(), items.end(), std::not_equal_to<>()) != items.end();
}

std::vector<std::string> scrambledOrder(const std::vector<std::string>& items,
                                        RandomSource& random) {
    if (!canBeScrambled(items)) return items;
    // A few draws nearly always give a new order; should they not, a turn by
    // one place does, as only a list of equal items is its own turn.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::vector<std::string> left = items;
        std::vector<std::string> shown;
        while (!left.empty()) {
            const int pick = random.below(int(left.size()));
            shown.push_back(left[std::size_t(pick)]);
            left.erase(left.begin() + pick);
        }
        if (shown != items) return shown;
    }
    std::vector<std::string> shown = items;
    std::rotate(shown.begin(), shown.begin() + 1, shown.end());
    return shown;
}

void moveItem(std::vector<std::string>& items, int from, int to) {
    const int n = int(items.size());
    if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
    std::string item = std::move(items[std::size_t(from)]);
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, std::move(item));
}

namespace {

// The place of a letter in Swedish alphabetical order: the letters as their
// capitals, Å Ä Ö after Z, and the accented letters with their base letter.
int sortKey(char c) {
    const auto u = static_cast<unsigned char>(upperCp1252(c));
    switch (u) {
    case 0xC5:
        return 'Z' + 1; // Å
    case 0xC4:
        return 'Z' + 2; // Ä
    case 0xC6:
        return 'Z' + 2; // Æ
    case 0xD6:
        return 'Z' + 3; // Ö
    case 0xD8:
        return 'Z' + 3; // Ø
    case 0xC9:
    case 0xC8:
    case 0xCA:
    case 0xCB:
        return 'E';
    case 0xDC:
        return 'Y';
    case 0xC1:
    case 0xC0:
    case 0xC2:
        return 'A';
    default:
        return u < 'Z' + 1 ? u : u + 0x100;
    }
}

} // namespace

int compareSwedish(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = sortKey(a[i]) - sortKey(b[i]);
        if (d != 0) return d;
    }
    return int(a.size()) - int(b.size());
}

} // namespace glosbo::core

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

} // namespace glosbo::core

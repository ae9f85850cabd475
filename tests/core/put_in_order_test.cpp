#include <gtest/gtest.h>

#include <algorithm>

#include "core/cp1252.h"
#include "core/put_in_order.h"

using namespace glosbo::core;

namespace {

RecordFields record(const char* utf8) {
    return str_postarray(*utf8ToCp1252(utf8));
}

// Always the same number: a source that would repeat one order for ever.
class StuckRandom final : public RandomSource {
public:
    void seedFromClock() override {}
    int below(int) override { return 0; }
};

} // namespace

// Items run from field 1 to the first empty field, eight at most.
TEST(OrderItems, TakesTheFieldsUpToEight) {
    EXPECT_EQ(orderItems(record("Anna#Bo#Cecilia")),
              (std::vector<std::string>{"Anna", "Bo", "Cecilia"}));
    EXPECT_EQ(orderItems(record("a#b#c#d#e#f#g#h#i")).size(), 8u);
    EXPECT_EQ(orderItems(record("a#b##d")).size(), 2u);
    EXPECT_TRUE(canBeScrambled({"a", "a", "b"}));
    EXPECT_FALSE(canBeScrambled({"a"}));
    EXPECT_FALSE(canBeScrambled({"a", "a", "a"}));
    EXPECT_FALSE(canBeScrambled({}));
}

// The order shown is never the right one, even from a source that always
// gives the same number, and holds the same items.
TEST(ScrambledOrder, NeverStartsRight) {
    SeededRandom seeded(2);
    StuckRandom stuck;
    const std::vector<std::vector<std::string>> lists = {
        {"Anna", "Bo", "Cecilia"}, {"a", "b"}, {"a", "a", "b"}, {"x", "y", "x", "y"}};
    for (const auto& items : lists) {
        for (int i = 0; i < 50; ++i) {
            auto shown = scrambledOrder(items, seeded);
            EXPECT_NE(shown, items);
            std::sort(shown.begin(), shown.end());
            auto sorted = items;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(shown, sorted);
        }
        EXPECT_NE(scrambledOrder(items, stuck), items);
    }
}

// Up before the target, down after it; out of range nothing moves.
TEST(MoveItem, TakesTheTargetsPlace) {
    struct Case {
        int from, to;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {2, 0, {"c", "a", "b", "d"}}, {0, 2, {"b", "c", "a", "d"}}, {3, 1, {"a", "d", "b", "c"}},
        {1, 1, {"a", "b", "c", "d"}}, {1, 4, {"a", "b", "c", "d"}}, {-1, 0, {"a", "b", "c", "d"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> items = {"a", "b", "c", "d"};
        moveItem(items, c.from, c.to);
        EXPECT_EQ(items, c.after) << c.from << " -> " << c.to;
    }
}

// Case ignored, Å Ä Ö after Z in that order, shorter first.
TEST(CompareSwedish, PutsTheSwedishLettersLast) {
    const std::vector<const char*> ordered = {"adam",  "Ali",  "Alva",  "Ann",  "Anna",
                                              "Emil",  "Éva",  "Ewa",   "Zara", "Åke",
                                              "ängel", "Ärla", "Örjan", "östen"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        const std::string a = *utf8ToCp1252(ordered[i]);
        const std::string b = *utf8ToCp1252(ordered[i + 1]);
        EXPECT_LT(compareSwedish(a, b), 0) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_GT(compareSwedish(b, a), 0);
    }
    EXPECT_EQ(compareSwedish("ANNA", "anna"), 0);
}

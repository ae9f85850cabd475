#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/draw.h"

using namespace glosbo::core;

TEST(Draw, EachCycleDrawsEveryRecordOnce) {
    SeededRandom random(7);
    DrawPermutation perm;
    perm.shuffle(1, 900, random);
    for (int n : {1, 5, 900}) {
        int position = 1;
        std::vector<int> first;
        for (int i = 0; i < n; ++i)
            first.push_back(perm.haemta_slumptal(position, n));
        std::vector<int> sorted = first;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(sorted[i], i + 1) << "n=" << n;
        EXPECT_EQ(position, 1);
        EXPECT_EQ(perm.haemta_slumptal(position, n), first[0]); // the order starts again
    }
}

TEST(Draw, ShuffleIsAPermutationAndKeepsLaterEntries) {
    SeededRandom random(3);
    DrawPermutation perm;
    perm.shuffle(1, 900, random);
    std::set<int> seen;
    for (int i = 1; i <= 900; ++i)
        seen.insert(perm.entry(i));
    EXPECT_EQ(seen.size(), 900u);
    EXPECT_EQ(*seen.begin(), 1);

    const int tenth = perm.entry(10);
    perm.shuffle(11, 15, random);
    std::set<int> head;
    for (int i = 1; i <= 5; ++i)
        head.insert(perm.entry(i));
    EXPECT_EQ(head, (std::set<int>{11, 12, 13, 14, 15}));
    EXPECT_EQ(perm.entry(10), tenth);
}

TEST(Draw, LargeAndEmptyFiles) {
    SeededRandom random(1);
    DrawPermutation perm;
    perm.shuffle(1, 900, random);
    int position = 1;
    EXPECT_EQ(perm.haemta_slumptal(position, 0), 0);
    position = 950; // beyond what the permutation holds
    const int r = perm.haemta_slumptal(position, 1000);
    EXPECT_GE(r, 1);
    EXPECT_LE(r, 900);
}

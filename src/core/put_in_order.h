#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/record_fields.h"
#include "core/sources.h"
#include "core/swedish_order.h"

// The put-in-order exercises: a record's fields are its items in the right
// order; the pupil gets them scrambled and moves them back into that order.
namespace glosbo::core {

constexpr int kMostOrderItems = 8;

// The items of a record: field 1 up to the first empty field, at most eight.
std::vector<std::string> orderItems(const RecordFields& fields);

// Whether a list can be shown in an order other than its own: at least two
// items, not all equal. Records outside that cannot be asked.
bool canBeScrambled(const std::vector<std::string>& items);

// The items in a random order that differs from theirs. The order is drawn
// from the random source as it runs: drawing again from a source seeded anew
// from the clock would give the same order until the clock moved on.
std::vector<std::string> scrambledOrder(const std::vector<std::string>& items,
                                        RandomSource& random);

// Moves the item at from to the place of the item at to: moving up, it goes
// before that item, moving down after it; the items between shift by one.
void moveItem(std::vector<std::string>& items, int from, int to);

} // namespace glosbo::core

#pragma once

#include <functional>
#include <string>

#include "core/app_state.h"

// Drawing the records of a word game: a record outside the game's format is
// passed over rather than shown broken.
namespace glosbo::core {

using RecordCheck = bool (*)(const RecordFields&);

// Draws the next record of the current file's random order whose line, as it
// stands in the file, passes the check, and makes it the current record; 0
// when a whole round of the order finds none.
int drawRecord(AppState& state, const std::function<bool(const std::string& line)>& usable);

// Draws the next record of the current file's random order that passes the
// check and leaves it split in the shared record fields; 0 when a whole round
// of the order finds none.
int drawUsableRecord(AppState& state, RecordCheck usable);

} // namespace glosbo::core

#pragma once

#include "core/app_state.h"

// Drawing the records of a word game: a record outside the game's format is
// passed over rather than shown broken.
namespace glosbo::core {

using RecordCheck = bool (*)(const RecordFields&);

// Draws the next record of the current file's random order that passes the
// check and leaves it split in the shared record fields; 0 when a whole round
// of the order finds none.
int drawUsableRecord(AppState& state, RecordCheck usable);

} // namespace glosbo::core

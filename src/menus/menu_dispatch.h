#pragma once

#include "app/window_registry.h"
#include "menus/menu_table.h"

namespace glosbo::menus {

// Runs what a menu entry opens, modally, and returns when it has closed.
// An exercise entry makes its data file current and checks it with Kolla
// first; a file Kolla rejects (the pupil has seen why) opens nothing. A
// window that is not in the registry is not ready in this version: a message
// says so and nothing else happens. Returns false when the entry's file was
// rejected. A back entry does nothing here: the menu closes itself.
bool runEntry(const MenuEntry& entry, const app::WindowContext& context);

// What the pupil is told about an entry whose window is not ready (UTF-8).
inline constexpr const char8_t* kNotReadyMessage = app::kNotReadyMessage;

} // namespace glosbo::menus

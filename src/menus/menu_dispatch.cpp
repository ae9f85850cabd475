#include "menus/menu_dispatch.h"

#include "app/services.h"
#include "core/app_state.h"

namespace glosbo::menus {

bool runEntry(const MenuEntry& entry, const app::WindowContext& context) {
    const app::WindowRegistry& windows = context.services.windows;
    core::AppState& state = context.state;
    switch (entry.kind) {
    case EntryKind::Back:
        return true;
    case EntryKind::Submenu:
    case EntryKind::Window:
        windows.openOrSayNotReady(entry.opens, context);
        return true;
    case EntryKind::PictureExercise:
        state.pictureFileName = entry.picture;
        [[fallthrough]];
    case EntryKind::Exercise:
    case EntryKind::PlayerNameExercise:
        break;
    }
    const bool ready = windows.has(entry.opens) && (entry.kind != EntryKind::PlayerNameExercise ||
                                                    windows.has(kPlayerNameWindow));
    if (!ready) {
        context.services.messages.information(kNotReadyMessage);
        return true;
    }

    state.files.currentExerciseFile = entry.dataFile;
    if (!state.files.Kolla(entry.dataFile)) return false;
    if (entry.kind == EntryKind::PlayerNameExercise) {
        state.playerNamesCancelled = false;
        windows.open(kPlayerNameWindow, context);
        if (state.playerNamesCancelled) return true;
    }
    windows.open(entry.opens, context);
    return true;
}

} // namespace glosbo::menus

#include "menus/menu_dispatch.h"

#include <QDialog>

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

    state.selectExercise(entry.dataFile);
    if (!state.files.Kolla(entry.dataFile)) return false;
    // A game starts only when the players were named; a cancelled
    // player-name window leaves the pupil in the menu.
    if (entry.kind == EntryKind::PlayerNameExercise &&
        windows.open(kPlayerNameWindow, context) != QDialog::Accepted)
        return true;
    app::WindowContext request = context;
    if (entry.kind == EntryKind::PictureExercise) request.pictureFileName = entry.picture;
    windows.open(entry.opens, request);
    return true;
}

} // namespace glosbo::menus

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The menu tree below the main window: every menu, its entries in screen
// order, and what each entry opens. Texts are UTF-8.
namespace glosbo::menus {

enum class EntryKind {
    Submenu,            // opens the menu named by `opens`
    Exercise,           // checks `dataFile`, then opens the window `opens`
    PictureExercise,    // as Exercise, with the picture `picture` set first
    PlayerNameExercise, // as Exercise, with the player-name window before the game `opens`
    Window,             // opens the window `opens`, no data file
    Back,               // closes the menu
};

struct MenuEntry {
    std::string caption;
    EntryKind kind = EntryKind::Back;
    std::string dataFile; // exercise kinds only
    std::string opens;    // menu or window class name; empty for Back
    std::string picture;  // PictureExercise only
    bool worksheetDisabled = false;

    bool isExercise() const {
        return kind == EntryKind::Exercise || kind == EntryKind::PictureExercise ||
               kind == EntryKind::PlayerNameExercise;
    }
};

struct Menu {
    std::string name; // class name and objectName: "TF1", "TF23", ...
    std::string title;
    std::vector<MenuEntry> entries; // the last one is the back entry
    // TF3 has larger buttons and texts than the other menus.
    bool large = false;
};

// The window that asks for the players before the odd-one-out game.
inline constexpr const char* kPlayerNameWindow = "TSpelNam";

const std::vector<Menu>& menuTable();

// The menu with that class name; nullptr when there is none.
const Menu* findMenu(std::string_view name);

// The exercise entry whose data file has that name, compared without regard
// to case (teachers may type names in lower case); nullptr when no entry
// reads it.
const MenuEntry* findExerciseEntry(std::string_view dataFile);

// The entry that opens that window without a data file ("TVokalex"),
// compared without regard to case; nullptr when none does.
const MenuEntry* findWindowEntry(std::string_view window);

// The windows an entry opens, in the order it opens them.
std::vector<std::string> windowsOpenedBy(const MenuEntry& entry);

} // namespace glosbo::menus

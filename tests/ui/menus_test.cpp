#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "app/text_measure.h"
#include "catalogue/window_catalogue.h"
#include "menus/menu_dispatch.h"
#include "menus/menu_table.h"
#include "menus/menu_window.h"
#include "ui_support.h"

using glosbo::menus::EntryKind;
using glosbo::menus::Menu;
using glosbo::menus::MenuWindow;
using glosbo::test::Harness;
namespace app = glosbo::app;
namespace core = glosbo::core;
namespace menus = glosbo::menus;

namespace {

const Menu& menuNamed(const std::string& name) {
    const Menu* menu = menus::findMenu(name);
    EXPECT_NE(menu, nullptr) << name;
    return *menu;
}

// The index of the entry with that caption; fails the test when absent.
int entryIndex(const Menu& menu, const std::string& caption) {
    for (std::size_t i = 0; i < menu.entries.size(); ++i)
        if (menu.entries[i].caption == caption) return int(i);
    ADD_FAILURE() << menu.name << " has no entry " << caption;
    return 0;
}

// A window that stands in for one not built here: it notes what the shared
// state held when it was made.
struct FakeWindow {
    std::string exerciseFile;
    std::string pictureFile;
    int recordCount = -1;
    int made = 0;
};

void registerFake(Harness& h, const std::string& name, FakeWindow& seen,
                  std::function<void(core::AppState&)> onCreate = {}) {
    h.windows.add(name, [name, &seen, onCreate](const app::WindowContext& c) {
        ++seen.made;
        seen.exerciseFile = c.state.files.currentExerciseFile;
        seen.pictureFile = c.pictureFileName;
        seen.recordCount = c.state.files.file(c.state.files.currentFileIndex).recordCount;
        if (onCreate) onCreate(c.state);
        auto window = std::make_unique<QDialog>(c.parent);
        window->setObjectName(QString::fromStdString(name));
        return window;
    });
}

// Adds exercise files (one record each) to the harness's data root.
void addExerciseFiles(Harness& h, const std::vector<std::string>& names) {
    std::string list = "SVE11111.DAT\r\n";
    for (const std::string& name : names) {
        std::ofstream(h.path("DATA/DAT/" + name), std::ios::binary) << "$Rubrik\r\nord#svar\r\n";
        list += name + "\r\n";
    }
    std::ofstream(h.path("DATA/datfiler.sve"), std::ios::binary) << list;
    h.state->startUp();
}

// Runs steps against the modal window in front as each one comes up, while
// the test's own call is blocked in a modal loop. Anything still open after
// the time limit is closed, so a broken step fails rather than hangs.
class FrontWindowScript : public QObject {
public:
    struct Step {
        std::string front; // objectName of the window that must be in front
        std::function<void(QWidget&)> action;
    };
    explicit FrontWindowScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start();
        QTimer::singleShot(5000, this, [this] {
            m_poll.stop();
            while (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
    }
    std::size_t done() const { return m_next; }

private:
    void poll() {
        QWidget* front = QApplication::activeModalWidget();
        if (m_next >= m_steps.size() || !front ||
            front->objectName().toStdString() != m_steps[m_next].front)
            return;
        // The action may open a window of its own: run it after this poll.
        auto action = m_steps[m_next++].action;
        QTimer::singleShot(0, front, [front, action] { action(*front); });
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    QTimer m_poll;
};

} // namespace

// --- The table ----------------------------------------------------------------

TEST(MenuTable, TreeIsCompleteAndEveryMenuIsRegistered) {
    const auto& table = menus::menuTable();
    EXPECT_EQ(table.size(), 28u);

    std::set<std::string> names, dataFiles, kinds;
    std::map<std::string, int> openedFrom;
    for (const Menu& menu : table) {
        EXPECT_TRUE(names.insert(menu.name).second) << "twice: " << menu.name;
        ASSERT_GE(menu.entries.size(), 2u) << menu.name;
        for (std::size_t i = 0; i < menu.entries.size(); ++i) {
            const auto& e = menu.entries[i];
            const bool last = i + 1 == menu.entries.size();
            EXPECT_EQ(e.kind == EntryKind::Back, last) << menu.name << " " << e.caption;
            kinds.insert(std::to_string(int(e.kind)));
            if (e.kind == EntryKind::Submenu) ++openedFrom[e.opens];
            if (e.isExercise()) {
                EXPECT_TRUE(dataFiles.insert(e.dataFile).second) << "twice: " << e.dataFile;
                EXPECT_EQ(e.dataFile.size(), 12u) << e.dataFile;
                EXPECT_EQ(e.dataFile.rfind("SVE", 0), 0u) << e.dataFile;
            }
            if (e.kind != EntryKind::Back) {
                EXPECT_FALSE(e.opens.empty()) << e.caption;
            }
        }
    }
    EXPECT_EQ(kinds.size(), 6u) << "every kind of entry is used";
    // Every menu below the main window's five is reached from one entry.
    for (const Menu& menu : table) {
        const bool top = menu.name.size() == 3;
        EXPECT_EQ(openedFrom[menu.name], top ? 0 : 1) << menu.name;
    }
    for (const auto& [menu, count] : openedFrom)
        EXPECT_TRUE(names.count(menu)) << "no menu " << menu;

    app::WindowRegistry registry;
    glosbo::catalogue::registerWindows(registry);
    for (const std::string& name : names)
        EXPECT_TRUE(registry.has(name)) << name;
}

// The windows built so far open by their class names, as the menus name them.
TEST(MenuTable, BuiltWindowsAreRegisteredByClassName) {
    app::WindowRegistry registry;
    glosbo::catalogue::registerWindows(registry);
    for (const char* name :
         {"TSKRIV",   "TFLERBAR", "TPassAkt",   "TSats",    "TOrdna",   "TBilden", "TKlockan",
          "TVokalex", "TPrank",   "Tberaetta",  "TSpelNam", "Tkatten",  "TFalska", "Tavsloj",
          "TSynon",   "TStallin", "TRegelform", "TDiag",    "Tdiaprot", "TNLOS",   "TRekord"})
        EXPECT_TRUE(registry.has(name)) << name;
}

TEST(MenuTable, TitlesAndEntriesSpotChecked) {
    struct Row {
        const char* menu;
        const char* title;
        std::size_t entries;
        const char* caption;
        EntryKind kind;
        const char* dataFile;
        const char* opens;
    };
    const Row rows[] = {
        {"TF1", "Sverige", 4, "Nationalsång", EntryKind::Window, "", "TSvHymn"},
        {"TF2", "Stavning", 6, "Kort-lång vokal", EntryKind::Submenu, "", "TF22"},
        {"TF21", "Vokalen", 5, "Examen", EntryKind::Window, "", "TVokalex"},
        {"TF22", "Kort eller lång vokal?", 4, "Dubbelskrivning 2", EntryKind::Exercise,
         "SVE22300.DAT", "TFLERBAR"},
        {"TF23", "Stava rätt", 11, "Homonymer", EntryKind::Exercise, "SVE23101.DAT", "TFLERBAR"},
        {"TF23", "Stava rätt", 11, "KS-'ljudet'", EntryKind::Exercise, "SVE23800.DAT", "TFLERBAR"},
        {"TF24", "Diktamen", 4, "Knepiga ord", EntryKind::Exercise, "SVE24300.DAT", "TSkrivinf"},
        {"TF25", "Skilja ljud", 8, "SJ - TJ", EntryKind::Exercise, "SVE25500.DAT", "TPassAkt"},
        {"TF3", "Dina ord", 11, "Stor eller liten", EntryKind::Exercise, "SVE31010.DAT",
         "TFLERBAR"},
        {"TF31", "Göra ord", 5, "Skarva", EntryKind::Exercise, "SVE31410.DAT", "TSynon"},
        {"TF311", "Vilket ord", 9, "Vilket ord 8", EntryKind::Exercise, "SVE31180.DAT", "TSKRIV"},
        {"TF32", "Ord som hör ihop", 5, "Katt bland hermeliner", EntryKind::Submenu, "", "TF322"},
        {"TF321", "Synonymer", 4, "Förklarat ord", EntryKind::Exercise, "SVE32130.DAT", "TInseTxt"},
        {"TF322", "Katt bland hermeliner", 3, "Liten katt", EntryKind::PlayerNameExercise,
         "SVE32220.DAT", "Tkatten"},
        {"TF33", "Språkkryddor", 4, "Talesätt 3", EntryKind::Exercise, "SVE33300.DAT", "TSkrivinf"},
        {"TF34", "Alfabetet", 9, "Före - mellan -efter", EntryKind::Exercise, "SVE34100.DAT",
         "TSKRIV"},
        {"TF36", "Avstavning", 3, "Svårare", EntryKind::Exercise, "SVE36200.DAT", "TSKRIV"},
        {"TF37", "Förkortningar", 4, "Bokstavsord", EntryKind::Exercise, "SVE37300.DAT", "TSKRIV"},
        {"TF38", "Du själv", 3, "Huvudets delar", EntryKind::PictureExercise, "SVE38200.DAT",
         "TBilden"},
        {"TF39", "Håll isär", 3, "Var - vart", EntryKind::Exercise, "SVE39200.DAT", "TFLERBAR"},
        {"TF4", "Grammatik", 8, "Plural", EntryKind::Exercise, "SVE45000.DAT", "TSKRIV"},
        {"TF41", "Ordkamp", 4, "Verb", EntryKind::Exercise, "SVE41300.DAT", "TFalska"},
        {"TF43", "Oregelbundna ord", 4, "Adjektiv", EntryKind::Exercise, "SVE43100.DAT",
         "TSkrivinf"},
        {"TF46", "Lite om verb", 5, "Transitiva - intransitiva", EntryKind::Exercise,
         "SVE46400.DAT", "TFLERBAR"},
        {"TF461", "TEMPUS", 6, "Pluskvamperfekt", EntryKind::Exercise, "SVE46140.DAT", "TSKRIVHI"},
        {"TF47", "Satsdelar", 5, "Ackusativ-, dativobjekt eller predikatsfyllnad ?",
         EntryKind::Exercise, "SVE47400.DAT", "TPassAkt"},
        {"TF5", "Diverse", 7, "Berätta", EntryKind::Exercise, "SVE53000.DAT", "Tberaetta"},
        {"TF54", "Läsgympa", 3, "Ord med tre bokstäver", EntryKind::Exercise, "SVE54200.DAT",
         "TLasLjud"},
        {"TF56", "Läsförståelse", 10, "Fabel 9", EntryKind::Exercise, "SVE56900.DAT", "TInseTxt"},
    };
    for (const Row& r : rows) {
        const Menu& menu = menuNamed(r.menu);
        EXPECT_EQ(menu.title, r.title) << r.menu;
        EXPECT_EQ(menu.entries.size(), r.entries) << r.menu;
        const auto& e = menu.entries[std::size_t(entryIndex(menu, r.caption))];
        EXPECT_EQ(e.kind, r.kind) << r.caption;
        EXPECT_EQ(e.dataFile, r.dataFile) << r.caption;
        EXPECT_EQ(e.opens, r.opens) << r.caption;
        EXPECT_EQ(menu.entries.back().caption,
                  r.menu == std::string("TF1") ? "Till huvudmenyn" : "Till föregående meny");
    }
    EXPECT_EQ(menuNamed("TF38").entries[0].picture, "KROPPEN.BMP");
    EXPECT_EQ(menuNamed("TF38").entries[1].picture, "HUVUDET.BMP");
}

// The (W) marks decide which menus and exercise windows worksheet mode can
// reach from the three main buttons it leaves enabled. "Ord som hör ihop"
// is not marked, so TF32 is among them for its "Rubrik" and "Motsats".
TEST(MenuTable, WorksheetModeReachesExactlyTheWorksheetExercises) {
    std::set<std::string> reached, windows;
    std::vector<std::string> open = {"TF2", "TF3", "TF4"};
    while (!open.empty()) {
        const Menu& menu = menuNamed(open.back());
        open.pop_back();
        reached.insert(menu.name);
        for (const auto& e : menu.entries) {
            if (e.worksheetDisabled) continue;
            if (e.kind == EntryKind::Submenu) open.push_back(e.opens);
            if (e.isExercise() || e.kind == EntryKind::Window) windows.insert(e.opens);
        }
    }
    EXPECT_EQ(reached, (std::set<std::string>{"TF2", "TF21", "TF22", "TF23", "TF25", "TF3", "TF31",
                                              "TF311", "TF32", "TF33", "TF34", "TF36", "TF37",
                                              "TF39", "TF4", "TF43", "TF46", "TF461", "TF47"}));
    EXPECT_EQ(windows, (std::set<std::string>{"TPassAkt", "TFLERBAR", "TSKRIV", "TSkrivinf",
                                              "TSKRIVHI", "TSats"}));
}

TEST(MenuTable, ExerciseFoundByDataFileWhateverItsCase) {
    const auto* picture = menus::findExerciseEntry("sve38100.dat");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->caption, "Kroppens delar");
    EXPECT_EQ(menus::windowsOpenedBy(*picture), std::vector<std::string>{"TBilden"});

    const auto* game = menus::findExerciseEntry("SVE32210.DAT");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(menus::windowsOpenedBy(*game), (std::vector<std::string>{"TSpelNam", "Tkatten"}));

    for (const char* unknown : {"SVE99999.DAT", "SVE23100", "", "SVE23100.DATX", "TF23"})
        EXPECT_EQ(menus::findExerciseEntry(unknown), nullptr) << unknown;
}

// --- The window ---------------------------------------------------------------

// Every menu with the real font: buttons stacked without gaps, one shared
// width that fits every caption, and a title that fits too.
TEST(MenuWindowLayout, EveryMenuStacksItsEntriesAndFitsItsTexts) {
    Harness h;
    app::FontTextMeasure measure;
    app::Services services{h.messages, h.modal, measure, h.windows, h.sounds, h.printer};
    for (const Menu& menu : menus::menuTable()) {
        SCOPED_TRACE(menu.name);
        MenuWindow w(menu, *h.state, services);
        EXPECT_EQ(w.objectName().toStdString(), menu.name);
        EXPECT_EQ(w.Panel1->geometry(), w.rect());
        EXPECT_EQ(w.Label1->text().toStdString(), menu.title);
        EXPECT_EQ(w.Label1->font().pixelSize(), menu.large ? 30 : 24);
        EXPECT_LE(QFontMetrics(w.Label1->font()).horizontalAdvance(w.Label1->text()),
                  w.Label1->width());
        EXPECT_LT(w.Label1->geometry().bottom(), w.buttons().front()->y());

        const int height = menu.large ? 35 : 28;
        const int top = menu.large ? 50 : 40;
        const int text = menu.large ? 22 : menu.name == "TF1" ? 19 : 16;
        const int width = w.buttons().front()->width();
        EXPECT_GE(width, 205);
        EXPECT_LE(width, 409);
        ASSERT_EQ(w.buttons().size(), menu.entries.size());
        for (std::size_t i = 0; i < w.buttons().size(); ++i) {
            QPushButton* b = w.buttons()[i];
            EXPECT_EQ(b->objectName(), QStringLiteral("Button%1").arg(i + 1));
            EXPECT_EQ(b->text().toStdString(), menu.entries[i].caption);
            EXPECT_EQ(b->geometry(), QRect(b->x(), top + int(i) * height, width, height));
            EXPECT_EQ(b->font().pixelSize(), text);
            EXPECT_LT(QFontMetrics(b->font()).horizontalAdvance(b->text()), width - 8);
            EXPECT_TRUE(w.Panel1->rect().contains(b->geometry()));
        }
    }
}

TEST(MenuWindowLayout, ScaledMenuKeepsItsButtonsTouchingAndItsTitleInset) {
    Harness h;
    h.state->screen.setMeasured(h.state->screen.area(), 150, 14);
    MenuWindow w(menuNamed("TF23"), *h.state, h.services);
    EXPECT_EQ(w.buttons().front()->font().pixelSize(), 24);
    EXPECT_EQ(w.buttons().front()->y(), 60);
    for (std::size_t i = 1; i < w.buttons().size(); ++i)
        EXPECT_EQ(w.buttons()[i - 1]->geometry().bottom() + 1, w.buttons()[i]->y());
    EXPECT_EQ(w.Panel1->geometry(), w.rect());
    EXPECT_EQ(w.Label1->x(), 7);
    EXPECT_EQ(w.Label1->width(), w.Panel1->width() - 14);
}

TEST(MenuWindow, WorksheetModeTurnsThePanelMaroonAndDisablesMarkedEntries) {
    Harness h;
    const Menu& tf3 = menuNamed("TF3");
    const int duSjaelv = entryIndex(tf3, "Du själv");
    for (const auto mode : {core::RunMode::Worksheet, core::RunMode::Practice}) {
        h.state->runMode = mode;
        MenuWindow w(tf3, *h.state, h.services);
        const bool worksheets = mode == core::RunMode::Worksheet;
        EXPECT_EQ(w.Panel1->color(), worksheets ? QColor(0x80, 0, 0) : QColor(0, 0, 0x80));
        for (std::size_t i = 0; i < w.buttons().size(); ++i)
            EXPECT_EQ(w.buttons()[i]->isEnabled(), !(worksheets && int(i) == duSjaelv)) << i;
    }
}

TEST(MenuWindow, SubmenuAndWindowEntriesOpenTheirWindowsAndBackCloses) {
    Harness h;
    menus::registerMenus(h.windows);
    FakeWindow map;
    registerFake(h, "TKarta", map);
    MenuWindow tf2(menuNamed("TF2"), *h.state, h.services);
    tf2.show();
    tf2.buttons()[2]->click(); // Stava rätt
    MenuWindow tf1(menuNamed("TF1"), *h.state, h.services);
    tf1.show();
    tf1.buttons()[0]->click(); // Karta
    tf1.buttons()[1]->click(); // Flagga: not built, so the pupil is told so
    EXPECT_EQ(h.modal.opened, (std::vector<std::string>{"TF23", "TKarta"}));
    EXPECT_EQ(h.messages.texts,
              (std::vector<std::string>{glosbo::core::utf8Bytes(menus::kNotReadyMessage)}));
    EXPECT_TRUE(tf1.isVisible());

    tf1.buttons().back()->click();
    EXPECT_FALSE(tf1.isVisible());
    EXPECT_EQ(tf1.result(), QDialog::Rejected);
}

// Esc in the front menu closes it and only it; the menu below takes the
// keys again, and its own Esc closes it in turn.
TEST(MenuWindow, EscClosesOnlyTheFrontMenu) {
    Harness h;
    app::QtModalWindows modal(h.state->screen);
    app::Services services{h.messages, modal, h.measure, h.windows, h.sounds, h.printer};
    menus::registerMenus(h.windows);
    bool tf2ShownUnderTf23 = false;
    const auto esc = [](QWidget& front) {
        QTest::keyClick(front.focusWidget() ? front.focusWidget() : &front, Qt::Key_Escape);
    };
    FrontWindowScript script({
        {"TF2",
         [](QWidget& front) {
             QTest::keyClick(front.focusWidget(), Qt::Key_Down);
             QTest::keyClick(front.focusWidget(), Qt::Key_Down);
             EXPECT_EQ(front.focusWidget()->objectName(), "Button3");
             QTest::keyClick(front.focusWidget(), Qt::Key_Return); // Stava rätt
         }},
        {"TF23",
         [&](QWidget& front) {
             const auto* tf2 = front.parentWidget();
             tf2ShownUnderTf23 = tf2 && tf2->objectName() == "TF2" && tf2->isVisible();
             esc(front);
         }},
        {"TF2", esc},
    });
    const std::optional<int> result =
        h.windows.open("TF2", app::WindowContext{*h.state, services, nullptr});
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(script.done(), 3u);
    EXPECT_TRUE(tf2ShownUnderTf23);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// --- Exercise entries ---------------------------------------------------------

TEST(MenuWindow, MissingFileShowsBothMessagesAndTheNextEntryStillWorks) {
    Harness h;
    addExerciseFiles(h, {"SVE23200.DAT"});
    FakeWindow exercise;
    registerFake(h, "TFLERBAR", exercise);
    MenuWindow w(menuNamed("TF23"), *h.state, h.services);
    w.show();

    w.buttons()[0]->click(); // Ä-ljudet: SVE23100.DAT is missing
    EXPECT_EQ(h.messages.texts,
              (std::vector<std::string>{"Filen /DATA/DAT/SVE23100.DAT finns inte eller är felaktig",
                                        "Filen SVE23100.DAT finns inte eller är felaktig"}));
    EXPECT_EQ(exercise.made, 0);
    EXPECT_TRUE(w.isVisible());

    w.buttons()[1]->click(); // Å-ljudet
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"TFLERBAR"});
    EXPECT_EQ(exercise.exerciseFile, "SVE23200.DAT");
    EXPECT_EQ(exercise.recordCount, 1) << "Kolla counted the file before the window opened";
    EXPECT_EQ(h.messages.texts.size(), 2u);
    EXPECT_TRUE(w.isVisible());
}

TEST(MenuWindow, PictureEntryAsksItsWindowForItsPicture) {
    Harness h;
    addExerciseFiles(h, {"SVE38100.DAT", "SVE38200.DAT"});
    FakeWindow picture;
    registerFake(h, "TBilden", picture);
    MenuWindow w(menuNamed("TF38"), *h.state, h.services);
    w.buttons()[0]->click();
    EXPECT_EQ(picture.pictureFile, "KROPPEN.BMP");
    EXPECT_EQ(picture.exerciseFile, "SVE38100.DAT");
    w.buttons()[1]->click();
    EXPECT_EQ(picture.pictureFile, "HUVUDET.BMP");
    EXPECT_EQ(picture.exerciseFile, "SVE38200.DAT");
    EXPECT_EQ(picture.made, 2);
}

TEST(MenuWindow, GameOpensOnlyAfterThePlayerWindowWasNotCancelled) {
    struct Case {
        const char* name;
        bool playerWindowBuilt;
        bool cancels;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {"players named", true, false, {"TSpelNam", "Tkatten"}},
        {"cancelled", true, true, {"TSpelNam"}},
        {"no player window yet", false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        addExerciseFiles(h, {"SVE32210.DAT"});
        FakeWindow players, game;
        if (c.playerWindowBuilt) registerFake(h, "TSpelNam", players);
        registerFake(h, "Tkatten", game);
        if (c.cancels) h.modal.results["TSpelNam"] = QDialog::Rejected;
        MenuWindow w(menuNamed("TF322"), *h.state, h.services);
        w.buttons()[0]->click();
        EXPECT_EQ(h.modal.opened, c.opened);
        // Without the player window the game is not ready: the pupil is told
        // so and its file is not even checked.
        EXPECT_EQ(h.state->files.currentExerciseFile, c.playerWindowBuilt ? "SVE32210.DAT" : "");
        EXPECT_EQ(h.messages.texts.size(), c.playerWindowBuilt ? 0u : 1u);
    }
}

// An entry without a data file is found by its window's name, for
// --exercise.
TEST(MenuTable, WindowEntryByName) {
    for (const char* name : {"TVokalex", "tvokalex"}) {
        const auto* entry = menus::findWindowEntry(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->opens, "TVokalex");
    }
    EXPECT_EQ(menus::findWindowEntry("SVE23100.DAT"), nullptr);
}

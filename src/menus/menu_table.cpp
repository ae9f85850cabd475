#include "menus/menu_table.h"

#include <algorithm>
#include <cctype>

namespace glosbo::menus {
namespace {

// Marks an entry that cannot make worksheets: it is disabled in worksheet mode.
constexpr bool W = true;

MenuEntry sub(std::string caption, std::string menu, bool worksheetDisabled = false) {
    return {std::move(caption), EntryKind::Submenu, {}, std::move(menu), {}, worksheetDisabled};
}

MenuEntry ex(std::string caption, std::string dataFile, std::string window,
             bool worksheetDisabled = false) {
    return {std::move(caption), EntryKind::Exercise, std::move(dataFile), std::move(window), {},
            worksheetDisabled};
}

MenuEntry pictureEx(std::string caption, std::string dataFile, std::string window,
                    std::string picture) {
    return {std::move(caption), EntryKind::PictureExercise, std::move(dataFile),
            std::move(window),  std::move(picture),         false};
}

MenuEntry playersEx(std::string caption, std::string dataFile, std::string game) {
    return {std::move(caption),
            EntryKind::PlayerNameExercise,
            std::move(dataFile),
            std::move(game),
            {},
            false};
}

MenuEntry win(std::string caption, std::string window, bool worksheetDisabled = false) {
    return {std::move(caption), EntryKind::Window, {}, std::move(window), {}, worksheetDisabled};
}

MenuEntry back(std::string caption = "Till föregående meny") {
    return {std::move(caption), EntryKind::Back, {}, {}, {}, false};
}

std::vector<Menu> buildTable() {
    std::vector<Menu> t;
    t.push_back({"TF1",
                 "Sverige",
                 {win("Karta", "TKarta"), win("Flagga", "TFlagga"), win("Nationalsång", "TSvHymn"),
                  back("Till huvudmenyn")}});

    // Spelling.
    t.push_back({"TF2",
                 "Stavning",
                 {sub("Vokalen", "TF21"), sub("Kort-lång vokal", "TF22"), sub("Stava rätt", "TF23"),
                  sub("Diktamen", "TF24", W), sub("Skilja ljud", "TF25"), back()}});
    t.push_back({"TF21",
                 "Vokalen",
                 {ex("Vokal eller konsonant?", "SVE21100.DAT", "TPassAkt"),
                  ex("Hur många vokaler?", "SVE21200.DAT", "TPassAkt"),
                  ex("Hård eller mjuk vokal?", "SVE21300.DAT", "TPassAkt"),
                  win("Examen", "TVokalex", W), back()}});
    t.push_back({"TF22",
                 "Kort eller lång vokal?",
                 {ex("Kort eller lång vokal", "SVE22100.DAT", "TPassAkt"),
                  ex("Dubbelskrivning 1", "SVE22200.DAT", "TFLERBAR"),
                  ex("Dubbelskrivning 2", "SVE22300.DAT", "TFLERBAR"), back()}});
    t.push_back(
        {"TF23",
         "Stava rätt",
         {ex("Ä-ljudet", "SVE23100.DAT", "TFLERBAR"), ex("Å-ljudet", "SVE23200.DAT", "TFLERBAR"),
          ex("TJ-ljudet", "SVE23300.DAT", "TFLERBAR"),
          ex("SJ-ljudet - sj, sk, skj, stj", "SVE23400.DAT", "TFLERBAR"),
          ex("SJ-ljudet - alla varianter", "SVE23500.DAT", "TFLERBAR"),
          ex("NG-ljudet", "SVE23600.DAT", "TFLERBAR"), ex("J-ljudet", "SVE23700.DAT", "TFLERBAR"),
          ex("KS-'ljudet'", "SVE23800.DAT", "TFLERBAR"), ex("S-ljudet", "SVE23900.DAT", "TFLERBAR"),
          ex("Homonymer", "SVE23101.DAT", "TFLERBAR"), back()}});
    t.push_back(
        {"TF24",
         "Diktamen",
         {ex("Ganska svårt", "SVE24100.DAT", "TDiktam"), ex("Svårare", "SVE24200.DAT", "TDiktam"),
          ex("Knepiga ord", "SVE24300.DAT", "TSkrivinf"), back()}});
    t.push_back(
        {"TF25",
         "Skilja ljud",
         {ex("B - P", "SVE25100.DAT", "TFLERBAR"), ex("D - T", "SVE25200.DAT", "TFLERBAR"),
          ex("F - V", "SVE25300.DAT", "TFLERBAR"), ex("G - K", "SVE25400.DAT", "TFLERBAR"),
          ex("SJ - TJ", "SVE25500.DAT", "TPassAkt"), ex("U - Y - Ö", "SVE25600.DAT", "TFLERBAR"),
          ex("Bokstäverna b och d", "SVE25700.DAT", "TFLERBAR"), back()}});

    // Your words.
    t.push_back(
        {"TF3",
         "Dina ord",
         {sub("Göra ord", "TF31"), sub("Ord som hör ihop", "TF32"), sub("Språkkryddor", "TF33"),
          sub("Alfabetet", "TF34"), ex("Krypto", "SVE35000.DAT", "TSKRIV"),
          sub("Avstavning", "TF36"), sub("Förkortningar", "TF37"), sub("Du själv", "TF38", W),
          sub("Håll isär", "TF39"), ex("Stor eller liten", "SVE31010.DAT", "TFLERBAR"), back()},
         true});
    t.push_back({"TF31",
                 "Göra ord",
                 {sub("Vilket ord", "TF311"), ex("Skapa ord", "SVE31210.DAT", "TSKRIV"),
                  ex("Poet", "SVE31310.DAT", "TSynon", W),
                  ex("Skarva", "SVE31410.DAT", "TSynon", W), back()}});
    t.push_back({"TF311",
                 "Vilket ord",
                 {ex("Vilket ord 1", "SVE31110.DAT", "TSKRIV"),
                  ex("Vilket ord 2", "SVE31120.DAT", "TSKRIV"),
                  ex("Vilket ord 3", "SVE31130.DAT", "TSKRIV"),
                  ex("Vilket ord 4", "SVE31140.DAT", "TSKRIV"),
                  ex("Vilket ord 5", "SVE31150.DAT", "TSKRIV"),
                  ex("Vilket ord 6", "SVE31160.DAT", "TSKRIV"),
                  ex("Vilket ord 7", "SVE31170.DAT", "TSKRIV"),
                  ex("Vilket ord 8", "SVE31180.DAT", "TSKRIV"), back()}});
    t.push_back({"TF32",
                 "Ord som hör ihop",
                 {sub("Synonymer", "TF321", W), sub("Katt bland hermeliner", "TF322", W),
                  ex("Rubrik", "SVE32300.DAT", "TSKRIV"), ex("Motsats", "SVE32400.DAT", "TSKRIV"),
                  back()}});
    t.push_back(
        {"TF321",
         "Synonymer",
         {ex("Synonym 1", "SVE32110.DAT", "TSynon"), ex("Synonym 2", "SVE32120.DAT", "TSynon"),
          ex("Förklarat ord", "SVE32130.DAT", "TInseTxt"), back()}});
    t.push_back({"TF322",
                 "Katt bland hermeliner",
                 {playersEx("Brokig katt", "SVE32210.DAT", "Tkatten"),
                  playersEx("Liten katt", "SVE32220.DAT", "Tkatten"), back()}});
    t.push_back({"TF33",
                 "Språkkryddor",
                 {ex("Talesätt 1", "SVE33100.DAT", "TSkrivinf"),
                  ex("Talesätt 2", "SVE33200.DAT", "TSkrivinf"),
                  ex("Talesätt 3", "SVE33300.DAT", "TSkrivinf"), back()}});
    t.push_back(
        {"TF34",
         "Alfabetet",
         {ex("Före - mellan -efter", "SVE34100.DAT", "TSKRIV"),
          ex("Alfabetisk ordning", "SVE34200.DAT", "TPassAkt"),
          ex("Ordna 1", "SVE34300.DAT", "TSKRIV"), ex("Ordna 2", "SVE34400.DAT", "TSKRIV"),
          ex("Ordna 3", "SVE34500.DAT", "TSKRIV"), ex("Ordna 4", "SVE34600.DAT", "TOrdna", W),
          ex("Ordna 5", "SVE34700.DAT", "TOrdna", W), ex("Ordna 6", "SVE34800.DAT", "TOrdna", W),
          back()}});
    t.push_back(
        {"TF36",
         "Avstavning",
         {ex("Lätt", "SVE36100.DAT", "TSKRIV"), ex("Svårare", "SVE36200.DAT", "TSKRIV"), back()}});
    t.push_back({"TF37",
                 "Förkortningar",
                 {ex("Förkortning, lätt", "SVE37100.DAT", "TSKRIV"),
                  ex("Förkortning, svår", "SVE37200.DAT", "TSKRIV"),
                  ex("Bokstavsord", "SVE37300.DAT", "TSKRIV"), back()}});
    t.push_back({"TF38",
                 "Du själv",
                 {pictureEx("Kroppens delar", "SVE38100.DAT", "TBilden", "KROPPEN.BMP"),
                  pictureEx("Huvudets delar", "SVE38200.DAT", "TBilden", "HUVUDET.BMP"), back()}});
    t.push_back({"TF39",
                 "Håll isär",
                 {ex("Före - för", "SVE39100.DAT", "TFLERBAR"),
                  ex("Var - vart", "SVE39200.DAT", "TFLERBAR"), back()}});

    // Grammar.
    t.push_back({"TF4",
                 "Grammatik",
                 {sub("Ordkamp", "TF41", W), ex("Preposition", "SVE42000.DAT", "TSkrivinf"),
                  sub("Oregelbundna ord", "TF43"), ex("Genus", "SVE44000.DAT", "TFLERBAR"),
                  ex("Plural", "SVE45000.DAT", "TSKRIV"), sub("Lite om verb", "TF46"),
                  sub("Satsdelar", "TF47"), back()}});
    t.push_back(
        {"TF41",
         "Ordkamp",
         {ex("Substantiv", "SVE41100.DAT", "TFalska"), ex("Adjektiv", "SVE41200.DAT", "TFalska"),
          ex("Verb", "SVE41300.DAT", "TFalska"), back()}});
    t.push_back({"TF43",
                 "Oregelbundna ord",
                 {ex("Adjektiv", "SVE43100.DAT", "TSkrivinf"),
                  ex("Substantiv", "SVE43200.DAT", "TSkrivinf"),
                  ex("Verb", "SVE43300.DAT", "TSkrivinf"), back()}});
    t.push_back({"TF46",
                 "Lite om verb",
                 {sub("Tempus", "TF461"), ex("Imperativ", "SVE46200.DAT", "TSkrivinf"),
                  ex("Regelbundna - oregelbundna", "SVE46300.DAT", "TPassAkt"),
                  ex("Transitiva - intransitiva", "SVE46400.DAT", "TFLERBAR"), back()}});
    t.push_back(
        {"TF461",
         "TEMPUS",
         {ex("Presens", "SVE46110.DAT", "TSKRIVHI"), ex("Imperfekt", "SVE46120.DAT", "TSKRIVHI"),
          ex("Perfekt", "SVE46130.DAT", "TSKRIVHI"),
          ex("Pluskvamperfekt", "SVE46140.DAT", "TSKRIVHI"),
          ex("Futurum", "SVE46150.DAT", "TSKRIVHI"), back()}});
    t.push_back(
        {"TF47",
         "Satsdelar",
         {ex("Predikat eller subjekt ?", "SVE47100.DAT", "TSats"),
          ex("Ackusativobjekt ?", "SVE47200.DAT", "TSats"),
          ex("Ackusativ eller dativobjekt ?", "SVE47300.DAT", "TSats"),
          ex("Ackusativ-, dativobjekt eller predikatsfyllnad ?", "SVE47400.DAT", "TPassAkt"),
          back()}});

    // Miscellaneous.
    t.push_back(
        {"TF5",
         "Diverse",
         {ex("Stolliga texten", "SVE51000.DAT", "TPrank"), ex("Avslöja", "SVE52000.DAT", "Tavsloj"),
          ex("Berätta", "SVE53000.DAT", "Tberaetta"), sub("Läsgympa", "TF54"),
          ex("Klockan", "SVE55000.DAT", "TKlockan"), sub("Läsförståelse", "TF56"), back()}});
    t.push_back({"TF54",
                 "Läsgympa",
                 {ex("Ord med två bokstäver", "SVE54100.DAT", "TLasLjud"),
                  ex("Ord med tre bokstäver", "SVE54200.DAT", "TLasLjud"), back()}});
    Menu fables{"TF56", "Läsförståelse", {}};
    for (int n = 1; n <= 9; ++n)
        fables.entries.push_back(
            ex("Fabel " + std::to_string(n), "SVE56" + std::to_string(n) + "00.DAT", "TInseTxt"));
    fables.entries.push_back(back());
    t.push_back(std::move(fables));
    return t;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

const std::vector<Menu>& menuTable() {
    static const std::vector<Menu> table = buildTable();
    return table;
}

const Menu* findMenu(std::string_view name) {
    for (const Menu& menu : menuTable())
        if (menu.name == name) return &menu;
    return nullptr;
}

const MenuEntry* findExerciseEntry(std::string_view dataFile) {
    for (const Menu& menu : menuTable())
        for (const MenuEntry& entry : menu.entries)
            if (entry.isExercise() && sameNameIgnoringCase(entry.dataFile, dataFile)) return &entry;
    return nullptr;
}

const MenuEntry* findWindowEntry(std::string_view window) {
    for (const Menu& menu : menuTable())
        for (const MenuEntry& entry : menu.entries)
            if (entry.kind == EntryKind::Window && sameNameIgnoringCase(entry.opens, window))
                return &entry;
    return nullptr;
}

std::vector<std::string> windowsOpenedBy(const MenuEntry& entry) {
    if (entry.kind == EntryKind::PlayerNameExercise) return {kPlayerNameWindow, entry.opens};
    if (entry.kind == EntryKind::Back) return {};
    return {entry.opens};
}

} // namespace glosbo::menus

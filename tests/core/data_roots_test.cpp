#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/data_fs.h"
#include "core/data_roots.h"
#include "core/kiosk.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {
EnvLookup fakeEnv(std::map<std::string, std::string> vars) {
    return [vars](const std::string& n) -> std::optional<std::string> {
        auto it = vars.find(n);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}
} // namespace

TEST(Ini, ReadsLikeTheProfileFunctions) {
    const auto ini = IniFile::parse("; comment\r\n[path]\r\n Glos97PCPath = /data/pc \r\n"
                                    "GLOS97PCPATH=/second\r\nquoted=\"a b\"\r\nnonsense\r\n");
    EXPECT_EQ(ini.value("Path", "glos97pcpath"), "/data/pc");
    EXPECT_EQ(ini.value("PATH", "Quoted"), "a b");
    EXPECT_EQ(ini.value("Path", "missing"), "");
    EXPECT_EQ(IniFile::load("/nonexistent/Glos97.Ini").value("Path", "Glos97PCPath"), "");
}

TEST(DataRoots, KeysCutsAndDirectoryRules) {
    const std::string longPath = "/" + std::string(100, 'p');
    const auto ini =
        IniFile::parse("[Path]\nGlos97PCPath=" + longPath +
                       "\nGlos97CDPath=/cd\nGLOS97ScoreDirectory=/res\n"
                       "GLOS97DiagnosPath=/diag//\n[Upgraded]\nUppgraderad=Version 2\n");
    const auto r = dataRootsFromIni(ini, "/etc", fakeEnv({}));
    EXPECT_EQ(r.pcPath.size(), 80u);
    EXPECT_EQ(r.cdPath, "/cd");
    EXPECT_EQ(r.resultsDir, "/res/");
    EXPECT_EQ(r.diagnosisDir, "/diag/"); // only one trailing separator goes
    EXPECT_EQ(r.upgradeNote, "Version 2");
}

TEST(DataRoots, EmptyValues) {
    const auto r = dataRootsFromIni(IniFile::parse("[Path]\nGlos97PCPath=/pc\n"), "", fakeEnv({}));
    EXPECT_EQ(r.resultsDir, "");
    EXPECT_EQ(r.diagnosisDir, "/pc/RESULTAT");
    EXPECT_EQ(r.cdPath, "");
}

TEST(DataRoots, ExpandsEnvironmentAndRelativePaths) {
    const auto env = fakeEnv({{"HOME", "/home/elev"}});
    const auto ini = IniFile::parse("[Path]\nGlos97PCPath=.\nGlos97CDPath=extra\\data\n"
                                    "GLOS97ScoreDirectory=${XDG_DATA_HOME}/glosbo/RESULTAT\n"
                                    "GLOS97DiagnosPath=~/diag\n");
    const auto r = dataRootsFromIni(ini, "/usr/share/glosbo", env);
    EXPECT_EQ(r.pcPath, "/usr/share/glosbo");
    EXPECT_EQ(r.cdPath, "/usr/share/glosbo/extra/data");
    EXPECT_EQ(r.resultsDir, "/home/elev/.local/share/glosbo/RESULTAT/");
    EXPECT_EQ(r.diagnosisDir, "/home/elev/diag");
    // Upgrade notes in Windows-1252 are read too.
    EXPECT_EQ(
        dataRootsFromIni(IniFile::parse("[Upgraded]\nUppgraderad=L\xE4s\n"), "", env).upgradeNote,
        "Läs");
}

TEST(DataRoots, IniSearchOrder) {
    glosbo::test::TempRoot home;
    const std::string bundled = "/usr/share/glosbo/Glos97.Ini";
    auto env = fakeEnv({{"HOME", home.path()}});
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled), bundled);
    home.write(".config/glosbo/Glos97.Ini", "[Path]\n");
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled), home.path() + "/.config/glosbo/Glos97.Ini");
    env = fakeEnv({{"HOME", home.path()}, {"GLOSBO_INI", "/school.ini"}});
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled), "/school.ini");
    EXPECT_EQ(findIniFile(std::string("/mine.ini"), env, bundled), "/mine.ini");
}

// A school's INI in the system directories: the first directory holding one
// wins, and the user's own still wins over both.
TEST(DataRoots, SchoolIniInTheConfigDirectories) {
    glosbo::test::TempRoot root;
    const std::string bundled = "/usr/share/glosbo/Glos97.Ini";
    const std::string first = root.path() + "/etc1", second = root.path() + "/etc2";
    auto env = fakeEnv({{"HOME", root.path() + "/home"},
                        {"XDG_CONFIG_DIRS", "relative/dir:" + first + ":" + second}});
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled), bundled);
    root.write("etc2/glosbo/Glos97.Ini", "[Path]\n");
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled), second + "/glosbo/Glos97.Ini");
    root.write("etc1/glosbo/Glos97.Ini", "[Path]\n");
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled), first + "/glosbo/Glos97.Ini");
    root.write("home/.config/glosbo/Glos97.Ini", "[Path]\n");
    EXPECT_EQ(findIniFile(std::nullopt, env, bundled),
              root.path() + "/home/.config/glosbo/Glos97.Ini");
}

// Kiosk mode as the program decides it at start, with a school INI and a
// user's own INI both present: the school's Kiosk=1 holds for everyone.
TEST(DataRoots, TheSchoolsKioskCannotBeSwitchedOffByAUser) {
    struct Case {
        const char* school; // nullptr: no school INI
        const char* user;   // nullptr: no user INI
        bool option;
        bool kiosk;
    } cases[] = {
        {"[Glosbo]\nKiosk=1\n", "[Path]\n", false, true},
        {"[Glosbo]\nKiosk=1\n", "[Glosbo]\nKiosk=0\n", false, true},
        {"[Glosbo]\nKiosk=1\n", nullptr, false, true},
        {"[Glosbo]\nKiosk=0\n", "[Glosbo]\nKiosk=1\n", false, true},
        {"[Glosbo]\nKiosk=0\n", "[Path]\n", false, false},
        {nullptr, "[Glosbo]\nKiosk=0\n", true, true},
        {nullptr, nullptr, false, false},
    };
    for (const Case& c : cases) {
        glosbo::test::TempRoot root;
        if (c.school) root.write("etc/glosbo/Glos97.Ini", c.school);
        if (c.user) root.write("home/.config/glosbo/Glos97.Ini", c.user);
        const auto env =
            fakeEnv({{"HOME", root.path() + "/home"}, {"XDG_CONFIG_DIRS", root.path() + "/etc"}});
        const std::string chosen = findIniFile(std::nullopt, env, "/nowhere/Glos97.Ini");
        EXPECT_EQ(kioskMode(c.option, IniFile::load(chosen), env), c.kiosk)
            << (c.school ? c.school : "-") << " / " << (c.user ? c.user : "-");
        // --ini (or GLOSBO_INI) names a file the user may write: no way out either.
        root.write("mine.ini", "[Glosbo]\nKiosk=0\n");
        if (c.school && std::string(c.school).find("Kiosk=1") != std::string::npos) {
            EXPECT_TRUE(kioskMode(false, IniFile::load(root.path() + "/mine.ini"), env));
        }
    }
}

// A new user: HOME is a fresh directory with nothing under it. The bundled
// INI's own directories are made; a school's directory elsewhere is not, and
// neither is anything outside the program's directory reached through "..".
TEST(DataRoots, CreatesOnlyItsOwnResultsDirectories) {
    glosbo::test::TempRoot home;
    const auto bundledIni =
        IniFile::parse("[Path]\nGlos97PCPath=.\n"
                       "GLOS97ScoreDirectory=${XDG_DATA_HOME}/glosbo/RESULTAT/\n"
                       "GLOS97DiagnosPath=${XDG_DATA_HOME}/glosbo/DIAGNOS\n");
    const auto fresh = fakeEnv({{"HOME", home.path()}});
    const auto roots = dataRootsFromIni(bundledIni, "/usr/share/glosbo", fresh);
    ASSERT_FALSE(directoryExists(roots.resultsDir));
    createOwnResultsDirectories(roots, fresh);
    EXPECT_TRUE(directoryExists(home.path() + "/.local/share/glosbo/RESULTAT"));
    EXPECT_TRUE(directoryExists(home.path() + "/.local/share/glosbo/DIAGNOS"));
    // Made once, a second start finds them and leaves them be.
    createOwnResultsDirectories(roots, fresh);
    EXPECT_TRUE(directoryExists(roots.resultsDir));

    // XDG_DATA_HOME decides where the program's own directory is.
    const auto withXdg = fakeEnv({{"HOME", home.path()}, {"XDG_DATA_HOME", home.path() + "/xdg"}});
    createOwnResultsDirectories(dataRootsFromIni(bundledIni, "/usr/share/glosbo", withXdg),
                                withXdg);
    EXPECT_TRUE(directoryExists(home.path() + "/xdg/glosbo/RESULTAT"));

    const std::string own = home.path() + "/.local/share/glosbo";
    for (const std::string& foreign :
         {home.path() + "/skolan/RESULTAT", own + "/../RESULTAT2", own + "2/RESULTAT"}) {
        createOwnResultsDirectories(DataRoots{"", "", foreign + "/", foreign, ""}, fresh);
        EXPECT_FALSE(std::filesystem::exists(foreign)) << foreign;
    }
}

#include <gtest/gtest.h>

#include "core/new_password.h"
#include "core/text.h"

using glosbo::core::NewPasswordEntry;
using glosbo::core::utf8Bytes;

namespace {

// Types each text and presses Enter; returns what the dialog showed after
// each, "*" marking a shown "Försök igen.", "=" an emptied box.
std::vector<std::string> run(NewPasswordEntry& entry, const std::vector<std::string>& typed) {
    std::vector<std::string> shown;
    for (const std::string& t : typed) {
        if (t == "<edit>") {
            entry.edited();
            shown.push_back(utf8Bytes(entry.prompt()) + (entry.tryAgainShown() ? " *" : ""));
            continue;
        }
        const bool emptied = entry.enter(t);
        shown.push_back(utf8Bytes(entry.prompt()) + (entry.tryAgainShown() ? " *" : "") +
                        (emptied ? " =" : ""));
    }
    return shown;
}

} // namespace

TEST(NewPassword, Sequences) {
    const std::string again = "Skriv in det nya lösenordet igen och tryck Enter. =";
    const std::string notSame = "Du angav inte samma lösenord. * =";
    const std::string empty = "Ett riktigt lösenord tack!";
    const std::string goOn = "Fortsätt skriv in ditt nya lösen och tryck Enter.";
    struct Case {
        std::string old;
        bool teacher;
        std::vector<std::string> typed;
        std::vector<std::string> shown;
        std::string password; // empty: not accepted
    } cases[] = {
        {"gammal", false, {"nytt", "nytt"}, {again, again.substr(0, again.size() - 2)}, "nytt"},
        {"gammal",
         false,
         {"nytt", "annat", "<edit>", "nytt"},
         {again, notSame, goOn, goOn},
         "nytt"},
        {"gammal", false, {"gammal"}, {"Du angav nyss ditt gamla lösen. * ="}, ""},
        {"gammal", false, {""}, {empty}, ""},
        {"", false, {""}, {"Du angav nyss ditt gamla lösen. * ="}, ""},
        {"",
         false,
         {"abcdefghijkl", "abcdefghijkl"},
         {again, again.substr(0, again.size() - 2)},
         "abcdefghij"},
        {"KVARNSTO", true, {")hemligt", "<edit>"}, {empty, goOn}, ""},
        {"KVARNSTO",
         false,
         {")hemligt", ")hemligt"},
         {again, again.substr(0, again.size() - 2)},
         ")hemligt"},
        // The teacher never chooses the master password, which everybody
        // can read; a pupil may.
        {"eget",
         true,
         {"KVARNSTO", "<edit>", "nytt", "nytt"},
         {"Startlösenordet går inte. Välj ett eget. * =", goOn, again,
          again.substr(0, again.size() - 2)},
         "nytt"},
        {"",
         false,
         {"KVARNSTO", "KVARNSTO"},
         {again, again.substr(0, again.size() - 2)},
         "KVARNSTO"},
    };
    for (const Case& c : cases) {
        NewPasswordEntry entry(c.old, c.teacher);
        EXPECT_EQ(run(entry, c.typed), c.shown) << c.typed.front();
        EXPECT_EQ(entry.accepted(), !c.password.empty());
        EXPECT_EQ(entry.password(), c.password);
    }
}

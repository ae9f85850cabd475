#pragma once

#include <string>
#include <string_view>

// The rules of the new-password dialog: the new password is typed twice,
// must differ from the old one and must not be empty.
namespace glosbo::core {

class NewPasswordEntry {
public:
    static constexpr const char8_t* kFirstPrompt = u8"Skriv in ditt nya lösenord och tryck Enter.";

    // old: the password being replaced. A teacher password must also not
    // start with ")", which the password file could not read back.
    NewPasswordEntry(std::string old, bool teacher) : m_old(std::move(old)), m_teacher(teacher) {}

    // Enter with the typed text (Windows-1252). True when the box is to be
    // emptied.
    bool enter(std::string_view typed);
    // The pupil changed the text in the box.
    void edited();

    const std::u8string& prompt() const { return m_prompt; }
    bool tryAgainShown() const { return m_tryAgain; }
    // The new password, the first 10 characters typed, once accepted.
    bool accepted() const { return m_accepted; }
    const std::string& password() const { return m_password; }

private:
    void complain(const char8_t* text, bool tryAgain);
    bool unusable(std::string_view typed) const;

    std::string m_old;
    bool m_teacher;
    std::string m_first;
    std::u8string m_prompt = kFirstPrompt;
    bool m_tryAgain = false;
    bool m_complained = false; // the next edit asks to go on
    bool m_accepted = false;
    std::string m_password;
};

} // namespace glosbo::core

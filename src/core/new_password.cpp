#include "core/new_password.h"

#include "core/teacher_password.h"

namespace glosbo::core {

namespace {
constexpr const char8_t* kNotAPassword = u8"Ett riktigt lösenord tack!";
constexpr const char8_t* kNotTheMasterPassword = u8"Startlösenordet går inte. Välj ett eget.";
} // namespace

void NewPasswordEntry::complain(const char8_t* text, bool tryAgain) {
    m_prompt = text;
    if (tryAgain) m_tryAgain = true;
    m_complained = true;
}

bool NewPasswordEntry::unusable(std::string_view typed) const {
    return typed.empty() || (m_teacher && typed.front() == ')');
}

bool NewPasswordEntry::enter(std::string_view typed) {
    if (m_accepted) return false;
    // The master password is printed for everybody: it never becomes the
    // teacher's chosen one.
    if (m_teacher && typed == TeacherPassword::kMasterPassword) {
        m_tryAgain = false;
        complain(kNotTheMasterPassword, true);
        return true;
    }
    if (typed == m_old) {
        complain(u8"Du angav nyss ditt gamla lösen.", true);
        return true;
    }
    if (typed != m_first) {
        m_tryAgain = false;
        if (unusable(typed)) {
            complain(kNotAPassword, false);
            return false;
        }
        if (!m_first.empty()) {
            complain(u8"Du angav inte samma lösenord.", true);
            return true;
        }
        m_first = typed;
        m_prompt = u8"Skriv in det nya lösenordet igen och tryck Enter.";
        return true;
    }
    if (unusable(typed)) {
        complain(kNotAPassword, false);
        return false;
    }
    m_password = std::string(typed.substr(0, 10));
    m_accepted = true;
    return false;
}

void NewPasswordEntry::edited() {
    if (!m_complained) return;
    m_complained = false;
    m_prompt = u8"Fortsätt skriv in ditt nya lösen och tryck Enter.";
    m_tryAgain = false;
}

} // namespace glosbo::core

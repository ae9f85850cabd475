#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/services.h"
#include "core/app_state.h"
#include "core/new_password.h"

namespace glosbo::results {

// The new-password dialog: the new password is typed twice. For a pupil it
// replaces the password of the current diagnosis record; for the teacher
// the caller stores what entry() accepted.
class TNLOS : public QDialog {
    Q_OBJECT
public:
    // A pupil's own password.
    TNLOS(core::AppState& state, app::Services& services, QWidget* parent = nullptr);
    // Any password, compared with old.
    TNLOS(core::AppState& state, app::Services& services, std::string old, bool teacher,
          QWidget* parent = nullptr);

    const core::NewPasswordEntry& entry() const { return m_entry; }

    QLabel* Label1; // the prompt
    QLabel* Label2; // "Försök igen."
    QLineEdit* maskedit1;
    QPushButton* BitBtn1; // "&Avbryt"

public slots:
    void maskedit1KeyPress();
    void maskedit1Change();
    void BitBtn1Click();

private:
    void FormCreate();
    void display(const core::NewPasswordEntry& entry);

    core::AppState& m_state;
    app::Services& m_services;
    bool m_pupil;
    core::NewPasswordEntry m_entry;
};

} // namespace glosbo::results

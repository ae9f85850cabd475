#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/panel.h"
#include "app/services.h"
#include "core/app_state.h"
#include "core/diagnosis_record.h"

namespace glosbo::results {

// The door to the diagnosis: a pupil chooses their name and gives their
// password, or enters a new name; a pupil removes their own diagnosis with
// R; the teacher logs in as "LÄRARE" to remove or archive diagnoses and to
// change the teacher password. A pupil who gets in is handed to the
// protocol, and this window closes.
class TDiag : public QDialog {
    Q_OBJECT
public:
    TDiag(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    QLabel* Label1;    // "Diagnos"
    QLabel* ListLabel; // "Välj ditt namn och tryck Enter."
    QListWidget* ListBox1;
    QLabel* NamnLabel;  // the name prompt
    QLineEdit* Edit1;   // the name
    QLabel* LosenLabel; // the password prompt
    QLabel* FelLabel;   // "Felaktigt lösen. Försök igen!"
    QLineEdit* MaskEdit1;
    QPushButton* NyAnvandareButton;
    QPushButton* AvbrytButton;
    app::Panel* LararPanel;
    QLabel* LararLabel;       // "Välj ett alternativ"
    QPushButton* Button1;     // "Ta bort alla diagnoser"
    QPushButton* Button2;     // "Info"
    QPushButton* Button3;     // "Ta bort enstaka med lösen"
    QPushButton* Button4;     // "Ta bort enstaka utan lösen"
    QPushButton* KlassButton; // "Klassöversikt"
    // Below the teacher panel while the teacher password is still the
    // master password, which everybody can read.
    QLabel* MasterLabel;
    app::Panel* Regelpanel;
    QLabel* RegelRubrik;
    QLabel* RegelText;
    QPushButton* Button5; // "Stäng"

    // The lines of the help page (UTF-8).
    static const std::vector<std::u8string>& helpLines();

public slots:
    void ListBox1DblClick();
    void NyAnvandareButtonClick();
    void Edit1Enter();
    void MaskEdit1Enter();
    void AvbrytButtonClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    // The overview of the whole class, for the teacher.
    void KlassButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void VisaListbox();
    void ListBox1Enter();
    void ListBox1R();
    // Loads the user of the selected name; false when none is selected.
    bool loadSelected();
    void showPasswordPrompt();
    void wrongPassword(bool removal);
    void teacherLogin();
    void openProtocol();
    bool SparaRaderaProt();
    // Asks for a new teacher password and stores it; true when stored.
    bool changeTeacherPassword();
    void showMasterWarning(bool shown);
    QString directoryText() const;
    QString damagedText() const;

    core::AppState& m_state;
    app::Services& m_services;
    // The pupil chosen, entered or marked for removal; becomes the current
    // diagnosis record only when the pupil gets in.
    core::DiagnosisRecord m_candidate;
    bool m_teacherMode = false;
    bool m_teacherCheckArmed = true;
    int m_attempts = 0;
    int m_deletionMode = 0;
    bool m_deletionPending = false;
    std::string m_nameToDelete;
    bool m_damaged = false;
};

} // namespace glosbo::results

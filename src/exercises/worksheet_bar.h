#pragma once

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "app/panel.h"
#include "app/print_service.h"
#include "core/worksheets.h"

namespace glosbo::exercises {

class TUtskrift;

// The two arrows that set the number of questions the computer picks.
class WorksheetSpinButton final : public QWidget {
    Q_OBJECT
public:
    explicit WorksheetSpinButton(QWidget* parent);
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The worksheet bar of an exercise window in worksheet mode
// (SkrivutHelaPanelen): five maroon panels at the bottom of the window, one
// shown at a time. From the start bar the teacher picks questions by hand
// (choice bar) or has a number of them picked (count bar), looks at the
// lists (list bar, which shows the worksheet window TUtskrift) and prints
// them with or without the answers (print bar).
//
// The bar keeps the lists in the shared core::Worksheets; what a question
// adds to them is the window's business, which it does on addShown.
class WorksheetBar final : public QWidget {
    Q_OBJECT
public:
    WorksheetBar(QWidget* parent, core::Worksheets& sheets, app::PrintService& printer);

    // The start bar.
    app::Panel* SkrivutPanel1 = nullptr;
    QPushButton* SkrivutAntalButton = nullptr;
    QPushButton* ValjaUtButton = nullptr;
    QPushButton* VisaUtSkriftListaButton = nullptr;
    QPushButton* Skrivut1Button = nullptr;
    QPushButton* RensaButton = nullptr;
    QPushButton* SkrivutAvbryt1Button = nullptr;
    // The choice bar.
    app::Panel* SkrivutValPanel = nullptr;
    QPushButton* SkrivutNextButton = nullptr;
    QPushButton* SkrivutSkickaButton = nullptr;
    QPushButton* VisaUtskriftLista2Button = nullptr;
    QPushButton* Skrivut2Button = nullptr;
    QPushButton* SkrivutAvbryt2Button = nullptr;
    // The count bar.
    app::Panel* SkrivutAntalPanel = nullptr;
    WorksheetSpinButton* SkrivutSpinButton = nullptr;
    QLabel* SkrivutAntalTextLabel = nullptr;
    QLabel* SkrivutAntalLabel = nullptr;
    QPushButton* SkrivutKlartButton = nullptr;
    QPushButton* SkrivutAvbryt4Button = nullptr;
    // The print bar.
    app::Panel* SkrivutSvarPanel = nullptr;
    QPushButton* SkrivutUtanButton = nullptr;
    QPushButton* SkrivutMedButton = nullptr;
    QPushButton* SkrivutAvbryt3Button = nullptr;
    // The list bar.
    app::Panel* SkrivutListValPanel = nullptr;
    QPushButton* SeListUtanButton = nullptr;
    QPushButton* SelistMedButton = nullptr;
    QPushButton* SkrivutAvbryt5Button = nullptr;

    // The worksheet window, over the exercise window while it shows a list.
    TUtskrift* Utskrift = nullptr;

    // Places the bar and its buttons in area (the place of the button bar)
    // and the worksheet window between listTop and the bar.
    void layOut(const QRect& area, int listTop);
    // The number of records of the exercise file: the most the count bar
    // lets the teacher choose.
    void setRecordCount(int count) { m_recordCount = count; }
    // Shows the start bar, focused.
    void start();

    // The panel shown.
    app::Panel* shownPanel() const;
    int chosenCount() const { return m_chosenCount; }
    bool chosenByHand() const { return m_chosenByHand; }
    // Up and Down change the count while the count bar is shown; true when
    // the key was used.
    bool countKey(int key);

    // The buttons' handlers, named as the components.
    void SkrivutAntalButtonClick();
    void ValjaUtButtonClick();
    void VisaUtSkriftListaButtonClick();
    void VisaUtskriftLista2ButtonClick();
    void SkrivutButtonClick();
    void RensaButtonClick();
    void SkrivutAvbryt1ButtonClick();
    void SkrivutNextButtonClick();
    void SkrivutSkickaButtonClick();
    void SkrivutSpinUp();
    void SkrivutSpinDown();
    void SkrivutKlartButtonClick();
    void SkrivutAvbryt2ButtonClick();
    void SkrivutAvbryt3ButtonClick();
    void SkrivutAvbryt4ButtonClick();
    void SkrivutAvbryt5ButtonClick();
    void SeListButtonClick(bool withAnswers);
    // Prints the question list or the key (SkrivutFraga).
    void SkrivutFraga(bool withAnswers);

signals:
    // The window puts up its next question.
    void nextQuestion();
    // The window adds the question it shows (heading first when pending),
    // then puts up the next one.
    void addShown();
    // The window adds its heading if it is pending ("&Klart" with 0).
    void addHeading();
    // "Till &menyn": the window closes.
    void leave();

protected:
    // Up and Down reach the count whichever button of the bar has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPanel(app::Panel* panel);
    void enableListButtons();
    void showCount();

    core::Worksheets& m_sheets;
    app::PrintService& m_printer;
    std::array<app::Panel*, 5> m_panels{};
    int m_recordCount = 0;
    int m_chosenCount = 1;
    bool m_chosenByHand = false;
    bool m_listReturnsToChoice = false;
    bool m_printing = false;
};

} // namespace glosbo::exercises

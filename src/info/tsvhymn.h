#pragma once

#include <QLabel>
#include <array>

#include "app/panel.h"
#include "info/info_page.h"

namespace glosbo::info {

// The national anthem: its four verses, one at a time, and the recording.
class TSvHymn final : public InfoPage {
    Q_OBJECT
public:
    TSvHymn(core::AppState& state, app::Services& services, QWidget* parent = nullptr);
    ~TSvHymn() override;

    // The five lines of verse 1..4 as they are sung (the last line twice).
    static const std::array<QString, 5>& verse(int number);
    int verseNumber() const { return m_verse; }

    QLabel* Label1; // title
    QLabel* Label2; // "Nationalsång sedan 1866."
    QLabel* Label3; // who wrote it
    QLabel* VersLabel;
    std::array<QLabel*, 5> RadLabels{};
    app::Panel* Panel1;
    QPushButton* SpelaButton;
    QPushButton* NyVersButton;
    QPushButton* AvbrytButton;

public slots:
    void SpelaButtonClick();
    void NyVersButtonClick();
    void AvbrytButtonClick();

protected:
    void done(int result) override;

private:
    void FormCreate();
    void showVerse();
    void play();
    void stopAnthem();

    int m_verse = 1;
    bool m_stopped = false;
};

} // namespace glosbo::info

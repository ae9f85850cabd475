#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <string>
#include <vector>

#include "info/info_page.h"

namespace glosbo::info {

// The manual: read on screen, printed whole or in part.
class TManual final : public InfoPage {
    Q_OBJECT
public:
    TManual(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    // False when the manual file was missing (the window then closes).
    bool loaded() const { return m_loaded; }

    QLabel* Label1; // "Manual till Glosbo"
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2; // the selection to print, never shown
    QPushButton* AvbrytButton;
    QPushButton* SkrivUtButton;
    QPushButton* MarkeratButton;

public slots:
    void SkrivUtButtonClick();
    void MarkeratButtonClick();

private:
    void FormCreate();
    void fitFontToWidth(const QStringList& lines, int memoWidth);
    void printLines(const std::vector<std::string>& lines, double firstTop);

    bool m_loaded = false;
};

} // namespace glosbo::info

#pragma once

#include <QListWidget>
#include <QWidget>

#include "app/panel.h"
#include "core/worksheets.h"

namespace glosbo::exercises {

// The worksheet window: the title "Uppgifter som du valt" above the two
// lists of the worksheet, the questions (ListBox1) and the answer key
// (ListBox2), lying on top of each other. Not modal, it stands over the
// exercise window while the teacher looks at the lists, and never over a
// dialog or the question being chosen. It shows the lists of the shared
// state, which outlive it.
class TUtskrift final : public QWidget {
    Q_OBJECT
public:
    TUtskrift(const core::Worksheets& sheets, QWidget* over);

    app::Panel* TitelPanel = nullptr; // the title
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;

    // Places the window over area of the window it stands over.
    void layOut(const QRect& area);
    // Shows the window with the question list or the key in front.
    void showList(bool withAnswers);
    // Takes the lists again from the worksheet.
    void refresh();
    bool showsAnswers() const { return m_withAnswers; }

protected:
    // Keys that reach this window (Esc, Up, Down) are the exercise
    // window's.
    void keyPressEvent(QKeyEvent* event) override;

private:
    const core::Worksheets& m_sheets;
    QWidget* m_over;
    QRect m_area;
    bool m_withAnswers = false;
};

} // namespace glosbo::exercises

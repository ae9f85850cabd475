#include "exercises/tutskrift.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

QListWidget* makeList(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    // The lines are aligned with spaces, as on paper.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16);
    list->setFont(font);
    return list;
}

} // namespace

TUtskrift::TUtskrift(const core::Worksheets& sheets, QWidget* over)
    // A tool window of the exercise window stays above that window only:
    // the printer's dialogs and our boxes come up over it.
    : QWidget(over, Qt::Tool | Qt::FramelessWindowHint), m_sheets(sheets), m_over(over) {
    setObjectName(QStringLiteral("TUtskrift"));
    setWindowTitle(QStringLiteral("Uppgifter som du valt"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    TitelPanel = new app::Panel(this);
    TitelPanel->setObjectName(QStringLiteral("TitelPanel"));
    TitelPanel->setColor(kBtnFace);
    TitelPanel->setBevelWidth(2);
    TitelPanel->setCaption(QStringLiteral("Uppgifter som du valt"));
    TitelPanel->setCaptionColor(kNavy);
    TitelPanel->setFont(arialBold(27));
    ListBox1 = makeList(this, "ListBox1", QStringLiteral("Uppgifter utan svar"));
    ListBox2 = makeList(this, "ListBox2", QStringLiteral("Uppgifter med svar"));
    hide();
}

void TUtskrift::layOut(const QRect& area) {
    m_area = area;
    const int titleHeight = QFontMetrics(TitelPanel->font()).height() * 3 / 2;
    resize(area.size());
    TitelPanel->setGeometry(0, 0, width(), titleHeight);
    // A line of 64 characters (a task's answer line) fits across.
    QFont font = ListBox1->font();
    font.setPixelSize(std::clamp(area.width() * 10 / 64 / 6, 10, 20));
    for (QListWidget* list : {ListBox1, ListBox2}) {
        list->setFont(font);
        list->setGeometry(0, titleHeight, width(), height() - titleHeight);
    }
}

void TUtskrift::refresh() {
    const auto fill = [](QListWidget* list, const std::vector<std::string>& lines) {
        list->clear();
        for (const std::string& line : lines)
            list->addItem(app::fromCp1252(line));
    };
    fill(ListBox1, m_sheets.questions());
    fill(ListBox2, m_sheets.answers());
}

void TUtskrift::showList(bool withAnswers) {
    m_withAnswers = withAnswers;
    refresh();
    // A tool window is placed in screen coordinates.
    move(m_over->mapToGlobal(m_area.topLeft()));
    QListWidget* front = withAnswers ? ListBox2 : ListBox1;
    front->show();
    front->raise();
    (withAnswers ? ListBox1 : ListBox2)->hide();
    show();
    raise();
    // The keys stay with the exercise window and its bar.
    m_over->activateWindow();
}

void TUtskrift::keyPressEvent(QKeyEvent* event) {
    QCoreApplication::sendEvent(m_over, event);
}

} // namespace glosbo::exercises

#include "info/tregelform.h"

#include <QKeyEvent>
#include <QUrl>

#include "app/scaling.h"
#include "app/style.h"
#include "core/rule_pages.h"

namespace glosbo::info {

TRegelform::TRegelform(core::AppState& state, app::Services& services, std::uint16_t programNumber,
                       QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_programNumber(programNumber) {
    setObjectName("TRegelform");
    setWindowTitle("Regel");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    Panel1 = new app::Panel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setColor(app::style::kYellow);
    Panel1->setBevelWidth(2);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    WebBrowser1 = new QTextBrowser(Panel1);
    WebBrowser1->setObjectName("WebBrowser1");
    WebBrowser1->setAccessibleName("Regel");
    WebBrowser1->setOpenLinks(false);
    ClosePanel2Knapp = new QPushButton("Tillbaka", Panel1);
    ClosePanel2Knapp->setObjectName("ClosePanel2Knapp");
    ClosePanel2Knapp->setFont(app::style::arialBold(19));
    ClosePanel2Knapp->resize(160, 32);
    connect(ClosePanel2Knapp, &QPushButton::clicked, this, &TRegelform::ClosePanel2KnappClick);
    LasUppButton = new app::ReadAloudButton(this, services.speech, state.settings);
    LasUppButton->text = [this] {
        core::ShownQuestion page;
        page.shown = app::ReadAloudButton::visibleTexts(*this);
        return core::readAloud(page);
    };

    FormCreate();
}

void TRegelform::FormCreate() {
    if (m_state.screen.scalePercent() != 100)
        app::scaleWidgets(*this, m_state.screen.scalePercent());
    const QRect screen = app::screenRect(m_state.screen);
    resize(screen.size());
    Panel1->setGeometry(0, 0, screen.width(), screen.height());
    Panel1->show();
    Image1->setGeometry(0, 0, Panel1->width(), 0);
    // The page is loaded once: loading it again when the window shows would
    // only repeat the message for a missing page.
    Webregel();
}

void TRegelform::Webregel() {
    const core::RulePage page = core::findRulePage(m_state.roots(), m_programNumber);
    if (page.path) {
        m_shown = QString::fromStdString(*page.path);
        WebBrowser1->setSource(QUrl::fromLocalFile(m_shown));
    } else {
        m_shown.clear();
        m_services.messages.information(page.missingMessage);
    }
    const int m = m_state.screen.letterUnit();
    WebBrowser1->setGeometry(m, m, Panel1->width() - 2 * m,
                             Panel1->height() - 2 * m - ClosePanel2Knapp->height());
    ClosePanel2Knapp->move((Panel1->width() - ClosePanel2Knapp->width()) / 2,
                           Panel1->height() - ClosePanel2Knapp->height());
    // Below the page, at the left, level with "Tillbaka".
    LasUppButton->resize(LasUppButton->sizeHint());
    LasUppButton->move(m, Panel1->height() - LasUppButton->height());
    LasUppButton->raise();
}

void TRegelform::ClosePanel2KnappClick() {
    reject();
}

void TRegelform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) reject();
    // Every other key is swallowed: the page is for reading.
}

} // namespace glosbo::info

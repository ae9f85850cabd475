#include "info/tmanual.h"

#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/style.h"
#include "app/text_codec.h"
#include "core/data_fs.h"
#include "core/manual.h"

namespace glosbo::info {
namespace {

constexpr std::string_view kManualFile = "/DATA/SVEMAN2.TXT";

std::vector<std::string> linesOf(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(app::toCp1252(line));
    return lines;
}

} // namespace

TManual::TManual(core::AppState& state, app::Services& services, QWidget* parent)
    : InfoPage(state, services, "TManual", "Manual till Glosbo", app::style::kWhite, parent) {
    Label1 = makeLabel("Manual till Glosbo", "Label1", 32, true, this);
    Label1->setAlignment(Qt::AlignCenter);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName("Manualens text");
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont("Liberation Mono");
    memoFont.setStyleHint(QFont::Monospace);
    memoFont.setPixelSize(scaled(15));
    Memo1->setFont(memoFont);
    Memo1->setContextMenuPolicy(Qt::NoContextMenu);
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName("Memo2");
    Memo2->setAccessibleName("Markerad text");
    Memo2->hide();
    AvbrytButton = makeButton("&Avbryt", "AvbrytButton", this);
    SkrivUtButton = makeButton("&Skriv ut", "SkrivUtButton", this);
    MarkeratButton = makeButton("Skriv ut &markerat", "MarkeratButton", this);
    MarkeratButton->resize(scaled(200), MarkeratButton->height());
    connect(AvbrytButton, &QPushButton::clicked, this, &TManual::reject);
    connect(SkrivUtButton, &QPushButton::clicked, this, &TManual::SkrivUtButtonClick);
    connect(MarkeratButton, &QPushButton::clicked, this, &TManual::MarkeratButtonClick);
    FormCreate();
}

void TManual::FormCreate() {
    const auto path = core::findDataFile(m_state.roots(), kManualFile);
    std::string bytes;
    if (path) {
        std::ifstream in(*path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        if (in) m_loaded = true;
        bytes = content.str();
    }
    if (!m_loaded) {
        const core::DataRoots& roots = m_state.roots();
        const std::string& root = roots.cdPath.empty() ? roots.pcPath : roots.cdPath;
        m_services.messages.information(u8"Filen " + std::u8string(root.begin(), root.end()) +
                                        u8"/DATA/SVEMAN2.TXT finns inte eller är felaktig");
        QTimer::singleShot(0, this, &TManual::reject);
        return;
    }
    QStringList shown;
    for (const std::string& line : core::manualLines(bytes))
        shown << app::fromCp1252(line);
    Memo1->setPlainText(shown.join('\n'));

    const QRect area = screen();
    const int unit = m_state.screen.letterUnit();
    const int titleHeight = Label1->sizeHint().height();
    Label1->setGeometry(0, titleHeight / 2, area.width(), titleHeight);
    const QRect memo(2 * unit, 3 * titleHeight, area.width() - 4 * unit,
                     area.height() - 5 * titleHeight);
    Memo1->setGeometry(memo);
    Memo2->setGeometry(memo);
    fitFontToWidth(shown, memo.width());
    const int bh = SkrivUtButton->height();
    const int rowWidth =
        AvbrytButton->width() + SkrivUtButton->width() + MarkeratButton->width() + 4 * unit;
    int x = (area.width() - rowWidth) / 2;
    const int top = area.height() - bh * 3 / 2;
    for (QPushButton* button : {AvbrytButton, SkrivUtButton, MarkeratButton}) {
        button->move(x, top);
        x += button->width() + 2 * unit;
    }
    Memo1->setFocus();
}

// The manual is aligned by spaces and printed as it stands, so it is never
// wrapped on screen either: the font shrinks until the widest line fits the
// memo, and no pupil has to scroll sideways to read a line to its end.
void TManual::fitFontToWidth(const QStringList& lines, int memoWidth) {
    Memo1->ensurePolished();
    const int room = memoWidth - 2 * Memo1->frameWidth() -
                     Memo1->verticalScrollBar()->sizeHint().width() -
                     2 * int(Memo1->document()->documentMargin() + 1) - Memo1->cursorWidth();
    QFont font = Memo1->font();
    const auto widest = [&lines](const QFont& f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    constexpr int kSmallest = 8;
    while (font.pixelSize() > kSmallest && widest(font) > room)
        font.setPixelSize(font.pixelSize() - 1);
    Memo1->setFont(font);
}

void TManual::printLines(const std::vector<std::string>& lines, double firstTop) {
    const std::vector<core::Page> pages =
        core::layOutManual(lines, firstTop, m_services.printer.metrics());
    if (pages.empty()) return;
    // One print at a time: the buttons come back when it has gone.
    for (QPushButton* button : {SkrivUtButton, MarkeratButton})
        button->setEnabled(false);
    m_services.printer.print(pages, this);
    for (QPushButton* button : {SkrivUtButton, MarkeratButton})
        button->setEnabled(true);
}

void TManual::SkrivUtButtonClick() {
    printLines(linesOf(Memo1->toPlainText()), core::ManualLayout::kFirstTop);
}

// The selection goes to the hidden memo directly, never through the
// clipboard, so what the user had copied stays there.
void TManual::MarkeratButtonClick() {
    QString selected = Memo1->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, '\n');
    if (selected.isEmpty()) return;
    Memo2->setPlainText(selected);
    printLines(linesOf(Memo2->toPlainText()), core::ManualLayout::kSelectionTop);
}

} // namespace glosbo::info

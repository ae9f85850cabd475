#include "games/tprank.h"

#include <QFontMetrics>
#include <QTimer>
#include <algorithm>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::games {

using namespace app::style;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, 14, false);
}

std::u8string missingFileMessage(const std::string& name) {
    return u8"Filen " + std::u8string(name.begin(), name.end()) + u8" finns inte eller är felaktig";
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

TPrank::TPrank(exercises::CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "TPrank", "Stolliga texten") {
    buildComponents();
}

void TPrank::buildComponents() {
    InstruktionsLabel->hide();

    HistoriePanel = new QWidget(this);
    HistoriePanel->setObjectName(QStringLiteral("HistoriePanel"));
    ValjLabel = textLabel(HistoriePanel, "ValjLabel", kBlack, 19);
    ValjLabel->setText(QStringLiteral("Välj en av dessa historier:"));
    ValjLabel->show();
    ListBox1 = new QListWidget(HistoriePanel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(arialBold(17));
    ListBox1->setAccessibleName(QStringLiteral("Historier"));
    ValjLabel->setBuddy(ListBox1);

    OrdPanel = new QWidget(this);
    OrdPanel->setObjectName(QStringLiteral("OrdPanel"));
    FragaLabel = textLabel(OrdPanel, "FragaLabel", kGreen, 22);
    FragaLabel->show();
    for (int i = 0; i < core::CrazyText::kRows; ++i) {
        const std::string name = "OrdLabel" + std::to_string(i + 1);
        OrdLabel[i] = textLabel(OrdPanel, name.c_str(), kNavy, 18);
        // A word stays where it was typed in the box.
        OrdLabel[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        OrdLabel[i]->setIndent(4);
        OrdLabel[i]->show();
    }
    Edit1 = new QLineEdit(OrdPanel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(arialBold(18));
    Edit1->setMaxLength(int(core::CrazyText::kLongestWord));
    setTextColor(Edit1, kNavy, kWhite);
    Edit1->setAccessibleName(QStringLiteral("Ord"));
    OrdPanel->hide();

    ResultatPanel = new app::Panel(this);
    ResultatPanel->setObjectName(QStringLiteral("ResultatPanel"));
    ResultatPanel->setColor(kSilver);
    ResultatPanel->setBevelWidth(2);
    Memo1 = new QPlainTextEdit(ResultatPanel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(arialBold(15));
    QPalette memoColours = Memo1->palette();
    memoColours.setColor(QPalette::Base, kSilver);
    memoColours.setColor(QPalette::Text, kBlack);
    Memo1->setPalette(memoColours);
    Memo1->setAccessibleName(QStringLiteral("Den stolliga texten"));
    BitBtn1 = makeButton(ResultatPanel, "BitBtn1", QStringLiteral("&Utskrift"));
    Button2 = makeButton(ResultatPanel, "Button2", QStringLiteral("&Ny historia"));
    Button1 = makeButton(ResultatPanel, "Button1", QStringLiteral("&Avbryt"));
    ResultatPanel->hide();

    connect(ListBox1, &QListWidget::itemClicked, this, &TPrank::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TPrank::ListBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TPrank::BitBtn1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrank::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TPrank::reject);
    ListBox1->installEventFilter(this);
    Edit1->installEventFilter(this);
}

void TPrank::FormCreate() {
    prepareFrame();
    RitaOverskriften("Stolliga texten", "", "");
    OverskriftInnerShape->setBrushColor(kNavy);
    layOut();
    if (!AntalHistorier()) {
        m_services.messages.information(missingFileMessage(m_state.files.currentExerciseFile));
        // Without a story there is nothing to do: the window closes as soon
        // as it is shown.
        QTimer::singleShot(0, this, &TPrank::reject);
        return;
    }
    showStoryList();
}

void TPrank::layOut() {
    const int W = screenSize().width();
    const int H = screenSize().height();
    const int u = letterUnit();
    const QRect title = OverskriftYtterShape->geometry();
    const int top = title.bottom() + 1 + u;

    // The story list: the heading over a list as wide as half the screen.
    const int listWidth = std::max(W / 2, ValjLabel->sizeHint().width());
    ValjLabel->adjustSize();
    ValjLabel->move(0, 0);
    // The list and the word rows stand under the title box's left edge.
    const int left = std::max(u, title.left());
    HistoriePanel->setGeometry(left, top, listWidth, H - top - u);
    ListBox1->setGeometry(0, ValjLabel->height() + u / 2, listWidth,
                          HistoriePanel->height() - ValjLabel->height() - u / 2);

    // The word entry: the prompt, then ten rows, each 4/3 of the prompt's
    // height below the one before.
    const int promptHeight = QFontMetrics(FragaLabel->font()).height();
    OrdPanel->setGeometry(left, top, W - left - u, H - top - u / 2);
    FragaLabel->setGeometry(0, u / 2, OrdPanel->width(), promptHeight);
    const int rowWidth = QFontMetrics(Edit1->font()).averageCharWidth() * 24;
    const int rowHeight = QFontMetrics(Edit1->font()).height() + 6;
    // On a low screen the rows close up so that the tenth still shows.
    const int room = OrdPanel->height() - FragaLabel->y() - rowHeight;
    m_rowStep = std::max(rowHeight, std::min(promptHeight * 4 / 3, room / 10));
    for (int i = 0; i < core::CrazyText::kRows; ++i)
        OrdLabel[i]->setGeometry(0, FragaLabel->y() + (i + 1) * m_rowStep, rowWidth, rowHeight);
    Edit1->resize(rowWidth, rowHeight);

    // The finished text fills the panel above its three buttons.
    ResultatPanel->setGeometry(u / 2, top, W - u, H - top - u / 2);
    const int buttonHeight = QFontMetrics(BitBtn1->font()).height() * 2;
    const int buttonWidth = std::max({BitBtn1->sizeHint().width(), Button2->sizeHint().width(),
                                      Button1->sizeHint().width(), W / 8});
    const int buttonTop = ResultatPanel->height() - buttonHeight - u / 2;
    Memo1->setGeometry(u / 2, u / 2, ResultatPanel->width() - u, buttonTop - u / 2 - u / 2);
    int x = u / 2;
    for (QPushButton* button : {BitBtn1, Button2, Button1}) {
        button->setGeometry(x, buttonTop, buttonWidth, buttonHeight);
        x += buttonWidth + u;
    }
}

bool TPrank::AntalHistorier() {
    ListBox1->clear();
    m_stories.clear();
    const auto file = core::loadCrazyStories(m_state.roots(), m_state.files.currentExerciseFile);
    if (!file) return false;
    m_stories = file->stories;
    for (const core::CrazyStory& story : m_stories)
        ListBox1->addItem(app::fromCp1252(story.title));
    return !m_stories.empty();
}

void TPrank::showStoryList() {
    m_round.reset();
    m_lines.clear();
    ResultatPanel->hide();
    OrdPanel->hide();
    HistoriePanel->show();
    ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

void TPrank::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= int(m_stories.size())) return;
    HistoriePanel->hide();
    m_round.emplace(m_stories[row]);
    MataInOrd();
}

void TPrank::MataInOrd() {
    for (QLabel* label : OrdLabel)
        label->clear();
    FragaLabel->setText(app::fromCp1252(m_round->prompt()));
    Edit1->clear();
    Edit1->move(OrdLabel[0]->pos());
    Edit1->raise();
    OrdPanel->show();
    Edit1->setFocus();
}

void TPrank::takeWord() {
    const int row = m_round->wordNumber();
    const std::string word = app::toCp1252(Edit1->text());
    if (row >= 1 && row <= core::CrazyText::kRows) OrdLabel[row - 1]->setText(Edit1->text());
    Edit1->clear();
    if (!m_round->take(word)) {
        const int next = std::min(m_round->wordNumber(), core::CrazyText::kRows) - 1;
        Edit1->move(OrdLabel[next]->pos());
        return;
    }
    if (m_round->kind() != core::CrazyText::kDone) {
        MataInOrd();
        return;
    }
    OrdPanel->hide();
    m_round->shuffle(m_state.random());
    SettInOrd();
}

void TPrank::SettInOrd() {
    // Wrapped in the font the text is shown in, so that no line runs past
    // the text area whatever the scaling; the bounds are screen pixels.
    const int shownPixels = Memo1->font().pixelSize();
    core::WrapContext wrap{[this, shownPixels](std::string_view text, int) {
                               return m_services.measure.widthPx(text, shownPixels);
                           },
                           screenSize().width(), m_state.programNumber};
    m_lines = m_round->text(10, screenSize().width() * 2 / 3, wrap);
    QStringList lines;
    for (const std::string& line : m_lines)
        lines << app::fromCp1252(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    ResultatPanel->show();
    ResultatPanel->raise();
    BitBtn1->setFocus();
}

void TPrank::BitBtn1Click() {
    m_services.printer.print(core::crazyTextPages(m_lines, m_services.printer.metrics()), this);
}

void TPrank::Button2Click() {
    showStoryList();
}

bool TPrank::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key) && watched == ListBox1) {
            ListBox1Click();
            return true;
        }
        if (isEnter(key) && watched == Edit1) {
            if (m_round && m_round->kind() != core::CrazyText::kDone) takeWord();
            return true;
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace glosbo::games

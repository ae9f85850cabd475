#include "games/tavsloj.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "games/game_messages.h"

namespace glosbo::games {

using namespace app::style;

namespace {

constexpr int kSlotPixels = 22;

QLabel* label(QWidget* parent, const char* name, const QString& text, int pixels,
              const QColor& color = kBlack) {
    QLabel* l = textLabel(parent, name, color, pixels);
    l->setText(text);
    l->show();
    return l;
}

QWidget* bar(QWidget* parent, const char* name, const QRect& geometry) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kYellow);
    w->setPalette(p);
    w->setGeometry(geometry);
    return w;
}

} // namespace

Tavsloj::Tavsloj(exercises::CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "Tavsloj", "Avslöja") {
    TitelSkugga = label(this, "TitelSkugga", QStringLiteral("Avslöja"), 50, kBlack);
    TitelSkugga->setGeometry(118, 10, 180, 60);
    TitelLabel = label(this, "TitelLabel", QStringLiteral("Avslöja"), 50, kYellow);
    TitelLabel->setGeometry(110, 10, 180, 60);
    VansterRegel = bar(this, "VansterRegel", QRect(20, 40, 85, 6));
    HogerRegel = bar(this, "HogerRegel", QRect(295, 40, 491, 6));

    StoryPanel = new QWidget(this);
    StoryPanel->setObjectName(QStringLiteral("StoryPanel"));
    StoryPanel->setGeometry(20, 70, 761, 251);
    for (int r = 0; r < core::RevealStory::kRows; ++r) {
        QLabel* name = textLabel(StoryPanel, "", kMaroon, kSlotPixels);
        name->setObjectName(QStringLiteral("NamnLabel%1").arg(r + 1));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->setGeometry(0, 20 + 30 * r, 121, 28);
        NamnLabel[std::size_t(r)] = name;
    }
    for (int k = 0; k < core::RevealStory::kSlots; ++k) {
        QLabel* slot = textLabel(StoryPanel, "", kNavy, kSlotPixels);
        slot->setObjectName(QStringLiteral("Ord%1").arg(k + 1));
        slot->setAcceptDrops(true);
        slot->installEventFilter(this);
        slot->move(140, 20 + 30 * (k / core::RevealStory::kColumns));
        Ord[std::size_t(k)] = slot;
    }

    ValPanel = new app::Panel(this);
    ValPanel->setObjectName(QStringLiteral("ValPanel"));
    ValPanel->setColor(kSilver);
    ValPanel->setGeometry(85, 115, 624, 424);
    ValLabel1 = label(ValPanel, "ValLabel1", QStringLiteral("Välj en text."), 22, kNavy);
    ValLabel1->setGeometry(30, 20, 300, 30);
    ValLabel2 = label(ValPanel, "ValLabel2", QStringLiteral("Klicka på ett nummer."), 22, kNavy);
    ValLabel2->setGeometry(30, 50, 300, 30);
    ListBox2 = new QListWidget(ValPanel);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setAccessibleName(QStringLiteral("Berättelser"));
    ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox2->setGeometry(30, 90, 84, 211);
    ListBox2->installEventFilter(this);
    connect(ListBox2, &QListWidget::itemClicked, this, &Tavsloj::ListBox2Click);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &Tavsloj::ListBox2Click);
    GroupBox1 = new QGroupBox(QStringLiteral("Välj träningstyp"), ValPanel);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFont(arialBold(22));
    GroupBox1->setGeometry(160, 90, 430, 211);
    RadioButton1 =
        new QRadioButton(QStringLiteral("Flytta givna ord till\nrätt plats i texten."), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(20, 50, 400, 70);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Gissa orden."), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(20, 130, 400, 40);
    Button2 = new QPushButton(QStringLiteral("&Avbryta"), ValPanel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFont(arialBold(23));
    Button2->setAutoDefault(false);
    Button2->setGeometry(30, 330, 160, 45);
    connect(Button2, &QPushButton::clicked, this, &Tavsloj::reject);

    GissaPanel = new app::Panel(this);
    GissaPanel->setObjectName(QStringLiteral("GissaPanel"));
    GissaPanel->setColor(kSilver);
    GissaPanel->setGeometry(20, 330, 761, 61);
    GissaLabel = label(GissaPanel, "GissaLabel", QStringLiteral("Gissa ett ord"), 25, kNavy);
    GissaLabel->setGeometry(10, 14, 180, 34);
    Edit1 = new QLineEdit(GissaPanel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Gissa ett ord"));
    Edit1->setMaxLength(kGuessLength);
    Edit1->setFont(arialBold(23));
    setTextColor(Edit1, kNavy, kWhite);
    Edit1->setGeometry(200, 12, 300, 38);
    Edit1->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("&Se historien"), GissaPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(arialBold(20));
    Button1->setAutoDefault(false);
    Button1->setGeometry(530, 10, 210, 42);
    Button1->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tavsloj::Button1Click);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Ord att flytta"));
    ListBox1->setFont(arialBold(18));
    ListBox1->setGeometry(23, 330, 171, 181);
    ListBox1->setDragEnabled(true);
    ListBox1->viewport()->installEventFilter(this);
    ListBox1->installEventFilter(this);

    static const char* const kCaptions[] = {"Rätt svar", "Klarat", "Antal försök"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new app::Panel(this);
        box->setObjectName(QStringLiteral("StatPanel%1").arg(i + 1));
        box->setColor(kRed);
        box->setGeometry(210 + 140 * i, 410, 121, 101);
        QLabel* caption = label(box, "", QString::fromUtf8(kCaptions[i]), 16, kWhite);
        caption->setObjectName(QStringLiteral("StatRubrik%1").arg(i + 1));
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(4, 4, 113, 44);
        caption->setWordWrap(true);
        QLabel* value = label(box, "", QStringLiteral("0 %"), 25, kRed);
        value->setObjectName(QStringLiteral("StatVarde%1").arg(i + 1));
        value->setAlignment(Qt::AlignCenter);
        value->setAutoFillBackground(true);
        QPalette p = value->palette();
        p.setColor(QPalette::Window, kWhite);
        value->setPalette(p);
        value->setGeometry(10, 50, 101, 45);
        StatPanel[std::size_t(i)] = box;
        StatRubrik[std::size_t(i)] = caption;
        StatVarde[std::size_t(i)] = value;
    }
    setAcceptDrops(true);
}

void Tavsloj::FormCreate() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{OverskriftYtterShape, OverskriftInnerShape, Overs1Label,
                                         Overs2Label, Overs3Label, InstruktionsLabel})
        w->hide();
    QPalette p = palette();
    p.setColor(QPalette::Window, kSilver);
    setPalette(p);
    setAutoFillBackground(true);
    resize(screenSize());
    layOut();
    const auto stories =
        core::loadRevealStories(m_state.roots(), m_state.files.currentExerciseFile);
    if (stories) m_stories = *stories;
    // Only stories with a word to find can be played.
    bool playable = false;
    for (const auto& lines : m_stories)
        playable = playable || core::RevealStory(lines).wordTotal() > 0;
    if (!playable) {
        m_services.messages.information(missingFileMessage(m_state.files.currentExerciseFile));
        QTimer::singleShot(0, this, &Tavsloj::reject);
        return;
    }
    Resett();
}

int Tavsloj::scaled(int pixels) const {
    return int(pixels * m_factor + 0.5);
}

void Tavsloj::layOut() {
    // The window is designed for 800 x 560 pixels and grows evenly with the
    // screen, centred across it.
    m_factor = std::min(width() / 800.0, height() / 560.0);
    const int left = (width() - scaled(800)) / 2;
    const auto at = [this](int x, int y, int w, int h) {
        return QRect(scaled(x), scaled(y), scaled(x + w) - scaled(x), scaled(y + h) - scaled(y));
    };
    const auto font = [this](QWidget* w, int pixels) { w->setFont(arialBold(scaled(pixels))); };

    font(TitelLabel, 50);
    font(TitelSkugga, 50);
    TitelLabel->adjustSize();
    TitelSkugga->adjustSize();
    TitelLabel->move(left + scaled(110), scaled(4));
    TitelSkugga->move(left + scaled(114), scaled(8));
    const int ruleTop = TitelLabel->y() + TitelLabel->height() / 2;
    VansterRegel->setGeometry(left + scaled(20), ruleTop, scaled(85), scaled(6));
    const int rightRule = TitelSkugga->x() + TitelSkugga->width() + scaled(6);
    HogerRegel->setGeometry(rightRule, ruleTop, left + scaled(786) - rightRule, scaled(6));

    StoryPanel->setGeometry(at(20, 70, 761, 251).translated(left, 0));
    for (QLabel* name : NamnLabel)
        font(name, kSlotPixels);
    for (QLabel* slot : Ord)
        font(slot, kSlotPixels);

    ValPanel->setGeometry(at(85, 110, 624, 430).translated(left, 0));
    font(ValLabel1, 22);
    font(ValLabel2, 22);
    ValLabel1->setGeometry(at(30, 20, 400, 30));
    ValLabel2->setGeometry(at(30, 50, 400, 30));
    QFont numbers = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    numbers.setBold(true);
    numbers.setPixelSize(scaled(20));
    ListBox2->setFont(numbers);
    ListBox2->setGeometry(at(30, 90, 110, 231));
    font(GroupBox1, 22);
    GroupBox1->setGeometry(at(170, 90, 420, 231));
    RadioButton1->setGeometry(at(20, 50, 390, 70));
    RadioButton2->setGeometry(at(20, 140, 390, 40));
    font(Button2, 23);
    Button2->setGeometry(at(30, 350, 160, 45));

    GissaPanel->setGeometry(at(20, 330, 761, 61).translated(left, 0));
    font(GissaLabel, 25);
    GissaLabel->setGeometry(at(10, 12, 180, 36));
    font(Edit1, 23);
    Edit1->setGeometry(at(200, 11, 300, 38));
    font(Button1, 20);
    Button1->setGeometry(at(530, 9, 210, 42));
    font(ListBox1, 18);
    ListBox1->setGeometry(at(23, 330, 171, 181).translated(left, 0));

    for (int i = 0; i < 3; ++i) {
        StatPanel[std::size_t(i)]->setGeometry(
            at(210 + 140 * i, 410, 121, 101).translated(left, 0));
        font(StatRubrik[std::size_t(i)], 16);
        StatRubrik[std::size_t(i)]->setGeometry(at(4, 4, 113, 44));
        font(StatVarde[std::size_t(i)], 25);
        StatVarde[std::size_t(i)]->setGeometry(at(10, 50, 101, 45));
    }
    OrdnaLabels();
}

void Tavsloj::letastorys() {
    ListBox2->clear();
    for (std::size_t n = 1; n <= m_stories.size(); ++n)
        ListBox2->addItem(QString::fromStdString(core::storyListEntry(int(n))));
}

void Tavsloj::Resett() {
    StoryPanel->hide();
    for (app::Panel* box : StatPanel)
        box->hide();
    letastorys();
    if (ListBox2->count() > 0) ListBox2->setCurrentRow(0);
    ListBox1->clear();
    for (QLabel* slot : Ord)
        slot->hide();
    for (QLabel* name : NamnLabel)
        name->hide();
    m_story.reset();
    UpdateInfo();
    Button1->setText(QStringLiteral("&Se historien"));
    m_storyShown = false;
    Edit1->clear();
    Edit1->setEnabled(true);
    ListBox1->hide();
    GissaPanel->hide();
    ValPanel->show();
    ListBox2->setFocus();
}

void Tavsloj::ListBox2Click() {
    const int n = ListBox2->currentRow() + 1;
    if (n < 1 || n > int(m_stories.size())) return;
    StoryPanel->show();
    ValPanel->hide();
    m_story.emplace(m_stories[std::size_t(n - 1)]);
    for (int r = 1; r <= core::RevealStory::kRows; ++r) {
        QLabel* name = NamnLabel[std::size_t(r - 1)];
        name->setText(app::fromCp1252(m_story->speaker(r)));
        name->setVisible(!m_story->speaker(r).empty());
    }
    for (int k = 1; k <= core::RevealStory::kSlots; ++k)
        Ord[std::size_t(k - 1)]->setVisible(m_story->slot(k).used);
    showSlots(false);
    if (RadioButton1->isChecked()) {
        GissaPanel->hide();
        fillWordList();
        ListBox1->show();
        ListBox1->setFocus();
    } else {
        Edit1->clear();
        GissaPanel->show();
        Edit1->setEnabled(true);
        Edit1->setFocus();
        ListBox1->hide();
    }
    for (app::Panel* box : StatPanel)
        box->show();
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::fillWordList() {
    ListBox1->clear();
    for (const std::string& word : m_story->wordList())
        ListBox1->addItem(app::fromCp1252(word));
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
}

void Tavsloj::showSlots(bool words) {
    if (!m_story) return;
    for (int k = 1; k <= core::RevealStory::kSlots; ++k) {
        const core::RevealSlot& s = m_story->slot(k);
        Ord[std::size_t(k - 1)]->setText(app::fromCp1252(words ? s.word : s.placeholder));
    }
    OrdnaLabels();
}

void Tavsloj::OrdnaLabels() {
    const int gap = scaled(10);
    for (int r = 0; r < core::RevealStory::kRows; ++r) {
        const int top = scaled(20 + 30 * r);
        int left = scaled(140);
        for (int c = 0; c < core::RevealStory::kColumns; ++c) {
            QLabel* slot = Ord[std::size_t(r * core::RevealStory::kColumns + c)];
            slot->adjustSize();
            slot->move(left, top);
            left += slot->width() + gap;
        }
        QLabel* name = NamnLabel[std::size_t(r)];
        name->setGeometry(0, top, scaled(121), Ord[std::size_t(r * 7)]->height());
    }
}

void Tavsloj::utruta(const QString& entry, int slot) {
    if (!m_story) return;
    if (m_story->drop(app::toCp1252(entry), slot)) {
        Ord[std::size_t(slot - 1)]->setText(app::fromCp1252(m_story->slot(slot).placeholder));
        fillWordList();
    }
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::Textkoll() {
    if (!m_story) return;
    const QString text = Edit1->text();
    if (text.isEmpty() || text == QStringLiteral("-")) return;
    m_story->guess(app::toCp1252(text));
    showSlots(m_storyShown);
    Edit1->clear();
    Edit1->setFocus();
    UpdateInfo();
}

void Tavsloj::UpdateInfo() {
    if (!m_story) {
        StatVarde[0]->setText(QStringLiteral("0 %"));
        StatVarde[1]->setText(QStringLiteral("0 %"));
        StatVarde[2]->setText(QStringLiteral("0"));
        return;
    }
    StatVarde[0]->setText(QString::fromStdString(m_story->rightText()));
    StatVarde[1]->setText(QString::fromStdString(m_story->doneText()));
    StatVarde[2]->setText(QString::number(m_story->attempts()));
    if (!m_story->complete()) return;
    ListBox1->hide();
    GissaPanel->hide();
    OrdnaLabels();
    m_services.messages.information(u8"Grattis! Du klarade det!");
    Resett();
}

void Tavsloj::Button1Click() {
    m_storyShown = !m_storyShown;
    Button1->setText(m_storyShown ? QStringLiteral("&Göm historien")
                                  : QStringLiteral("&Se historien"));
    Edit1->setEnabled(!m_storyShown);
    showSlots(m_storyShown);
    if (!m_storyShown) Edit1->setFocus();
}

void Tavsloj::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (ValPanel->isVisible())
            reject();
        else
            Resett();
        event->accept();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

bool Tavsloj::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            keyPressEvent(key);
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && watched == Edit1) {
            Textkoll();
            return true;
        }
        if (enter && watched == ListBox2) {
            ListBox2Click();
            return true;
        }
    }
    // A press on a word of the list picks it up at once.
    if (watched == ListBox1->viewport() && type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        QListWidgetItem* item = ListBox1->itemAt(mouse->position().toPoint());
        if (!item) return true;
        ListBox1->setCurrentItem(item);
        auto* mime = new QMimeData;
        mime->setText(item->text());
        auto* drag = new QDrag(ListBox1);
        drag->setMimeData(mime);
        drag->exec(Qt::MoveAction);
        return true;
    }
    for (int k = 0; k < core::RevealStory::kSlots; ++k) {
        if (watched != Ord[std::size_t(k)]) continue;
        if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasText()) drag->acceptProposedAction();
            return true;
        }
        if (type == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            drop->acceptProposedAction();
            const QString text = drop->mimeData()->text();
            // The drop finishes before the window changes.
            QTimer::singleShot(0, this, [this, text, k] { utruta(text, k + 1); });
            return true;
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace glosbo::games

#include "exercises/tbilden.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "app/bmp_image.h"
#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/data_fs.h"
#include "core/picture_questions.h"
#include "core/write_answer.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// The picture's place on the design screen; the headline box stands
// beside it, a little higher than in the other windows.
const QRect kPictureArea(4, 4, 313, 433);
const QRect kOuterHeadline(330, 7, 300, 80);
const QRect kInnerHeadline(334, 12, 288, 70);
// Room given to the input beyond the width of the expected answer.
constexpr int kInputSpare = 60;

Skeleton tbildenSkeleton() {
    Skeleton s;
    s.name = "TBilden";
    s.title = "Bildfrågor";
    s.lastAnswerTimerName = "Timer2";
    s.lamp = false;
    s.diagnosisBox = false;
    s.worksheetBar = false;
    s.finishPicture = false;
    s.barDuringLastAnswer = true;
    s.previewsKeys = true;
    s.resume = core::ResumeRule::CountsKept;
    return s;
}

} // namespace

TBilden::TBilden(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tbildenSkeleton()), m_pictureFile(context.pictureFileName) {
    buildOwnComponents();
}

void TBilden::buildOwnComponents() {
    Timer2 = lastAnswerTimer;

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Bild"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(kPictureArea);
    Image1->show();

    OverskriftYtterShape->setGeometry(kOuterHeadline);
    OverskriftInnerShape->setGeometry(kInnerHeadline);
    InstruktionsLabel->setFont(arialBold(19));

    FrageLabel1 = textLabel(this, "FrageLabel1", kNavy, 16);
    FrageLabel2 = textLabel(this, "FrageLabel2", kNavy, 16);
    FrageLabel2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SvarsLabel = textLabel(this, "SvarsLabel", kMaroon, 19);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Svar"));
    Edit1->setFont(arialBold(19));
    Edit1->setGeometry(330, 200, 120, 28);
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, kNavy);
    Edit1->setPalette(pal);
    Edit1->installEventFilter(this);

    Testlabel = new QLabel(this);
    Testlabel->setObjectName(QStringLiteral("Testlabel"));
    Testlabel->hide();

    Bildpanelen = new app::Panel(this);
    Bildpanelen->setObjectName(QStringLiteral("Bildpanelen"));
    Bildpanelen->setColor(kSilver);
    Bildpanelen->hide();
}

void TBilden::setUpProgram() {
    // After the scaling: the picture area and the headline box beside it.
    m_pictureArea = Image1->geometry();
    const int W = screenSize().width();
    const int m = letterUnit();
    QRect outer = OverskriftYtterShape->geometry();
    outer.setLeft(m_pictureArea.right() + 1 + 2 * m);
    outer.setWidth(W - outer.left() - (5 * W) / 64);
    OverskriftYtterShape->setGeometry(outer);
    QRect inner = OverskriftInnerShape->geometry();
    inner.setLeft(outer.left() + m / 2);
    inner.setWidth(outer.width() - m);
    OverskriftInnerShape->setGeometry(inner);
    InstruktionsLabel->move(outer.left(), InstruktionsLabel->y());
    loadPicture();
}

// The headline box reaches the strip, so the speaker button goes under the
// picture, clear of the questions beside it.
void TBilden::placeReadAloudButton() {
    LasUppButton->move(m_pictureArea.left(), m_pictureArea.bottom() + 1 + letterUnit() / 2);
    LasUppButton->raise();
}

void TBilden::loadPicture() {
    if (m_pictureFile.empty()) m_pictureFile = core::pictureQuestionFile(m_state.programNumber);
    // Without the picture the area stays empty and the questions still run.
    const auto file = m_pictureFile.empty()
                          ? std::nullopt
                          : core::findDataFile(m_state.roots(), "/BILD/" + m_pictureFile);
    if (!file) return;
    const QImage picture = app::readBmp(QString::fromStdString(*file));
    if (picture.isNull()) return;
    // The picture fills its area as far as its proportions allow: on a large
    // screen it grows with the area rather than standing small in a corner.
    const QImage fitted =
        picture.scaled(m_pictureArea.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image1->setPixmap(QPixmap::fromImage(fitted));
}

void TBilden::placeQuestionControls() {
    const int H = screenSize().height();
    const int m = letterUnit();
    const int left = OverskriftYtterShape->x();
    const int room = Aster1->x() - left - m / 2;
    m_rowHeight = QFontMetrics(FrageLabel1->font()).height();

    // Beside the picture the instruction has less room than in the other
    // windows: a long one is set smaller rather than run under the strip.
    QFont instructionFont = InstruktionsLabel->font();
    while (QFontMetrics(instructionFont).horizontalAdvance(InstruktionsLabel->text()) > room &&
           instructionFont.pixelSize() > 10)
        instructionFont.setPixelSize(instructionFont.pixelSize() - 1);
    InstruktionsLabel->setFont(instructionFont);
    InstruktionsLabel->adjustSize();
    const QRect instruction = InstruktionsLabel->geometry();

    const int top1 = instruction.top() + 3 * instruction.height() / 2;
    const int top2 = top1 + 5 * m_rowHeight / 4;
    FrageLabel1->setGeometry(left, top1, room, m_rowHeight);
    FrageLabel2->setGeometry(left, top2, room, m_rowHeight);
    Edit1->move(left, top2 + 3 * m_rowHeight / 2);
    Edit1->resize(Edit1->width(), Edit1->sizeHint().height());
    SvarsLabel->setGeometry(left, Edit1->y() + 3 * Edit1->height() / 2, room,
                            QFontMetrics(SvarsLabel->font()).height());
    Edit1->clear();

    // The cover hides the question below the instruction line, never the
    // line itself, which reaches lower than designed beside the picture.
    const int coverLeft = m_pictureArea.right() + 1;
    const int designTop = (H / 48) * 10 - m / 3;
    const int coverBottom = designTop + (H / 48) * 35 + m / 3;
    const int coverTop = std::max(designTop, instruction.bottom() + 1 + m / 2);
    Bildpanelen->setGeometry(coverLeft, coverTop, Aster1->x() - coverLeft - 1,
                             coverBottom - coverTop);
}

void TBilden::clearQuestion() {
    for (QLabel* label : {FrageLabel1, FrageLabel2, SvarsLabel})
        label->clear();
    SvarsLabel->hide();
    FrageLabel1->hide();
    Edit1->clear();
}

void TBilden::showQuestion() {
    const core::RecordFields& fields = m_state.fields;
    Testlabel->setText(app::fromCp1252(core::pictureTestText(fields)));
    SvarsLabel->setText(app::fromCp1252(fields[2]));

    // Wrapped in the font the question is shown in, so that no line runs
    // past the progress strip.
    const int shownPoints = std::max(1, FrageLabel1->font().pixelSize() * 72 / 96);
    core::WrapContext wrap{[this, shownPoints](std::string_view text, int) {
                               return m_services.measure.width(std::string(text), shownPoints);
                           },
                           screenSize().width(), m_state.programNumber};
    const auto wrapped = core::dela_mening(FrageLabel1->x(), Aster1->x(), 3, fields[1], wrap);
    const core::PictureQuestionLines lines = core::pictureQuestionLines(wrapped);
    FrageLabel1->setText(app::fromCp1252(lines.upper));
    FrageLabel1->setVisible(!lines.upper.empty());
    FrageLabel2->setText(app::fromCp1252(lines.lower));
    const int rows = lines.lower.find('\n') == std::string::npos ? 1 : 2;
    FrageLabel2->resize(FrageLabel2->width(), rows * m_rowHeight);
    FrageLabel2->show();

    // The input below the question, as wide as the expected answer and
    // some room to spare.
    const int m = letterUnit();
    const int inputTop = FrageLabel2->y() + rows * m_rowHeight + m_rowHeight / 2;
    const int widest = Aster1->x() - m - FrageLabel2->x();
    const int answerWidth = QFontMetrics(SvarsLabel->font()).horizontalAdvance(SvarsLabel->text());
    Edit1->setGeometry(FrageLabel2->x(), inputTop,
                       std::min(answerWidth + pixels(kInputSpare), widest), Edit1->height());
    SvarsLabel->move(Edit1->x(), inputTop + 3 * Edit1->height() / 2);
}

void TBilden::showCorrectAnswer() {
    SvarsLabel->show();
    // It stays in sight over the button bar that a last answer brings.
    SvarsLabel->raise();
    SvarsLabel->repaint();
}

void TBilden::coverQuestionArea(bool shown) {
    Bildpanelen->setVisible(shown);
    if (shown) {
        Bildpanelen->raise();
        LovordPanel->raise();
        buttonBar->raise();
    }
}

void TBilden::Edit1KeyPress(int key) {
    if (key == Qt::Key_Escape) {
        escapeFromInput();
        return;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    if (!Edit1->isEnabled()) return;
    closeInput();
    const bool right = core::acceptsTypedAnswer(m_state.fields, app::toCp1252(Edit1->text()));
    giveVerdict(right);
}

bool TBilden::FormKeyUp(QKeyEvent* event) {
    // Space ends the answer display, even when a button of the bar that a
    // last answer brings has the focus.
    if (event->key() == Qt::Key_Space && (Timer1->isActive() || Timer2->isActive())) {
        series().skipDisplay();
        return true;
    }
    return false;
}

bool TBilden::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            Edit1KeyPress(key);
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace glosbo::exercises

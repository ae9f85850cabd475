#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "exercises/choice_box.h"
#include "exercises/tbilden.h"
#include "exercises/tdiktam.h"
#include "exercises/tflerbar.h"
#include "exercises/tinsetxt.h"
#include "exercises/tklockan.h"
#include "exercises/tordna.h"
#include "exercises/tpassakt.h"
#include "exercises/tsats.h"
#include "exercises/tskriv.h"
#include "exercises/tskrivhi.h"
#include "exercises/tskrivinf.h"
#include "ui_support.h"

using glosbo::exercises::ChoiceBox;
using glosbo::exercises::ExerciseWindow;
using glosbo::test::Harness;

namespace {

// Records a teacher could write by mistake, which glosbo-data check reports:
// no answer, no marks, empty or stray marks, empty fields, more fields than
// a record holds, a line far longer than the screen.
const std::string kLongLine = std::string(300, 'x') + " <y>" + std::string(200, 'z');

using Opener = std::unique_ptr<ExerciseWindow> (*)(Harness&, const std::string&);

// The window the menus open a file in.
template <class W> std::unique_ptr<ExerciseWindow> openIn(Harness& h, const std::string& file) {
    return h.openExercise<W>(file);
}
constexpr Opener kWrite = openIn<glosbo::exercises::TSKRIV>;
constexpr Opener kChoose = openIn<glosbo::exercises::TFLERBAR>;
constexpr Opener kClick = openIn<glosbo::exercises::TPassAkt>;
constexpr Opener kParts = openIn<glosbo::exercises::TSats>;
constexpr Opener kOrder = openIn<glosbo::exercises::TOrdna>;
constexpr Opener kPicture = openIn<glosbo::exercises::TBilden>;
constexpr Opener kClock = openIn<glosbo::exercises::TKlockan>;
constexpr Opener kDictation = openIn<glosbo::exercises::TDiktam>;
constexpr Opener kReadAndAnswer = openIn<glosbo::exercises::TInseTxt>;
constexpr Opener kFillIn = openIn<glosbo::exercises::TSkrivinf>;
constexpr Opener kVerb = openIn<glosbo::exercises::TSKRIVHI>;

struct BadFile {
    const char* name;
    std::string records;
    Opener open;
};

const BadFile kBadFiles[] = {
    // Written answer.
    {"SVE31110.DAT",
     "fr\xE5ga utan svar\r\n#\r\na#&\r\n&&&\r\n" + std::string(400, 'q') +
         "#svar\r\n#&#&#&#&#&#&#&#&#&#&#&\r\n",
     kWrite},
    // Choosing among the marked words of the file.
    {"SVE23100.DAT",
     "utan markering\r\n<>\r\n<a\r\nb>\r\n<\xE4>\r\n<<a>>\r\n>a<\r\n" + kLongLine + "\r\n",
     kChoose},
    // Choosing among the words of the record.
    {"SVE31010.DAT",
     "x<y>z\r\n<>#\r\n<a>#a#a#a\r\n<b>#1#2#3#4#5#6#7#8#9#10#11#12\r\n#<c>\r\n" + kLongLine +
         "#w\r\n",
     kChoose},
    // Clicking a category.
    {"SVE21200.DAT",
     "fisk\r\n#\r\n&&&#&\r\n<>#a#b\r\n<<a>>#x#y#z#q#w#e#r#t#y#u#i\r\na#\r\n<a#b>#c\r\n" +
         kLongLine + "#" + std::string(60, 'k') + "#kort\r\n",
     kClick},
    {"SVE25500.DAT", "<sj>\xF6#SJ-ljud#TJ-ljud\r\n<>#\r\n<x\r\nx>#a#b\r\n", kClick},
    // Dragging sentence parts: unequal or empty marks, too many parts,
    // nothing to place; in the level file a level of nothing else.
    {"SVE47300.DAT",
     "<Hunden> <sk\xE4ller.#S#P\r\nHunden> sk\xE4ller<.#S#P\r\n<Det> <regnar>.#NN#nn\r\n"
     "<>#S\r\n<a><b><c><d><e><f>#S#P#S#P#S#P\r\n<a> b#\r\n<Katten> <sover>.#S#P\r\n",
     kParts},
    {"SVE47100.DAT",
     "1<Hunden> <sk\xE4ller.#S#P\r\n1<Katten> <sover>.#S#P\r\n2<Det> <regnar>.#NN#NN\r\n"
     "3<Vi> <\xE5ker>.#S#P\r\n",
     kParts},
    // Putting names in order: one name, all equal, empty fields.
    {"SVE34600.DAT", "Anna\r\nBo#Bo#Bo\r\n#\r\n##Anna\r\nAnna#Bo\r\n", kOrder},
    // Questions about the picture.
    {"SVE38100.DAT",
     "fr\xE5ga utan svar\r\n#\r\na#&\r\n&&&\r\n" + kLongLine +
         "#svar\r\n#&#&#&#&#&#&#&#&#&#&#&\r\n",
     kPicture},
    // The clock, with far fewer records than its 144 times.
    {"SVE55000.DAT", "#12.00\r\n&&&\r\n" + kLongLine + "#x\r\nsvar#&#&#&#&#&#&#&#&#&#&\r\n",
     kClock},
    // A word to write: none, only marks, far too long, help without a word.
    {"SVE24100.DAT",
     "#\r\n&&&\r\n##hj\xE4lp\r\nord###&alt\r\n" + std::string(400, 'o') +
         "\r\n#&#&#&#&#&#&#&#&#&#&#&\r\n",
     kDictation},
    // Answers to choose: none, one, empty ones, too many, far too long.
    {"SVE32130.DAT",
     "Fr\xE5ga utan svar\r\n#\r\nFr\xE5ga?#bara ett\r\nFr\xE5ga?##b#c\r\n"
     "Fr\xE5ga?#a#b#c#d#e#f#g#h#i#j#k\r\n" +
         kLongLine + "#" + kLongLine + "#x\r\n&&&#&#&\r\n",
     kReadAndAnswer},
    {"SVE56100.DAT", "Fr\xE5ga?\r\nFr\xE5ga?#a\r\n#\r\nFr\xE5ga?#a#a#a\r\n", kReadAndAnswer},
    // Filling in: no, three or empty marked words, unpaired marks, and one
    // record that can be asked; a model sentence with its own faults.
    {"SVE42000.DAT",
     "inga markeringar\r\na <b> c <d> e <f>\r\n<>\r\na < > b\r\n<a\r\nb>\r\n<<a>>\r\n#\r\n"
     "Jag <svar> nu.\r\n" +
         kLongLine + "\r\n",
     kFillIn},
    {"SVE46200.DAT", "<a#<b>\r\nM <a>#Q\r\nM <a>#<>\r\n#<svar>\r\nM <x>#Q <svar>\r\n", kFillIn},
    // The verb form: a verb without its form, a form without its verb.
    {"SVE46110.DAT", "springa\r\nspringa#\r\n#springer\r\ngå#&går\r\nsvara#svar\r\n", kVerb},
};

class BadRecordsTest : public ::testing::Test {
protected:
    BadRecordsTest() {
        std::map<std::string, std::string> files;
        for (const BadFile& file : kBadFiles)
            files[std::string("DATA/DAT/") + file.name] = "$Prov\r\n$\xA7Svara.\r\n" + file.records;
        files["DATA/LAS/SVE56100.LAS"] = "$Prov\r\nkort\r\n";
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
        h.state->settings.setSoundMode(0);
    }

    std::unique_ptr<ExerciseWindow> open(const BadFile& file) {
        std::unique_ptr<ExerciseWindow> w = file.open(h, file.name);
        // The answer display ticks fast: these tests wait for many of them.
        w->Timer1->setInterval(1);
        w->lastAnswerTimer->setInterval(1);
        return w;
    }

    // One step of a pupil who answers whatever is offered: types into the
    // input or clicks the first box, and goes on when the button bar shows.
    // True when the step gave an answer.
    static bool step(ExerciseWindow& w, int n) {
        if (w.buttonBar->isVisible()) {
            (n % 2 && w.Button1->isEnabled() ? w.Button1 : w.Button2)->click();
            return false;
        }
        // A reading text first: on to the questions.
        if (auto* text = w.findChild<QPushButton*>("SeTextButton");
            text && text->isVisible() && text->text() == QString::fromUtf8("Till &frågorna")) {
            text->click();
            return false;
        }
        // The open input: a shown one first (two gaps), else the first.
        QLineEdit* input = nullptr;
        for (const char* name : {"Edit1", "Edit2"})
            if (auto* e = w.findChild<QLineEdit*>(name);
                !input && e && e->isVisible() && e->isEnabled())
                input = e;
        if (auto* e = w.findChild<QLineEdit*>("Edit1"); !input && e && e->isEnabled()) input = e;
        if (input) {
            input->setText(n % 3 ? QStringLiteral("svar") : QString());
            // The windows with numbered answers take a digit, the others
            // the text and Enter.
            const int before = w.series().questionNumber();
            QTest::keyClick(input, '1');
            if (input->isEnabled() && w.series().questionNumber() == before)
                QTest::keyClick(input, Qt::Key_Return);
            return true;
        }
        if (auto* parts = qobject_cast<glosbo::exercises::TSats*>(&w); parts && parts->sentence()) {
            // A wrong drop first now and then, then every part on its box.
            const auto sentence = *parts->sentence();
            if (n % 3 == 0) {
                parts->PartMouseDown(sentence.boxes()[0].part, QPoint());
                parts->dropOnBox(sentence.partsToPlace());
            }
            for (int b = 1; b <= sentence.partsToPlace(); ++b) {
                const int part = sentence.boxes()[std::size_t(b - 1)].part;
                parts->PartMouseDown(part, QPoint());
                parts->dropOnBox(b);
            }
            return true;
        }
        if (auto* order = qobject_cast<glosbo::exercises::TOrdna*>(&w);
            order && order->KlarButton->isEnabled()) {
            order->KlarButton->click();
            return true;
        }
        for (ChoiceBox* box : w.findChildren<ChoiceBox*>()) {
            if (box->isVisible() && box->isEnabled()) {
                QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
                return true;
            }
        }
        // Nothing to answer with: the answer is showing, or the record gave
        // no boxes. The display ends at its next tick; Esc opens the button bar.
        if (w.Timer1->isActive() || w.lastAnswerTimer->isActive()) {
            QTest::keyClick(&w, Qt::Key_Space);
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return !w.Timer1->isActive() && !w.lastAnswerTimer->isActive(); }, 2000));
        } else {
            QTest::keyClick(&w, Qt::Key_Escape);
        }
        return false;
    }

    Harness h;
};

} // namespace

// Every record of these files is asked, answered, corrected and asked again
// without the window failing: it stays open and keeps its button bar usable.
TEST_F(BadRecordsTest, WindowsGetThroughRecordsOutsideTheFormat) {
    for (const BadFile& file : kBadFiles) {
        SCOPED_TRACE(file.name);
        auto w = open(file);
        int answers = 0;
        for (int n = 0; n < 60 && w->isVisible(); ++n)
            answers += step(*w, n) ? 1 : 0;
        EXPECT_TRUE(w->isVisible());
        EXPECT_GE(answers, 20); // more than a series and its corrections
        QTest::keyClick(w.get(), Qt::Key_Escape);
        if (w->isVisible()) QTest::keyClick(w.get(), Qt::Key_Escape);
        w->Button3->click();
        EXPECT_FALSE(w->isVisible());
    }
}

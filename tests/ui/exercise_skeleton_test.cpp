#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "exercises/exercise_frame.h"
#include "exercises/exercise_window.h"
#include "exercises/tdiktam.h"
#include "exercises/tflerbar.h"
#include "exercises/tinsetxt.h"
#include "exercises/tlasljud.h"
#include "exercises/tpassakt.h"
#include "exercises/tskriv.h"
#include "exercises/tskrivhi.h"
#include "exercises/tskrivinf.h"
#include "ui_support.h"

using glosbo::exercises::CreationToken;
using glosbo::exercises::ExerciseFrame;
using glosbo::exercises::ExerciseWindow;
using glosbo::exercises::makeExerciseWindow;
using glosbo::exercises::Skeleton;
using glosbo::exercises::TFLERBAR;
using glosbo::exercises::TPassAkt;
using glosbo::exercises::TSKRIV;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// One file for each window, and praise for a good series.
std::map<std::string, std::string> dataFiles() {
    std::string words = "$Skriv ordet\r\n$\xA7Skriv ordet som st\xE5r.\r\n";
    std::string sentences = "$\xC4-ljudet\r\n$\xA7Klicka p\xE5 r\xE4tt ord.\r\n";
    for (int n = 1; n <= 12; ++n) {
        words += "ord " + std::to_string(n) + "#svar\r\n";
        const char* vowels[] = {"\xE4", "e", "a"};
        sentences += "Jag h<" + std::string(vowels[n % 3]) + ">r " + std::to_string(n) + ".\r\n";
    }
    return {
        {"DATA/DAT/SVE31110.DAT", words},
        {"DATA/DAT/SVE35000.DAT", "$Krypto\r\n$\xA7Tolka.\r\nAQN#BRO\r\nBSM#CTN\r\n"},
        {"DATA/DAT/SVE23100.DAT", sentences},
        {"DATA/DAT/SVE21200.DAT", "$Hur m\xE5nga vokaler?\r\n$\xA7Klicka p\xE5 r\xE4tt siffra.\r\n"
                                  "banan#2#5#1#4#3\r\nkatten#2#3#1#5#4\r\n"},
        {"DATA/DAT/SVE24100.DAT", "$Diktamen\r\nhoppa##Grodan kan ___.\r\nkjol\r\n"},
        {"DATA/DAT/SVE56100.DAT", "$R\xE4ven och korpen\r\nVem?#R\xE4ven#Korpen\r\n"},
        {"DATA/LAS/SVE56100.LAS", "En morgon hittade korpen en ost.\r\n"},
        {"DATA/DAT/SVE54100.DAT", "$L\xE4sgympa\r\nko\r\n\xE5r\r\nis\r\n"},
        {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
        {"DATA/LOV/SVOM9002.LOV", "Ett fel!\r\n"},
        {"DATA/LOV/SVOM9013.LOV", "Tv\xE5 fel!\r\n"},
    };
}

class SkeletonTest : public ::testing::Test {
protected:
    SkeletonTest() {
        h.writeDataRoot(dataFiles());
        h.state->settings.setAnswerDisplaySeconds(0);
        h.state->settings.setSoundMode(0);
    }
    Harness h;
};

using Named = std::vector<std::pair<const char*, QObject*>>;

// The components of the skeleton, by the names of a window's descriptor.
Named skeletonComponents(ExerciseWindow& w) {
    Named named = {
        {"OverskriftYtterShape", w.OverskriftYtterShape},
        {"OverskriftInnerShape", w.OverskriftInnerShape},
        {"Overs1Label", w.Overs1Label},
        {"Overs2Label", w.Overs2Label},
        {"Overs3Label", w.Overs3Label},
        {"InstruktionsLabel", w.InstruktionsLabel},
        {"Aster1", w.Aster1},
        {"lampknapp", w.lampknapp},
        {"LampShape", w.LampShape},
        {w.skeleton().buttonBarName, w.buttonBar},
        {w.skeleton().continueButtonName, w.Button2},
        {w.skeleton().cancelButtonName, w.Button3},
        {"BitBtn1", w.BitBtn1},
        {"BildPanelen", w.BildPanelen},
        {"Image1", w.BildPanelen->Image1},
        {"BildTextPanel", w.BildPanelen->BildTextPanel},
        {"BildLabel", w.BildPanelen->BildLabel},
        {"LovordPanel", w.LovordPanel},
        {"LovordYttershape", w.LovordPanel->LovordYttershape},
        {"lovordinnershape", w.LovordPanel->lovordinnershape},
        {"LovordLabel1", w.LovordPanel->LovordLabel1},
        {"DiagPanel1", w.DiagPanel1},
        {"DiagPanel2", w.DiagPanel1->DiagPanel2},
        {"DiagLabel1", w.DiagPanel1->DiagLabel1},
        {"DiagLabel2", w.DiagPanel1->DiagLabel2},
        {"DiagLabel3", w.DiagPanel1->DiagLabel3},
        {"DiagLabel4", w.DiagPanel1->DiagLabel4},
        {"DiagLabel5", w.DiagPanel1->DiagLabel5},
        {"DiagShape1", w.DiagPanel1->DiagShape1},
        {"DiagShape2", w.DiagPanel1->DiagShape2},
        {"SkrivutOverskriftShape1", w.worksheetBadge->SkrivutOverskriftShape1},
        {"SkrivutOverskriftShape2", w.worksheetBadge->SkrivutOverskriftShape2},
        {"SkrivutOverskriftLabel", w.worksheetBadge->SkrivutOverskriftLabel},
        {"UpprepaButton", w.UpprepaButton},
        {"Timer1", w.Timer1},
        {w.skeleton().lastAnswerTimerName, w.lastAnswerTimer},
    };
    if (w.skeleton().correctionButton) named.emplace_back("Button1", w.Button1);
    return named;
}

// Every named component is found by its name and is the member of that
// name, once in the window.
void expectNamed(ExerciseWindow& w, const Named& own) {
    Named all = skeletonComponents(w);
    all.insert(all.end(), own.begin(), own.end());
    for (const auto& [name, member] : all) {
        SCOPED_TRACE(name);
        ASSERT_NE(member, nullptr);
        EXPECT_EQ(member->objectName(), QString::fromLatin1(name));
        const auto found = w.findChildren<QObject*>(QString::fromLatin1(name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found.front(), member);
    }
}

} // namespace

TEST_F(SkeletonTest, TskrivComponentsGoByTheirNames) {
    auto w = h.openExercise<TSKRIV>("SVE31110.DAT");
    EXPECT_EQ(w->objectName(), "TSKRIV");
    EXPECT_STREQ(w->skeleton().buttonBarName, "Panel1");
    EXPECT_STREQ(w->skeleton().lastAnswerTimerName, "Timer3");
    expectNamed(*w, {{"FrageLabel1", w->FrageLabel1},
                     {"FrageLabel2", w->FrageLabel2},
                     {"Label4", w->Label4},
                     {"Label5", w->Label5},
                     {"Label6", w->Label6},
                     {"Label7", w->Label7},
                     {"Edit1", w->Edit1},
                     {"BitBtn2", w->BitBtn2},
                     {"BitBtn3", w->BitBtn3},
                     {"Memo1", w->Memo1},
                     {"Testlabel", w->Testlabel},
                     {"PopupMenu1", w->PopupMenu1},
                     {"Klistrain1", w->Klistrain1},
                     {"Klistrain2", w->Klistrain2},
                     {"Klistrain3", w->Klistrain3}});
    EXPECT_EQ(w->wordSound, nullptr);
}

TEST_F(SkeletonTest, FillInAndVerbFormComponentsGoByTheirNames) {
    h.writeDataRoot({{"DATA/DAT/SVE42000.DAT", "$Prov\r\nJag bor <i> Sverige.\r\n"},
                     {"DATA/DAT/SVE46110.DAT", "$Prov\r\nspringa#springer\r\n"}});
    auto w = h.openExercise<glosbo::exercises::TSkrivinf>("SVE42000.DAT");
    EXPECT_EQ(w->objectName(), "TSkrivinf");
    EXPECT_STREQ(w->skeleton().lastAnswerTimerName, "Timer2");
    expectNamed(*w, {{"Label3", w->sentenceLabels[0]},
                     {"Label13", w->sentenceLabels[10]},
                     {"Label14", w->Label14},
                     {"Label15", w->Label15},
                     {"Label16", w->Label16},
                     {"Label17", w->Label17},
                     {"Label18", w->Label18},
                     {"Edit1", w->Edit1},
                     {"Edit2", w->Edit2},
                     {"BitBtn2", w->BitBtn2},
                     {"BitBtn3", w->BitBtn3},
                     {"BitBtn4", w->BitBtn4},
                     {"EngLabel", w->EngLabel},
                     {"PopupMenu1", w->PopupMenu1}});
    EXPECT_NE(w->wordSound, nullptr);
    w.reset();

    auto v = h.openExercise<glosbo::exercises::TSKRIVHI>("SVE46110.DAT");
    EXPECT_EQ(v->objectName(), "TSKRIVHI");
    expectNamed(*v, {{"Label1", v->Label1},
                     {"Edit1", v->Edit1},
                     {"FrageLabel1", v->FrageLabel1},
                     {"Label2", v->Label2},
                     {"Panel2", v->Panel2},
                     {"Panel3", v->rowSquares[0]},
                     {"Panel8", v->rowSquares[5]},
                     {"Label3", v->rowSentences[0]},
                     {"Label12", v->rowVerbs[0]},
                     {"Label18", v->rowSentences[5]},
                     {"Label19", v->rowVerbs[5]},
                     {"SlutLabel", v->SlutLabel},
                     {"BitBtn2", v->BitBtn2},
                     {"BitBtn3", v->BitBtn3},
                     {"PopupMenu1", v->PopupMenu1}});
}

TEST_F(SkeletonTest, TflerbarComponentsGoByTheirNames) {
    auto w = h.openExercise<TFLERBAR>("SVE23100.DAT");
    EXPECT_EQ(w->objectName(), "TFLERBAR");
    Named own = {{"Label4", w->Label4},
                 {"Label5", w->Label5},
                 {"Label6", w->Label6},
                 {"Label8", w->Label8},
                 {"KorrektSvarLabel", w->KorrektSvarLabel},
                 {"EfterdelLabel", w->EfterdelLabel},
                 {"TestLabel", w->TestLabel},
                 {"EngLabel", w->EngLabel},
                 {"Panel1", w->Panel1},
                 {"BitBtn2", w->BitBtn2},
                 {"Timer5", w->wordSound->Timer5}};
    const char* boxes[] = {"Panel2", "Panel3", "Panel4", "Panel5",
                           "Panel6", "Panel8", "Panel9", "Panel10"};
    for (std::size_t i = 0; i < w->boxes.size(); ++i)
        own.emplace_back(boxes[i], w->boxes[i]);
    expectNamed(*w, own);
    EXPECT_EQ(w->buttonBar->objectName(), "Escapepanel");
    EXPECT_NE(w->Panel1, w->buttonBar);
}

TEST_F(SkeletonTest, TpassaktComponentsGoByTheirNames) {
    auto w = h.openExercise<TPassAkt>("SVE21200.DAT");
    EXPECT_EQ(w->objectName(), "TPassAkt");
    Named own = {{"Label3", w->Label3},     {"Label4", w->Label4},
                 {"Label5", w->Label5},     {"Label6", w->Label6},
                 {"Label7", w->Label7},     {"Panel1", w->Panel1},
                 {"BitBtn2", w->BitBtn2},   {"templabel", w->templabel},
                 {"EngLabel", w->EngLabel}, {"Timer5", w->wordSound->Timer5}};
    expectNamed(*w, own);
    for (int i = 0; i < int(w->boxes.size()); ++i)
        EXPECT_EQ(w->findChild<QObject*>(QStringLiteral("Panel%1").arg(i + 2)),
                  w->boxes[std::size_t(i)]);
    EXPECT_EQ(w->buttonBar->objectName(), "EscapePanel");
    EXPECT_EQ(w->lastAnswerTimer->objectName(), "Timer2");
}

TEST_F(SkeletonTest, TdiktamComponentsGoByTheirNames) {
    auto w = h.openExercise<glosbo::exercises::TDiktam>("SVE24100.DAT");
    EXPECT_EQ(w->objectName(), "TDiktam");
    expectNamed(*w, {{"FrageLabel1", w->FrageLabel1},
                     {"FrageLabel2", w->FrageLabel2},
                     {"Edit1", w->Edit1},
                     {"BlinkLabel", w->BlinkLabel},
                     {"Label5", w->Label5},
                     {"Label6", w->Label6},
                     {"EngLabel", w->EngLabel},
                     {"BitBtn2", w->BitBtn2},
                     {"BaraHoraButton", w->BaraHoraButton},
                     {"BaraseordetButton", w->BaraseordetButton},
                     {"SeochHoraButton", w->SeochHoraButton},
                     {"SeIntervalLabel", w->SeIntervalLabel},
                     {"SeTidPanel", w->SeTidPanel},
                     {"TidSpinButton", w->TidSpinButton},
                     {"Timer3", w->Timer3},
                     {"Timer5", w->Timer5},
                     {"PopupMenu1", w->PopupMenu1}});
    EXPECT_EQ(w->lastAnswerTimer->objectName(), "Timer4");
    EXPECT_EQ(w->UpprepaButton->text(), QString::fromUtf8("&Upprepa ordet  -- F2"));
}

TEST_F(SkeletonTest, TinsetxtComponentsGoByTheirNames) {
    auto w = h.openExercise<glosbo::exercises::TInseTxt>("SVE56100.DAT");
    EXPECT_EQ(w->objectName(), "TInseTxt");
    Named own = {{"FrageLabel1", w->FrageLabel1},
                 {"FrageLabel2", w->FrageLabel2},
                 {"RattSvarLabel", w->RattSvarLabel},
                 {"Edit1", w->Edit1},
                 {"SeTextButton", w->SeTextButton},
                 {"TextPanel1", w->TextPanel1},
                 {"TextPanel2", w->TextPanel2},
                 {"Memo1", w->Memo1},
                 {"Button1", w->Button1},
                 {"Button4", w->Button4},
                 {"BitBtn1", w->BitBtn1}};
    const char* rows[3][3] = {{"NrPanel1", "AlternativPanel1", "AltLabel1"},
                              {"NrPanel2", "AlternativPanel2", "AltLabel2"},
                              {"NrPanel3", "AlternativPanel3", "AltLabel3"}};
    for (std::size_t r = 0; r < 3; ++r) {
        own.emplace_back(rows[r][0], w->NrPanel[r]);
        own.emplace_back(rows[r][1], w->AlternativPanel[r]);
        own.emplace_back(rows[r][2], w->AltLabel[r]);
    }
    expectNamed(*w, own);
    EXPECT_EQ(w->Button1->text(), QString::fromUtf8("&Fortsätta"));
    EXPECT_EQ(w->Button4->text(), QString::fromUtf8("&Avbryta"));
    EXPECT_EQ(w->lastAnswerTimer->objectName(), "Timer2");
    EXPECT_EQ(w->buttonBar->objectName(), "Panel1");
}

TEST_F(SkeletonTest, TlasljudComponentsGoByTheirNames) {
    h.state->selectExercise("SVE54100.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE54100.DAT"));
    auto w = makeExerciseWindow<glosbo::exercises::TLasLjud>({*h.state, h.services, nullptr});
    EXPECT_EQ(w->objectName(), "TLasLjud");
    const Named own = {{"OverskriftPanel2", w->OverskriftPanel2},
                       {"OverskriftLabel1", w->OverskriftLabel1},
                       {"OverskriftLabel2", w->OverskriftLabel2},
                       {"InstruktionsLabel", w->InstruktionsLabel},
                       {"Panel1", w->Panel1},
                       {"FlerordButton", w->FlerordButton},
                       {"LyssnaButton", w->LyssnaButton},
                       {"AvbrytButton", w->AvbrytButton},
                       {"OrdPanel1", w->OrdPanel[0]},
                       {"OrdPanel2", w->OrdPanel[1]},
                       {"OrdPanel3", w->OrdPanel[2]},
                       {"OrdPanel4", w->OrdPanel[3]},
                       {"OrdPanel5", w->OrdPanel[4]}};
    for (const auto& [name, member] : own) {
        SCOPED_TRACE(name);
        EXPECT_EQ(member->objectName(), QString::fromLatin1(name));
        EXPECT_EQ(w->findChildren<QObject*>(QString::fromLatin1(name)).size(), 1);
    }
}

namespace {

// A window with the frame only, as the windows without a question series
// are built: headline and instruction line, scaled.
class BareFrame final : public ExerciseFrame {
public:
    BareFrame(CreationToken, const glosbo::app::WindowContext& context)
        : ExerciseFrame(context, "TBareFrame", "Prov") {}
};

// A series window of the smallest kind: the question in the instruction's
// place, answered by the test. It plays a waited sound on request.
class ProbeWindow final : public ExerciseWindow {
public:
    ProbeWindow(CreationToken, const glosbo::app::WindowContext& context)
        : ExerciseWindow(context, probeSkeleton()) {}

    void playWaited() { playAndWait(m_state.soundRequest("S001.WAV")); }
    void answer(bool right) { giveVerdict(right); }
    int questionsShown = 0;

protected:
    void showQuestion() override { ++questionsShown; }
    void showCorrectAnswer() override {}

private:
    static Skeleton probeSkeleton() {
        Skeleton s;
        s.name = "TProbe";
        s.title = "Prov";
        s.lamp = false;
        return s;
    }
};

// Lets the window's timers run for a while during a waited sound, as the
// real player's wait does, and notes which timers were running then.
class WaitingSounds final : public glosbo::app::SoundService {
public:
    void play(const core::SoundRequest&) override { ++played; }
    void playAndWait(const core::SoundRequest&) override {
        ++played;
        for (QTimer* timer : window->findChildren<QTimer*>())
            if (timer->isActive()) runningDuringWait.push_back(timer->objectName());
        QTest::qWait(50);
    }
    QWidget* window = nullptr;
    int played = 0;
    QStringList runningDuringWait;
};

} // namespace

TEST_F(SkeletonTest, FrameWithoutASeriesDrawsItsHeadlineScaled) {
    h.state->selectExercise("SVE31110.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE31110.DAT"));
    h.state->screen.setMeasured(h.state->screen.area(), 150, h.state->screen.letterUnit());
    auto w = makeExerciseWindow<BareFrame>({*h.state, h.services, nullptr});
    EXPECT_EQ(w->objectName(), "TBareFrame");
    EXPECT_EQ(w->Overs1Label->text(), "Skriv ordet");
    EXPECT_TRUE(w->Overs1Label->isVisibleTo(w.get()));
    EXPECT_FALSE(w->Overs2Label->isVisibleTo(w.get()));
    EXPECT_EQ(w->InstruktionsLabel->text(), QString::fromUtf8("Skriv ordet som står."));
    // Scaled from its designed place: 300 x 80 at 150 %.
    EXPECT_EQ(w->OverskriftYtterShape->width(), 450);
    EXPECT_EQ(w->OverskriftYtterShape->height(), 120);
    const QRect outer = w->OverskriftYtterShape->geometry();
    EXPECT_EQ(w->InstruktionsLabel->y(),
              outer.top() + outer.height() + w->InstruktionsLabel->height() / 2);
    EXPECT_EQ(h.state->programNumber, 31110);
    // Nothing of the series.
    EXPECT_TRUE(w->findChildren<QTimer*>().isEmpty());
    EXPECT_EQ(w->findChild<QWidget*>("Aster1"), nullptr);
}

// While a sound is played to its end, the window's timers are held: the
// answer display cannot put up the next question inside the wait, and it
// runs on afterwards.
TEST_F(SkeletonTest, WaitedSoundHoldsTheWindowsTimers) {
    WaitingSounds sounds;
    glosbo::app::Services services{h.messages, h.modal, h.measure, h.windows, sounds, h.printer};
    h.state->selectExercise("SVE31110.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE31110.DAT"));
    auto w = makeExerciseWindow<ProbeWindow>({*h.state, services, nullptr});
    sounds.window = w.get();
    w->Timer1->setInterval(1);
    ASSERT_EQ(w->questionsShown, 1);
    w->answer(false); // the answer display starts; 0 seconds: one tick ends it
    ASSERT_TRUE(w->Timer1->isActive());
    w->playWaited();
    EXPECT_EQ(sounds.played, 1);
    EXPECT_TRUE(sounds.runningDuringWait.isEmpty())
        << sounds.runningDuringWait.join(",").toStdString();
    EXPECT_EQ(w->questionsShown, 1);
    EXPECT_TRUE(w->Timer1->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->questionsShown == 2; }, 1000));
}

// In worksheet mode the window shows no input and no button bar; Esc
// closes it, wherever the focus is.
TEST_F(SkeletonTest, EscClosesAWorksheetWindow) {
    const auto check = [&](ExerciseWindow& w) {
        EXPECT_FALSE(w.buttonBar->isVisible());
        EXPECT_TRUE(w.worksheetBadge->isVisible());
        QSignalSpy finished(&w, &QDialog::finished);
        QWidget* target = w.focusWidget() ? w.focusWidget() : &w;
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_EQ(finished.count(), 1);
        EXPECT_FALSE(w.isVisible());
    };
    {
        SCOPED_TRACE("Krypto");
        auto w = h.openExercise<TSKRIV>("SVE35000.DAT", core::RunMode::Worksheet);
        EXPECT_FALSE(w->Edit1->isVisible());
        check(*w);
    }
    {
        SCOPED_TRACE("TFLERBAR");
        auto w = h.openExercise<TFLERBAR>("SVE23100.DAT", core::RunMode::Worksheet);
        check(*w);
    }
    {
        SCOPED_TRACE("TPassAkt");
        auto w = h.openExercise<TPassAkt>("SVE21200.DAT", core::RunMode::Worksheet);
        w->BitBtn1->setFocus();
        check(*w);
    }
}

// The windows that preview keys take Esc, Space and their digits the same
// way whichever control has the focus.
TEST_F(SkeletonTest, FocusedButtonDoesNotChangeWhatAKeyDoes) {
    auto w = h.openExercise<TFLERBAR>("SVE23100.DAT");
    h.state->settings.setAnswerDisplaySeconds(9);
    glosbo::exercises::ChoiceBox* wrong = nullptr;
    for (auto* box : w->boxes)
        if (box->isVisible() && box->caption() != w->TestLabel->text()) wrong = box;
    ASSERT_NE(wrong, nullptr);
    QTest::mouseClick(wrong, Qt::LeftButton, Qt::NoModifier, wrong->rect().center());
    ASSERT_TRUE(w->Timer1->isActive());
    w->UpprepaButton->show();
    w->UpprepaButton->setEnabled(true);
    w->UpprepaButton->setFocus();
    QTest::keyClick(w->UpprepaButton, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Timer1->isActive(); }, 1000));
    EXPECT_EQ(w->series().questionNumber(), 2);
    w->UpprepaButton->setFocus();
    QTest::keyClick(w->UpprepaButton, Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->isVisible());

    auto p = h.openExercise<TPassAkt>("SVE21200.DAT");
    p->UpprepaButton->show();
    p->UpprepaButton->setEnabled(true);
    p->UpprepaButton->setFocus();
    QTest::keyClick(p->UpprepaButton, Qt::Key_2); // two vowels: right
    EXPECT_EQ(p->series().correctCount(), 1);
    h.state->settings.setAnswerDisplaySeconds(9);
    QTest::keyClick(p->UpprepaButton, Qt::Key_5);
    ASSERT_TRUE(p->Timer1->isActive());
    // Space on the focused button ends the display rather than pressing it.
    QTest::keyClick(p->focusWidget() ? p->focusWidget() : p.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p->Timer1->isActive(); }, 1000));
    EXPECT_EQ(p->series().questionNumber(), 3);
}

// The praise stands in the middle of its yellow frame.
TEST_F(SkeletonTest, PraiseIsCentredInItsFrame) {
    auto w = h.openExercise<TSKRIV>("SVE31110.DAT");
    for (int i = 0; i < 10; ++i) {
        w->Edit1->setText(QStringLiteral("svar"));
        QTest::keyClick(w->Edit1, Qt::Key_Return);
    }
    ASSERT_TRUE(w->LovordPanel->isVisible());
    const QRect inner = w->LovordPanel->lovordinnershape->geometry();
    const QRect text = w->LovordPanel->LovordLabel1->geometry();
    const int m = h.state->screen.letterUnit();
    EXPECT_TRUE(inner.contains(text));
    EXPECT_LE(std::abs((text.left() - inner.left()) - (inner.right() - text.right())), 1);
    EXPECT_LE(std::abs((text.top() - inner.top()) - (inner.bottom() - m / 2 - text.bottom())), 1);
}

// The cipher's instructions offer no English copy menu.
TEST_F(SkeletonTest, CipherInstructionsHaveNoContextMenu) {
    auto w = h.openExercise<TSKRIV>("SVE35000.DAT");
    ASSERT_TRUE(w->Memo1->isVisible());
    bool menuShown = false;
    QTimer::singleShot(200, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    QWidget* viewport = w->Memo1->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, viewport->rect().center(),
                            viewport->mapToGlobal(viewport->rect().center()));
    QApplication::sendEvent(viewport, &event);
    QTest::qWait(300);
    EXPECT_FALSE(menuShown);
    EXPECT_TRUE(w->Memo1->isVisible());
}

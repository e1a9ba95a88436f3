#include "TestSupport.h"

#include "core/AsanaCatalogue.h"
#include "core/HealthCaution.h"
#include "core/PracticeSettings.h"
#include "gui/PracticeWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

enum Page { Plan, Pose, Done };

// The practice of ANNA's Pisces reading, opened from the reading window's menu.
struct Practice
{
    TestApp t;
    ReadingWindow* reading = nullptr;
    QPointer<PracticeWindow> window;

    explicit Practice(
        SpeechState speech = SpeechState::Ready, const char* opener = "mnuGuidedPractice", const QString& reason = {})
    {
        t.platform.setSpeech(speech, reason);
        t.start();
        reading = t.read(5, 3);
        if (qstrcmp(opener, "cmdPractice") == 0) {
            child<QTabWidget>(reading, "SSTab1")->setCurrentIndex(2);
            child<QPushButton>(reading, opener)->click();
        } else {
            triggerAction(reading, QLatin1String(opener));
        }
        window = reading->findChild<PracticeWindow*>(QStringLiteral("frmPractice"));
    }

    void reopen()
    {
        triggerAction(reading, QStringLiteral("mnuGuidedPractice"));
        window = reading->findChild<PracticeWindow*>(QStringLiteral("frmPractice"));
    }

    QString text(const char* label) const { return child<QLabel>(window, label)->text(); }
    int page() const { return window->pages()->currentIndex(); }
    // The clock moves on, and the window's timer fires at every tick on the way.
    void wait(qint64 ms)
    {
        for (qint64 step = 200; ms > 0; ms -= step) {
            t.platform.advanceClock(std::min(ms, step));
            window->tick();
        }
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

} // namespace

Q_DECLARE_METATYPE(SpeechState)

class TestPracticeWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Style::installFonts(); }
    void planShowsTheSignsAsanasAndKeepsTheChoices_data();
    void planShowsTheSignsAsanasAndKeepsTheChoices();
    void poseFollowsTheClockAndTheKeys_data();
    void poseFollowsTheClockAndTheKeys();
    void doneSaysWhatWasDone();
};

void TestPracticeWindow::planShowsTheSignsAsanasAndKeepsTheChoices_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<SpeechState>("speech");
    QTest::addColumn<QString>("speakTip");
    QTest::newRow("from the menu, with speech")
        << "mnuGuidedPractice" << SpeechState::Ready << "The fake speech engine is ready.";
    QTest::newRow("from the Yoga Asanas tab, with no engine")
        << "cmdPractice" << SpeechState::NoEngine << "No speech engine is installed.";
    QTest::newRow("an engine that failed says why")
        << "mnuGuidedPractice" << SpeechState::Failed << "The fake speech engine could not start: no sound device";
    QTest::newRow("an engine still starting, then ready")
        << "mnuGuidedPractice" << SpeechState::Starting << "Starting the speech engine...";
}

void TestPracticeWindow::planShowsTheSignsAsanasAndKeepsTheChoices()
{
    QFETCH(QString, opener);
    QFETCH(SpeechState, speech);
    QFETCH(QString, speakTip);
    Practice p(speech, qPrintable(opener), QStringLiteral("no sound device"));
    QVERIFY(p.window && p.window->isVisible() && p.window->isModal());
    QVERIFY(QTest::qWaitForWindowActive(p.window));
    QCOMPARE(p.window->windowTitle(), Style::windowCaption);
    QCOMPARE(p.page(), int(Plan));
    QCOMPARE(p.text("lblPlanTitle"), QStringLiteral("Guided Practice for Pisces"));
    QCOMPARE(p.text("lblPlanAsana4"), QStringLiteral("Garudasana"));
    QCOMPARE(p.text("lblPlanSides4"), QStringLiteral("on each side"));
    QCOMPARE(p.text("lblPlanSides3"), QString());
    QVERIFY(!p.window->findChild<QLabel*>(QStringLiteral("lblPlanAsana8")));
    QCOMPARE(child<QSpinBox>(p.window, "spnHold1")->value(), asana(1).hold.seconds);
    QCOMPARE(child<QSpinBox>(p.window, "spnHold1")->text(), QStringLiteral("0:30"));
    QCOMPARE(child<QSpinBox>(p.window, "spnHold1")->toolTip(), QStringLiteral("10 s \u2013 10 min"));
    QVERIFY(child<QCheckBox>(p.window, "chkInclude7")->isChecked());
    QCOMPARE(p.text("lblSessionTime"), QStringLiteral("About 8 min 30 s"));
    QCOMPARE(p.text("lblPlanCaution"), HealthCaution);

    auto* speak = child<QCheckBox>(p.window, "chkSpeak");
    const bool speaks = speech == SpeechState::Ready || speech == SpeechState::Starting;
    QCOMPARE(speak->isEnabled(), speaks);
    QCOMPARE(speak->isChecked(), speaks);
    QCOMPARE(speak->toolTip(), speakTip);
    if (speech == SpeechState::Starting) {
        p.t.platform.setSpeech(SpeechState::Ready);
        QTRY_COMPARE(speak->toolTip(), QStringLiteral("The fake speech engine is ready."));
    }
    // The test sounds what the practice will: the tone, and the words where an engine speaks.
    child<QPushButton>(p.window, "cmdTestSound")->click();
    QCOMPARE(p.t.platform.tones, QList<Tone> {Tone::Begin});
    QCOMPARE(p.t.platform.spoken.size(), speaks ? 1 : 0);

    child<QPushButton>(p.window, "cmdCautions4")->click();
    QCOMPARE(p.t.platform.messageTexts(), QStringList {QStringLiteral("Garudasana: ") + asana(14).contraIndication});

    child<QSpinBox>(p.window, "spnHold4")->setValue(45);
    QCOMPARE(p.text("lblSessionTime"), QStringLiteral("About 9 min 30 s"));
    // Shaped from the keyboard: a hold typed beyond the limits, the second pose left out, the first moved down.
    auto* hold = child<QSpinBox>(p.window, "spnHold1");
    hold->setFocus();
    hold->selectAll();
    QTest::keyClicks(hold, QStringLiteral("9999"));
    p.key(Qt::Key_Return);
    QCOMPARE(hold->value(), MaxHoldSeconds);
    QCOMPARE(p.text("lblHoldNote1"), QStringLiteral("Set to the longest hold, 10 min"));
    p.key(Qt::Key_Tab);
    p.key(Qt::Key_Tab);
    QVERIFY(child<QCheckBox>(p.window, "chkInclude2")->hasFocus());
    p.key(Qt::Key_Space);
    hold->setFocus();
    p.key(Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(p.text("lblPlanAsana1"), QStringLiteral("Makarasana"));
    QCOMPARE(p.text("lblPlanAsana2"), QStringLiteral("Sarvangasana"));
    QVERIFY2(child<QSpinBox>(p.window, "spnHold2")->hasFocus(), "the focus moves with the pose");
    QVERIFY(!child<QCheckBox>(p.window, "chkInclude1")->isChecked());
    child<QSpinBox>(p.window, "spnLeadIn")->setValue(3);
    child<QCheckBox>(p.window, "chkTones")->setChecked(false);
    p.key(Qt::Key_Escape);
    flushDeferredDeletes();
    QVERIFY(!p.window);
    const PracticeSettings kept = loadPracticeSettings(p.t.platform, QStringLiteral("astravida"));
    QCOMPARE(kept.holdFor(14), 45);
    QCOMPARE(kept.holdFor(1), MaxHoldSeconds);
    QCOMPARE(kept.leadInSeconds, 3);
    QVERIFY2(kept.speakCues, "with no engine, the person's choice to hear speech is kept for when there is one");
    QVERIFY(!kept.playTones);

    // The plan comes back as shaped, until the recommended one is asked for.
    p.reopen();
    QCOMPARE(p.text("lblPlanAsana1"), QStringLiteral("Makarasana"));
    QVERIFY(!child<QCheckBox>(p.window, "chkInclude1")->isChecked());
    child<QPushButton>(p.window, "cmdRecommendedHolds")->click();
    QCOMPARE(p.text("lblPlanAsana1"), QStringLiteral("Sarvangasana"));
    QVERIFY(child<QCheckBox>(p.window, "chkInclude2")->isChecked());
    QCOMPARE(child<QSpinBox>(p.window, "spnHold4")->value(), asana(14).hold.seconds);
    // The kept lead-in of 3 s stays: two seconds less before each of the eight holds.
    QCOMPARE(p.text("lblSessionTime"), QStringLiteral("About 8 min 14 s"));
}

void TestPracticeWindow::poseFollowsTheClockAndTheKeys_data()
{
    QTest::addColumn<bool>("speak");
    QTest::newRow("spoken") << true;
    QTest::newRow("tones alone") << false;
}

void TestPracticeWindow::poseFollowsTheClockAndTheKeys()
{
    QFETCH(bool, speak);
    Practice p;
    child<QSpinBox>(p.window, "spnLeadIn")->setValue(2);
    child<QCheckBox>(p.window, "chkSpeak")->setChecked(speak);
    QVERIFY(QTest::qWaitForWindowActive(p.window));
    child<QPushButton>(p.window, "cmdStart")->click();

    QCOMPARE(p.page(), int(Pose));
    QCOMPARE(p.text("lblPoseNumber"), QStringLiteral("Pose 1 of 7"));
    QCOMPARE(p.text("lblNextPose"), QStringLiteral("Next: Makarasana"));
    QCOMPARE(p.text("lblPoseName"), QStringLiteral("Sarvangasana"));
    QCOMPARE(child<QWidget>(p.window, "picPose")->accessibleName(), QStringLiteral("Sarvangasana"));
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Get ready"));
    QCOMPARE(p.text("lblCountdown"), QStringLiteral("0:02"));
    QCOMPARE(p.t.platform.screenKeptOn, QList<bool> {true});

    p.wait(2000);
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Hold"));
    QCOMPARE(p.text("lblCountdown"), QStringLiteral("0:30"));
    p.wait(1);
    QCOMPARE(p.text("lblCountdown"), QStringLiteral("0:30"));
    const QStringList said {QStringLiteral("Get ready: Sarvangasana"), QStringLiteral("Begin")};
    QCOMPARE(p.t.platform.spoken, speak ? said : QStringList());
    QCOMPARE(p.t.platform.tones, QList<Tone> {Tone::Begin});

    // The whole session from the keyboard, wherever the focus is on the page.
    p.key(Qt::Key_Space);
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Paused"));
    QVERIFY(child<QWidget>(p.window, "fraPaused")->isVisible());
    QCOMPARE(p.t.platform.screenKeptOn, (QList<bool> {true, false}));
    p.wait(60000);
    QCOMPARE(p.text("lblCountdown"), QStringLiteral("0:30"));
    p.key(Qt::Key_Space);
    p.wait(10000);
    QCOMPARE(p.text("lblCountdown"), QStringLiteral("0:20"));
    QCOMPARE(p.t.platform.screenKeptOn, (QList<bool> {true, false, true}));
    // Held up (a hung call, a stopped process) or asleep: paused where the gap began, saying why, until Space.
    p.t.platform.advanceClock(35000);
    p.window->tick();
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Paused"));
    QCOMPARE(p.text("lblHeldUp"), QStringLiteral("Paused: Astravida was held up for 35 s"));
    p.key(Qt::Key_Space);
    p.wait(1000);
    QCOMPARE(p.text("lblCountdown"), QStringLiteral("0:19"));
    QVERIFY(!child<QLabel>(p.window, "lblHeldUp")->isVisibleTo(p.window));
    p.t.platform.sleep(600000);
    p.window->tick();
    QCOMPARE(p.text("lblHeldUp"), QStringLiteral("Paused: the computer slept for 10 min"));
    p.key(Qt::Key_Space);
    p.key(Qt::Key_Right);
    QCOMPARE(p.text("lblPoseNumber"), QStringLiteral("Pose 2 of 7"));
    QCOMPARE(p.text("lblPoseName"), QStringLiteral("Makarasana"));
    p.key(Qt::Key_Left);
    QCOMPARE(p.text("lblPoseNumber"), QStringLiteral("Pose 1 of 7"));
    // An engine that fails on the way falls silent; the tones go on.
    const int spoken = p.t.platform.spoken.size();
    p.t.platform.setSpeech(SpeechState::Failed);
    p.wait(2000);
    QCOMPARE(p.t.platform.spoken.size(), spoken);
    QCOMPARE(p.t.platform.tones, (QList<Tone> {Tone::Begin, Tone::Begin}));
    // Reading the cautions stops the clock until the person resumes.
    const qsizetype screenChanges = p.t.platform.screenKeptOn.size();
    child<QPushButton>(p.window, "cmdCaution")->click();
    QCOMPARE(p.t.platform.messageTexts().last(), QStringLiteral("Sarvangasana: ") + asana(1).contraIndication);
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Paused"));
    p.key(Qt::Key_Space);

    // In full screen Esc only leaves it; in a window it asks, the session paused meanwhile.
    auto* fullScreen = child<QPushButton>(p.window, "cmdFullScreen");
    fullScreen->click();
    QCOMPARE(fullScreen->text(), QStringLiteral("Leave &Full Screen"));
    p.key(Qt::Key_Escape);
    QVERIFY(!p.window->isFullScreen());
    QCOMPARE(fullScreen->text(), QStringLiteral("&Full Screen"));
    QVERIFY(p.t.platform.questionButtons.isEmpty());
    p.key(Qt::Key_Escape);
    QCOMPARE(p.t.platform.questionButtons, (QList<QStringList> {{"Stop", "Keep Practising"}}));
    QCOMPARE(p.t.platform.messageTexts().last(), QStringLiteral("Stop the practice?"));
    QCOMPARE(p.page(), int(Pose));
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Hold"));
    QCOMPARE(p.t.platform.screenKeptOn.mid(screenChanges), (QList<bool> {false, true, false, true}));
    p.t.platform.queueAnswer(MessageAnswer::Yes);
    p.key(Qt::Key_Escape);
    QCOMPARE(p.page(), int(Done));
    QCOMPARE(p.t.platform.screenKeptOn.last(), false);
}

void TestPracticeWindow::doneSaysWhatWasDone()
{
    Practice p;
    QVERIFY(QTest::qWaitForWindowActive(p.window));
    child<QSpinBox>(p.window, "spnLeadIn")->setValue(2);
    for (int row = 1; row <= 7; ++row)
        child<QSpinBox>(p.window, QStringLiteral("spnHold%1").arg(row))->setValue(10);
    child<QPushButton>(p.window, "cmdStart")->click();
    // Garudasana, the fourth, is held on each side: 6 x 12 s + 2 x 12 s, 80 s of it holding.
    p.wait(96000);
    QCOMPARE(p.page(), int(Done));
    QCOMPARE(p.text("lblDoneTitle"), QStringLiteral("Practice complete"));
    QCOMPARE(p.text("lblPosesDone"), QStringLiteral("Poses completed: 7 of 7"));
    QCOMPARE(p.text("lblTimeInPoses"), QStringLiteral("Time in poses: 1:20"));
    QCOMPARE(p.text("lblSessionWallTime"), QStringLiteral("Session: 1:36"));
    QCOMPARE(child<QListWidget>(p.window, "lstPosesDone")->item(3)->text(), QStringLiteral("Garudasana: held"));
    QVERIFY(!child<QPushButton>(p.window, "cmdResume")->isVisible());
    QCOMPARE(p.t.platform.screenKeptOn, (QList<bool> {true, false}));

    // Enter presses the focused button, on this page as on the others.
    p.key(Qt::Key_Return);
    QCOMPARE(p.page(), int(Plan));
    child<QCheckBox>(p.window, "chkInclude3")->setChecked(false);
    child<QPushButton>(p.window, "cmdStart")->click();
    p.wait(14000);
    p.t.platform.queueAnswer(MessageAnswer::Yes);
    child<QPushButton>(p.window, "cmdStop")->click();
    QCOMPARE(p.text("lblDoneTitle"), QStringLiteral("Practice stopped"));
    QCOMPARE(p.text("lblPosesDone"), QStringLiteral("Poses completed: 1 of 6"));
    const auto* done = child<QListWidget>(p.window, "lstPosesDone");
    QCOMPARE(done->count(), 7);
    QCOMPARE(done->item(1)->text(), QStringLiteral("Makarasana: partly held"));
    QCOMPARE(done->item(2)->text().section(QLatin1Char(':'), 1), QStringLiteral(" skipped"));
    QCOMPARE(p.text("lblTimeInPoses"), QStringLiteral("Time in poses: 0:10"));
    QCOMPARE(p.text("lblSessionWallTime"), QStringLiteral("Session: 0:14"));

    // Resume takes up the pose where the session stopped.
    QVERIFY(child<QPushButton>(p.window, "cmdResume")->hasFocus());
    p.key(Qt::Key_Return);
    QCOMPARE(p.page(), int(Pose));
    QCOMPARE(p.text("lblPoseName"), QStringLiteral("Makarasana"));
    QCOMPARE(p.text("lblPhase"), QStringLiteral("Get ready"));

    // Closing from the title bar or with Alt+F4 mid-hold asks too, and a stop lets the screen blank again.
    p.wait(3000);
    QVERIFY(!p.window->close());
    QCOMPARE(p.t.platform.screenKeptOn.last(), true);
    p.t.platform.queueAnswer(MessageAnswer::Yes);
    QVERIFY(p.window->close());
    flushDeferredDeletes();
    QVERIFY(!p.window);
    QCOMPARE(p.t.platform.screenKeptOn.last(), false);
}

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"

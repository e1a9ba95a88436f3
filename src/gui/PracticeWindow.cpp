#include "gui/PracticeWindow.h"

#include "core/AsanaCatalogue.h"
#include "core/Platform.h"
#include "core/PracticeWords.h"
#include "gui/Application.h"
#include "gui/PracticeSheetActions.h"
#include "gui/practice/CueChoices.h"
#include "gui/practice/DonePage.h"
#include "gui/practice/PlanPage.h"
#include "gui/practice/PosePage.h"
#include "gui/practice/PracticeCues.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"

#include <QCloseEvent>
#include <QLoggingCategory>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

Q_LOGGING_CATEGORY(practiceLog, "astravida.practice")

const QSize StartSize {800, 600};
// At least four a second, so the seconds never lag by more than a quarter.
constexpr int TickMs = 200;
// Often enough that the speech box changes as the engine comes up, seldom enough to cost nothing.
constexpr int SpeechWatchMs = 250;

} // namespace

PracticeWindow* PracticeWindow::showModal(Application& app, const Reading& reading, QWidget* readingWindow)
{
    auto* window = new PracticeWindow(app, reading, readingWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    Style::centreOnScreen(window);
    return window;
}

PracticeWindow::PracticeWindow(Application& app, const Reading& reading, QWidget* readingWindow)
    : QWidget(readingWindow, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_app(app)
    , m_reading(reading)
    , m_settings(loadPracticeSettings(app.platform(), app.applicationName()))
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(Style::windowCaption);
    Style::setBackground(this, Style::brown);
    resize(StartSize);

    m_planPage = new PlanPage(reading.sign, reading.asanas, m_settings, this);
    m_posePage = new PosePage(this);
    m_donePage = new DonePage(this);
    m_pages = new QStackedWidget(this);
    for (QWidget* page :
        {static_cast<QWidget*>(m_planPage), static_cast<QWidget*>(m_posePage), static_cast<QWidget*>(m_donePage)})
        m_pages->addWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(m_pages);

    connect(m_planPage, &PlanPage::startAsked, this, &PracticeWindow::cmdStart_Click);
    connect(m_planPage, &PlanPage::closeAsked, this, &PracticeWindow::cmdClose_Click);
    connect(m_planPage, &PlanPage::printAsked, this, &PracticeWindow::cmdPrintSheet_Click);
    connect(m_planPage, &PlanPage::saveAsked, this, &PracticeWindow::cmdSaveSheet_Click);
    connect(m_planPage, &PlanPage::cautionsAsked, this, &PracticeWindow::cmdCautions_Click);
    connect(m_planPage->choices(), &CueChoices::testSoundAsked, this, &PracticeWindow::cmdTestSound_Click);
    connect(m_posePage, &PosePage::previousAsked, this, &PracticeWindow::cmdPrevious_Click);
    connect(m_posePage, &PosePage::pauseAsked, this, &PracticeWindow::cmdPause_Click);
    connect(m_posePage, &PosePage::nextAsked, this, &PracticeWindow::cmdNext_Click);
    connect(m_posePage, &PosePage::stopAsked, this, &PracticeWindow::cmdStop_Click);
    connect(m_posePage, &PosePage::escapeAsked, this, &PracticeWindow::escape);
    connect(m_posePage, &PosePage::cautionAsked, this, &PracticeWindow::cmdCaution_Click);
    connect(m_posePage, &PosePage::fullScreenAsked, this, &PracticeWindow::cmdFullScreen_Click);
    connect(m_donePage, &DonePage::resumeAsked, this, &PracticeWindow::cmdResume_Click);
    connect(m_donePage, &DonePage::againAsked, this, &PracticeWindow::cmdAgain_Click);
    connect(m_donePage, &DonePage::closeAsked, this, &PracticeWindow::cmdClose_Click);

    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &PracticeWindow::cmdFullScreen_Click);
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &PracticeWindow::tick);
    m_speechWatch.setInterval(SpeechWatchMs);
    connect(&m_speechWatch, &QTimer::timeout, this, &PracticeWindow::showSpeech);
    showSpeech();
    m_planPage->focusStart();
}

PracticeWindow::~PracticeWindow()
{
    // Destroyed with the reading window at quit, without a close.
    keepScreenOn(false);
}

void PracticeWindow::cmdStart_Click()
{
    keepPlanChoices();
    m_session = std::make_unique<PracticeSession>(m_planPage->plan(), m_planPage->choices()->leadInSeconds());
    m_session->start(m_app.platform().monotonicMs());
    m_pages->setCurrentWidget(m_posePage);
    m_posePage->focusPause();
    follow();
}

void PracticeWindow::cmdPrintSheet_Click()
{
    // The sheet follows the plan as it stands on the page, started or not.
    keepPlanChoices();
    printPracticeSheet(m_app.platform(), m_reading, m_planPage->plan());
}

void PracticeWindow::cmdSaveSheet_Click()
{
    keepPlanChoices();
    savePracticeSheetPdf(m_app.platform(), m_reading, m_planPage->plan());
}

void PracticeWindow::cmdClose_Click()
{
    close();
}

void PracticeWindow::cmdCautions_Click(int asanaNumber)
{
    const Asana& shown = asana(asanaNumber);
    m_app.platform().showMessage(
        shown.displayName + QStringLiteral(": ") + shown.contraIndication, MessageIcon::Information);
}

void PracticeWindow::cmdPause_Click()
{
    const qint64 now = m_app.platform().monotonicMs();
    if (m_session->isPaused())
        m_session->resume(now);
    else
        m_session->pause(now);
    follow();
}

void PracticeWindow::cmdPrevious_Click()
{
    m_session->previous(m_app.platform().monotonicMs());
    follow();
}

void PracticeWindow::cmdNext_Click()
{
    m_session->next(m_app.platform().monotonicMs());
    follow();
}

void PracticeWindow::cmdStop_Click()
{
    if (!confirmStop())
        return;
    m_session->stop(m_app.platform().monotonicMs());
    follow();
}

void PracticeWindow::escape()
{
    if (isFullScreen())
        cmdFullScreen_Click();
    else
        cmdStop_Click();
}

bool PracticeWindow::confirmStop()
{
    Platform& platform = m_app.platform();
    const bool wasPaused = m_session->isPaused();
    m_session->pause(platform.monotonicMs());
    follow();
    const bool stop = platform.askQuestion(QStringLiteral("Stop the practice?"), QStringLiteral("Stop"),
                          QStringLiteral("Keep Practising"))
        == MessageAnswer::Yes;
    if (!stop && !wasPaused) {
        m_session->resume(platform.monotonicMs());
        follow();
    }
    return stop;
}

void PracticeWindow::cmdCaution_Click()
{
    // The clock waits while the person reads, and stays paused after: they resume when they are back on the mat.
    m_session->pause(m_app.platform().monotonicMs());
    follow();
    cmdCautions_Click(m_session->plan()[m_session->pose()].asana);
}

void PracticeWindow::cmdFullScreen_Click()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void PracticeWindow::cmdResume_Click()
{
    m_session->resume(m_app.platform().monotonicMs());
    m_pages->setCurrentWidget(m_posePage);
    m_posePage->focusPause();
    follow();
}

void PracticeWindow::cmdAgain_Click()
{
    m_session.reset();
    m_pages->setCurrentWidget(m_planPage);
    m_planPage->focusStart();
}

void PracticeWindow::cmdTestSound_Click()
{
    Platform& platform = m_app.platform();
    if (m_planPage->choices()->playsTones())
        platform.playTone(Tone::Begin);
    if (m_planPage->choices()->speaks() && platform.speech().state == SpeechState::Ready)
        platform.say(QStringLiteral("This is how the cues will sound."));
}

void PracticeWindow::showSpeech()
{
    const SpeechStatus speech = m_app.platform().speech();
    m_planPage->choices()->showSpeech(speech);
    if (speech.state == SpeechState::Starting)
        m_speechWatch.start();
    else
        m_speechWatch.stop();
}

void PracticeWindow::tick()
{
    follow();
}

void PracticeWindow::follow()
{
    Platform& platform = m_app.platform();
    soundCues(platform, m_session->update(platform.monotonicMs()), *m_session, m_planPage->choices()->speaks(),
        m_planPage->choices()->playsTones());
    showHeldUp();
    if (m_session->isRunning())
        m_timer.start();
    else
        m_timer.stop();
    keepScreenOn(m_session->isRunning());
    if (m_session->phase() == PracticeSession::Phase::Done) {
        m_donePage->showSession(*m_session);
        m_pages->setCurrentWidget(m_donePage);
    } else {
        m_posePage->follow(*m_session);
    }
}

void PracticeWindow::showHeldUp()
{
    const qint64 sleptNow = m_app.platform().sleptMs();
    const qint64 slept = sleptNow - std::exchange(m_sleptMs, sleptNow);
    const qint64 heldUp = m_session->heldUpMs();
    if (heldUp == m_heldUpShown)
        return;
    m_heldUpShown = heldUp;
    QString notice;
    if (heldUp > 0) {
        // The clock runs on in sleep, so a sleep is a gap too; most of the gap asleep makes it one.
        notice = slept * 2 > heldUp ? QStringLiteral("Paused: the computer slept for ") + durationText(slept)
                                    : QStringLiteral("Paused: Astravida was held up for ") + durationText(heldUp);
        qCInfo(practiceLog, "%s, at pose %d", qUtf8Printable(notice), m_session->pose() + 1);
    }
    m_posePage->setPausedReason(notice);
}

void PracticeWindow::keepScreenOn(bool on)
{
    if (on == m_screenKeptOn)
        return;
    m_screenKeptOn = on;
    m_app.platform().keepScreenOn(on);
}

void PracticeWindow::keepPlanChoices()
{
    m_planPage->keepChoices(m_settings);
    savePracticeSettings(m_app.platform(), m_app.applicationName(), m_settings);
}

void PracticeWindow::closeEvent(QCloseEvent* event)
{
    if (m_session && m_session->isUnderWay() && !confirmStop()) {
        event->ignore();
        return;
    }
    if (m_pages->currentWidget() == m_planPage)
        keepPlanChoices();
    m_timer.stop();
    m_speechWatch.stop();
    keepScreenOn(false);
    event->accept();
}

void PracticeWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_posePage->setFullScreen(isFullScreen());
}

#pragma once

#include "core/PracticeSession.h"
#include "core/PracticeSettings.h"
#include "core/Reading.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class Application;
class DonePage;
class PlanPage;
class PosePage;
class QStackedWidget;

// The guided practice of a reading's asanas: a plan to shape, the poses timed one by one, and what was done. It
// stacks the three pages, runs the session and its clock, and keeps the screen on while a session runs.
class PracticeWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens the practice of the reading's sign over the reading window, modal, destroyed when closed.
    static PracticeWindow* showModal(Application& app, const Reading& reading, QWidget* readingWindow);

    PracticeWindow(Application& app, const Reading& reading, QWidget* readingWindow);
    ~PracticeWindow() override;

    // The plan, pose and done pages, in that order.
    QStackedWidget* pages() const { return m_pages; }

    void cmdStart_Click();
    void cmdClose_Click();
    void cmdPrintSheet_Click();
    void cmdSaveSheet_Click();
    void cmdCautions_Click(int asanaNumber);
    void cmdPause_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdStop_Click();
    void cmdCaution_Click();
    void cmdFullScreen_Click();
    void cmdResume_Click();
    void cmdAgain_Click();
    void cmdTestSound_Click();
    // Brings the pose page up to the clock; the timer calls it while the session runs.
    void tick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Esc leaves full screen first; only in a window does it ask to stop.
    void escape();
    // Asks "Stop the practice?" with the session paused meanwhile; true to stop.
    bool confirmStop();
    // After every event: the cues it passed sounded, the page showing the session, the timer and screen to match.
    void follow();
    // Why the session stands paused when the person did not pause it: the program held up, or the machine asleep.
    void showHeldUp();
    // The speech box as the engine now stands; asked again until the engine has started or failed.
    void showSpeech();
    void keepScreenOn(bool on);
    void keepPlanChoices();

    Application& m_app;
    Reading m_reading;
    PracticeSettings m_settings;
    std::unique_ptr<PracticeSession> m_session;
    QTimer m_timer;
    QTimer m_speechWatch;
    bool m_screenKeptOn = false;
    qint64 m_sleptMs = 0; // the platform's sleep count at the last update
    qint64 m_heldUpShown = 0;

    QStackedWidget* m_pages = nullptr;
    PlanPage* m_planPage = nullptr;
    PosePage* m_posePage = nullptr;
    DonePage* m_donePage = nullptr;
};

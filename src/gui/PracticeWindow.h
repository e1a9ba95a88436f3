#pragma once

#include "core/PracticeSession.h"
#include "core/PracticeSettings.h"
#include "core/Reading.h"

#include <QTimer>
#include <QVector>
#include <QWidget>

#include <memory>

class Application;
class PosePicture;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;

// The guided practice of a reading's asanas: a plan to adjust, the poses timed one by one, and what was done.
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
    const PracticeSession* session() const { return m_session.get(); }

    void cmdStart_Click();
    void cmdClose_Click();
    void cmdPrintSheet_Click();
    void cmdSaveSheet_Click();
    void cmdCautions_Click(int row);
    void cmdPause_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdStop_Click();
    void cmdCaution_Click();
    void cmdFullScreen_Click();
    void cmdAgain_Click();
    void cmdTestSound_Click();
    // Brings the pose page up to the clock; the timer calls it while the session runs.
    void tick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildPlanPage();
    QWidget* buildPosePage();
    QWidget* buildDonePage();
    void showPlan();
    void showPose();
    void showDone();
    // After every event: the cues it passed sounded, the page showing the session, the timer and screen to match.
    void follow();
    void sound(const QVector<PracticeCue>& cues);
    // The speech box as the engine now stands; asked again until the engine has started or failed.
    void showSpeech();
    void showCautions(int asanaNumber);
    void keepPlanChoices();
    void growFonts();
    void fitCaution();

    Application& m_app;
    Reading m_reading;
    PracticeSettings m_settings;
    QVector<PracticeStep> m_plan;
    std::unique_ptr<PracticeSession> m_session;
    QTimer m_timer;
    bool m_screenKeptOn = false;
    QTimer m_speechWatch;
    qint64 m_sleptMs = 0; // the platform's sleep count at the last update
    qint64 m_heldUpShown = 0;
    int m_posesShown = -1; // the pose whose texts are on the page

    QStackedWidget* m_pages = nullptr;

    QVector<QSpinBox*> m_holdBoxes;
    QSpinBox* m_leadInBox = nullptr;
    QCheckBox* m_speakBox = nullptr;
    QCheckBox* m_tonesBox = nullptr;
    QPushButton* m_testSoundButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_closeButton = nullptr;

    QLabel* m_poseNumber = nullptr;
    QLabel* m_nextPose = nullptr;
    PosePicture* m_picture = nullptr;
    QLabel* m_poseName = nullptr;
    QLabel* m_phase = nullptr;
    QLabel* m_heldUp = nullptr;
    QLabel* m_countdown = nullptr;
    QProgressBar* m_progress = nullptr;
    QPlainTextEdit* m_procedure = nullptr;
    QLabel* m_caution = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QPushButton* m_previousButton = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_fullScreenButton = nullptr;

    QLabel* m_doneTitle = nullptr;
    QLabel* m_posesDone = nullptr;
    QLabel* m_timePractised = nullptr;
    QPushButton* m_againButton = nullptr;
};

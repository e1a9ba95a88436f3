#pragma once

#include <QWidget>

class PausedCover;
class PosePicture;
class PracticeSession;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SessionStrip;

// The pose under way, readable from a mat two metres away: its picture, name, phase and countdown, the whole session
// as a strip, and what comes next. Its buttons and keys ask; the window decides.
class PosePage : public QWidget
{
    Q_OBJECT
public:
    explicit PosePage(QWidget* parent);

    // Shows the session as it stands; cheap when nothing has changed, as it runs several times a second.
    void follow(const PracticeSession& session);
    // "Leave Full Screen" while the window fills the screen.
    void setFullScreen(bool fullScreen);
    // Why the session paused, where the person did not pause it; empty when they did.
    void setPausedReason(const QString& reason);
    void focusPause();

signals:
    void previousAsked();
    void pauseAsked();
    void nextAsked();
    void stopAsked();
    void escapeAsked();
    void cautionAsked();
    void fullScreenAsked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPose(const PracticeSession& session);
    void growFonts();
    void fitCaution();

    int m_poseShown = -1;
    int m_sideShown = -1;
    QLabel* m_poseNumber = nullptr;
    PosePicture* m_nextPicture = nullptr;
    QLabel* m_nextPose = nullptr;
    PosePicture* m_picture = nullptr;
    QLabel* m_poseName = nullptr;
    QLabel* m_phase = nullptr;
    QLabel* m_countdown = nullptr;
    QPlainTextEdit* m_procedure = nullptr;
    QLabel* m_caution = nullptr;
    SessionStrip* m_strip = nullptr;
    QLabel* m_timeLeft = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QPushButton* m_fullScreenButton = nullptr;
    QList<QPushButton*> m_buttons;
    PausedCover* m_cover = nullptr;
};

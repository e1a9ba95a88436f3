#pragma once

#include <QWidget>

class PracticeSession;
class QLabel;
class QListWidget;
class QPushButton;

// What was done: every pose of the plan with how far it was held, the time in poses and the session's own time, and
// a way back in when the session was stopped early.
class DonePage : public QWidget
{
    Q_OBJECT
public:
    explicit DonePage(QWidget* parent);

    void showSession(const PracticeSession& session);

signals:
    void resumeAsked();
    void againAsked();
    void closeAsked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_title = nullptr;
    QLabel* m_posesDone = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_timeInPoses = nullptr;
    QLabel* m_sessionTime = nullptr;
    QPushButton* m_resumeButton = nullptr;
    QPushButton* m_againButton = nullptr;
    QList<QPushButton*> m_buttons;
};

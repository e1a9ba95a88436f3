#pragma once

#include <QWidget>

class QLabel;

// Laid over the pose page while the session is paused: the page dimmed, a large "Paused", why where the person did
// not pause it, and how to go on. Clicks pass through to the buttons beneath.
class PausedCover : public QWidget
{
public:
    explicit PausedCover(QWidget* page);

    // Why the session paused; empty where the person paused it.
    void setReason(const QString& reason);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void growFonts();

    QLabel* m_title;
    QLabel* m_reason;
    QLabel* m_howToGoOn;
};

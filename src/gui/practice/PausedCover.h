#pragma once

#include <QWidget>

// Laid over the pose page while the session is paused: the page dimmed, a large "Paused" and how to go on. Clicks
// pass through to the buttons beneath.
class PausedCover : public QWidget
{
public:
    explicit PausedCover(QWidget* page);

    // Why the session paused, where it was not the person's own doing; empty for no reason line.
    void setReason(const QString& reason);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_reason;
};

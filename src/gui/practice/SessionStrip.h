#pragma once

#include <QColor>
#include <QProgressBar>
#include <QVector>

class PracticeSession;

// The whole session at a glance: one segment per pose, as long as the pose takes, the poses done filled, the one
// under way filling as it runs and the rest empty. To a screen reader it is a progress bar of the session's seconds.
class SessionStrip : public QProgressBar
{
public:
    explicit SessionStrip(QWidget* parent);

    // Repaints only when a segment's fill has visibly moved.
    void follow(const PracticeSession& session, const QColor& current);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Segment
    {
        qint64 ms;
        double filled; // 0 to 1
    };

    QVector<Segment> m_segments;
    QColor m_current;
    int m_currentSegment = -1;
};

#include "gui/practice/SessionStrip.h"

#include "core/PracticeSession.h"
#include "gui/style/Look.h"

#include <QPainter>

#include <cmath>

SessionStrip::SessionStrip(QWidget* parent)
    : QProgressBar(parent)
{
    setObjectName(QStringLiteral("barSession"));
    setAccessibleName(QStringLiteral("Session"));
    setTextVisible(false);
    setMinimumHeight(12);
}

void SessionStrip::follow(const PracticeSession& session, const QColor& current)
{
    QVector<Segment> segments;
    int currentSegment = -1;
    for (int pose = 0; pose < session.plan().size(); ++pose) {
        const qint64 ms = session.poseMs(pose);
        if (ms == 0)
            continue;
        double filled = pose < session.pose() ? 1.0 : 0.0;
        if (pose == session.pose() && session.isUnderWay()) {
            filled = 1.0 - double(session.poseLeftMs()) / double(ms);
            currentSegment = int(segments.size());
        }
        segments.append({ms, filled});
    }
    const qint64 planned = session.plannedMs();
    const int totalSeconds = int(planned / 1000);
    if (maximum() != totalSeconds)
        setRange(0, totalSeconds);
    setValue(int((planned - session.sessionLeftMs()) / 1000));
    // A quarter of a pixel at the widest screens: less than that never shows, so it never costs a repaint.
    const double step = 0.25 / std::max(width(), 1);
    bool moved = segments.size() != m_segments.size() || current != m_current || currentSegment != m_currentSegment;
    for (int i = 0; !moved && i < segments.size(); ++i)
        moved = std::abs(segments[i].filled - m_segments[i].filled) * double(segments[i].ms) / double(planned) > step;
    if (!moved)
        return;
    m_segments = segments;
    m_current = current;
    m_currentSegment = currentSegment;
    update();
}

void SessionStrip::paintEvent(QPaintEvent*)
{
    qint64 total = 0;
    for (const Segment& segment : std::as_const(m_segments))
        total += segment.ms;
    if (total == 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double gap = std::max(2.0, height() / 6.0);
    const double room = width() - gap * (m_segments.size() - 1);
    double x = 0;
    for (int i = 0; i < m_segments.size(); ++i) {
        const Segment& segment = m_segments[i];
        const double w = room * double(segment.ms) / double(total);
        const QRectF whole(x + 0.5, 0.5, std::max(w - 1.0, 1.0), height() - 1.0);
        painter.setPen(QPen(Style::lightYellow, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(whole);
        if (segment.filled > 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(i == m_currentSegment ? m_current : Style::yellow);
            painter.drawRect(
                QRectF(whole.topLeft(), QSizeF(whole.width() * std::min(segment.filled, 1.0), whole.height())));
        }
        x += w + gap;
    }
}

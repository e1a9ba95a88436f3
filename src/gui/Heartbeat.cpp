#include "gui/Heartbeat.h"

#include <QLoggingCategory>

#include <algorithm>

namespace {

Q_LOGGING_CATEGORY(practiceLog, "astravida.practice")

constexpr int BeatMs = 4;
constexpr qint64 FrameMs = 16;

} // namespace

Heartbeat::Heartbeat(bool logging, QObject* parent)
    : QObject(parent)
    , m_logging(logging)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(BeatMs);
    connect(&m_timer, &QTimer::timeout, this, &Heartbeat::beat);
    restart();
}

void Heartbeat::restart()
{
    m_longestMs = 0;
    m_sinceLast.start();
    m_timer.start();
}

void Heartbeat::beat()
{
    const qint64 stall = m_sinceLast.restart() - BeatMs;
    m_longestMs = std::max(m_longestMs, stall);
    if (m_logging && stall > FrameMs)
        qCInfo(
            practiceLog, "The window's thread was held for %lld ms (the longest so far %lld ms)", stall, m_longestMs);
}

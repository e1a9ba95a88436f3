#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Beats on the window's thread and keeps the longest time a beat came late: how long that thread was kept from its
// events. Made only to measure (the benchmark, or ASTRAVIDA_HEARTBEAT for an outside check); it costs a wake-up every
// few milliseconds.
class Heartbeat : public QObject
{
public:
    // With logging, each stall past a frame (16 ms) goes to the log as it happens, since the process may end without
    // running any destructor.
    explicit Heartbeat(bool logging, QObject* parent = nullptr);

    qint64 longestStallMs() const { return m_longestMs; }
    void restart();

private:
    void beat();

    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    qint64 m_longestMs = 0;
    bool m_logging;
};

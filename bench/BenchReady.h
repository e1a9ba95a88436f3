#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <functional>

// Shared by the program's benchmark build and the bare baseline, so both report the same moment the same way.
namespace BenchReady {

// Resident memory of this process in kilobytes, from the kernel's own count: "VmHWM" its peak, "VmRSS" now.
inline long residentKb(const QByteArray& field = "VmHWM")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Once the event loop has gone idle after the window was shown: run the extra work, report and leave.
inline void reportWhenIdle(const QByteArray& mode, std::function<void()> work = {})
{
    QTimer::singleShot(0, qApp, [mode, work] {
        // A second pass lets the first paint of the shown window finish.
        QTimer::singleShot(0, qApp, [mode, work] {
            if (mode == "memory" && work)
                work();
            if (mode == "memory")
                std::printf("peak_kb %ld\n", residentKb());
            else
                std::printf("ready\n");
            std::fflush(stdout);
            std::_Exit(0);
        });
    });
}

} // namespace BenchReady

#include "core/SunPosition.h"

#include <swephexp.h>

#include <cmath>

namespace {

// The library's own theory of the Sun: accurate to well under a second of arc over these centuries, and nothing to
// find on disk.
constexpr int32 Flags = SEFLG_MOSEPH;
constexpr double UnixEpoch = 2440587.5; // 1 January 1970, 0:00 UTC, as a Julian day
constexpr double MsPerDay = 86400000.0;

// UTC stands in for UT1, which differs by under a second.
double julianDay(const QDateTime& moment)
{
    return UnixEpoch + double(moment.toMSecsSinceEpoch()) / MsPerDay;
}

} // namespace

double sunLongitude(const QDateTime& moment)
{
    double position[6] = {};
    char error[AS_MAXCH] = {};
    swe_calc_ut(julianDay(moment), SE_SUN, Flags, position, error);
    return position[0];
}

QDateTime sunReaches(double longitude, const QDateTime& from)
{
    char error[AS_MAXCH] = {};
    const double day = swe_solcross_ut(longitude, julianDay(from), Flags, error);
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround((day - UnixEpoch) * MsPerDay)), QTimeZone::utc());
}

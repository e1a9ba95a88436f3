#include "core/SunPosition.h"

#include <swephexp.h>

#include <cmath>

namespace {

// The library's own analytical theory: about a second of arc from its full ephemeris, half a minute of time on the
// moment of entry at most, and no data files to find.
constexpr int32 Flags = SEFLG_MOSEPH;
constexpr double UnixEpoch = 2440587.5; // 1 January 1970, 0:00 UTC, as a Julian day
constexpr double MsPerDay = 86400000.0;

// Left to itself, the library looks for its optional tables (of Delta T) in the working folder before the system's.
void useSystemTables()
{
    static const bool once = [] {
        swe_set_ephe_path("/usr/share/libswe/ephe");
        return true;
    }();
    Q_UNUSED(once);
}

// UTC stands in for UT1, which differs by under a second.
double julianDay(const QDateTime& moment)
{
    return UnixEpoch + double(moment.toMSecsSinceEpoch()) / MsPerDay;
}

} // namespace

double sunLongitude(const QDateTime& moment)
{
    useSystemTables();
    double position[6] = {};
    char error[AS_MAXCH] = {};
    swe_calc_ut(julianDay(moment), SE_SUN, Flags, position, error);
    return position[0];
}

QDateTime sunReaches(double longitude, const QDateTime& from)
{
    useSystemTables();
    char error[AS_MAXCH] = {};
    const double day = swe_solcross_ut(longitude, julianDay(from), Flags, error);
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround((day - UnixEpoch) * MsPerDay)), QTimeZone::utc());
}

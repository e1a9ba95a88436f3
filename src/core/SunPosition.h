#pragma once

#include <QDateTime>
#include <QTimeZone>

// Where the Sun stands on the ecliptic, from the Swiss Ephemeris's built-in analytical theory, so no data files are
// read. Moments are instants: a QDateTime in any zone, taken as the UTC moment it names.

// The Sun's ecliptic longitude at the moment, in degrees from 0 (the first point of Aries) to under 360.
double sunLongitude(const QDateTime& moment);

// The first moment at or after `from` when the Sun reaches the longitude, in UTC.
QDateTime sunReaches(double longitude, const QDateTime& from);

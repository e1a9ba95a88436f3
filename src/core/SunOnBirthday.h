#pragma once

#include "core/Reading.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

// What the Sun says of a birthday, set against the date table's sign. The day runs from midnight to midnight in the
// zone given: for a reading, the computer's own, the likeliest place of birth.
//
// A zone is passed by its id, empty for the computer's own. The computer's own day is taken in local time, which the
// C library already keeps, and a QTimeZone is built only for a notice that names the zone: building the system zone
// costs about 0.7 MB of peak memory, which the program cannot spare under its peak-memory target (1.5 times a bare
// Qt window).
struct SunOnBirthday
{
    enum class Case {
        TableAgrees, // the Sun was in the table's sign all day
        WrongAllDay, // the Sun was in another sign all day
        Cusp, // the Sun moved into another sign during the day
    };

    Case verdict = Case::TableAgrees;
    QString tableSign;
    // The sign to read instead: the Sun's all day, or on a cusp the one of the two that is not the table's.
    QString otherSign;
    // On a cusp, the sign the Sun left, the one it entered, and when, in UTC.
    QString fromSign;
    QString intoSign;
    QDateTime entry;
    QDate date;
    QByteArray zoneId; // empty for the computer's own
};

// TableAgrees, saying nothing, when the input's date is no day of the calendar.
SunOnBirthday sunOnBirthday(const ReadingInput& input, const QByteArray& zoneId);

// The zone an id names; the computer's own for an empty id, and UTC for an id the system does not know.
QTimeZone zoneOf(const QByteArray& id);

// What the reading window says of the reading's sign: why the Sun disagrees with the table, or, for a reading of the
// Sun's sign, that it is one; empty when the table and the Sun agree. A cusp's moment is also given in the zone, by
// the zone's name of the kind asked for: a long name is the zone's everyday one ("Central European Time"), whichever
// of its standard or summer time it was in; a short one is the moment's ("CET").
QString sunNotice(const SunOnBirthday& sun, const Reading& reading, QTimeZone::NameType zoneName = QTimeZone::LongName);

// The line that tells a reading of the Sun's sign from the table's.
QString readAsSunLine(const QString& sign);

// The Sun's place at a moment: its sign and how far into it, in whole degrees and minutes of arc.
struct SunPlace
{
    QString sign;
    int degrees = 0;
    int minutes = 0;
};
SunPlace sunPlaceAt(const QDateTime& moment);

// "At 15:00 in America/New_York (UTC−5) the Sun was at 0° 12′ Aries", with the birth time written as timeText.
QString sunAtBirthText(const QDateTime& birth, const QString& timeText);

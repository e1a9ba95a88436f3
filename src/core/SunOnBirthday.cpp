#include "core/SunOnBirthday.h"

#include "core/SunPosition.h"
#include "core/SunSign.h"

#include <cmath>

namespace {

constexpr int SignCount = 12;
constexpr double DegreesPerSign = 30.0;

int signIndexAt(const QDateTime& moment)
{
    return int(sunLongitude(moment) / DegreesPerSign) % SignCount;
}

QString dateText(const QDate& date)
{
    return QStringLiteral("%1 %2 %3").arg(date.day()).arg(monthNames()[date.month() - 1]).arg(date.year());
}

// The moment to the nearest minute, as almanacs give it, unless that would carry it into the next day.
QDateTime toMinute(const QDateTime& moment)
{
    const QDateTime rounded = moment.addSecs(30);
    const QDateTime shown = rounded.date() == moment.date() ? rounded : moment;
    return shown.addSecs(-shown.time().second()).addMSecs(-shown.time().msec());
}

QString offsetText(int seconds)
{
    const QChar sign = seconds < 0 ? QChar(0x2212) : QLatin1Char('+');
    const int minutes = std::abs(seconds) / 60;
    QString text = QStringLiteral("UTC") + sign + QString::number(minutes / 60);
    if (minutes % 60)
        text += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return text;
}

// "Central European Time": Qt 6.4 has no everyday names and answers a generic name with the standard-time one,
// "Central European Standard Time", which is wrong half the year in a zone with summer time.
QString everydayName(const QTimeZone& zone, const QDateTime& moment)
{
    QString name = zone.displayName(QTimeZone::GenericTime, QTimeZone::LongName);
    const QString standard = QStringLiteral(" Standard Time");
    if (zone.hasDaylightTime() && name.endsWith(standard)
        && name == zone.displayName(QTimeZone::StandardTime, QTimeZone::LongName))
        name.replace(name.size() - standard.size(), standard.size(), QStringLiteral(" Time"));
    return name.isEmpty() ? zone.displayName(moment, QTimeZone::LongName) : name;
}

} // namespace

QTimeZone zoneOf(const QByteArray& id)
{
    if (id.isEmpty())
        return QTimeZone::systemTimeZone();
    const QTimeZone zone(id);
    return zone.isValid() ? zone : QTimeZone::utc();
}

SunOnBirthday sunOnBirthday(const ReadingInput& input, const QByteArray& zoneId)
{
    SunOnBirthday sun;
    const int month = monthNames().indexOf(input.month);
    const QDate date(input.year, month + 1, input.day);
    const std::optional<QString> tableSign = signForPositions(month, input.day - 1);
    if (!date.isValid() || !tableSign)
        return sun;
    sun.tableSign = *tableSign;
    sun.date = date;
    sun.zoneId = zoneId;

    // The computer's own day in local time, so no QTimeZone is built (see above).
    const QTimeZone zone = zoneId.isEmpty() ? QTimeZone() : zoneOf(zoneId);
    const QDateTime start = zoneId.isEmpty() ? date.startOfDay() : date.startOfDay(zone);
    const QDateTime end = zoneId.isEmpty() ? date.endOfDay() : date.endOfDay(zone);
    const int from = signIndexAt(start);
    const int into = signIndexAt(end);
    const QStringList& signs = signNames();
    if (from == into) {
        if (signs[from] != sun.tableSign) {
            sun.verdict = SunOnBirthday::Case::WrongAllDay;
            sun.otherSign = signs[from];
        }
        return sun;
    }
    sun.verdict = SunOnBirthday::Case::Cusp;
    sun.fromSign = signs[from];
    sun.intoSign = signs[into];
    sun.otherSign = sun.intoSign == sun.tableSign ? sun.fromSign : sun.intoSign;
    sun.entry = sunReaches(into * DegreesPerSign, start);
    return sun;
}

QString sunNotice(const SunOnBirthday& sun, const Reading& reading, QTimeZone::NameType zoneName)
{
    if (reading.readAsSunSign())
        return readAsSunLine(reading.sign);
    switch (sun.verdict) {
    case SunOnBirthday::Case::WrongAllDay:
        return QStringLiteral("On %1 the Sun was in %2 all day; the date table gives %3.")
            .arg(dateText(sun.date), sun.otherSign, sun.tableSign);
    case SunOnBirthday::Case::Cusp: {
        const QTimeZone zone = zoneOf(sun.zoneId);
        const QDateTime local = toMinute(sun.entry.toTimeZone(zone));
        const QDateTime utc = toMinute(sun.entry.toUTC());
        const QString name
            = zoneName == QTimeZone::LongName ? everydayName(zone, local) : zone.displayName(local, zoneName);
        return QStringLiteral("The Sun moved from %1 into %2 on %3 at %4 %5 (%6 UTC).")
            .arg(sun.fromSign, sun.intoSign, dateText(sun.date), local.toString(QStringLiteral("HH:mm")), name,
                utc.toString(QStringLiteral("HH:mm")));
    }
    case SunOnBirthday::Case::TableAgrees:
        break;
    }
    return {};
}

QString readAsSunLine(const QString& sign)
{
    return QStringLiteral("Read as %1, the Sun's sign on your birthday").arg(sign);
}

SunPlace sunPlaceAt(const QDateTime& moment)
{
    const int minutesOfArc = int(std::floor(sunLongitude(moment) * 60.0)) % (360 * 60);
    const int perSign = int(DegreesPerSign) * 60;
    return {signNames()[minutesOfArc / perSign], minutesOfArc % perSign / 60, minutesOfArc % 60};
}

QString sunAtBirthText(const QDateTime& birth, const QString& timeText)
{
    const SunPlace place = sunPlaceAt(birth);
    return QStringLiteral("At %1 in %2 (%3) the Sun was at %4\u00b0 %5\u2032 %6")
        .arg(timeText, QString::fromUtf8(birth.timeZone().id()), offsetText(birth.offsetFromUtc()))
        .arg(place.degrees)
        .arg(place.minutes)
        .arg(place.sign);
}

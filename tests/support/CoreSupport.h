#pragma once

#include "FakePlatform.h"
#include "core/Reading.h"

#include <QVector>

// What core and gui tests share: readings to compare, birthdays to pick, the reminder's stored date.

// Where every page of the maker's site is, before the page's key.
inline const QString SitePageAddress = QStringLiteral("https://www.lorewell.com/astravida/ssd.php?page=");

// Every text of a reading but its sign and picture, with the name of the member that holds it.
struct ReadingText
{
    const char* name;
    QString Reading::*field;
};
extern const QVector<ReadingText> ReadingTexts;

// ANNA's birthday in 1980 on the first day of the year that falls under the sign.
ReadingInput firstBirthdayUnder(const QString& sign);

// The update reminder's date as the platform stores it: under a scrambled key, scrambled.
QString reminderSettingPath();
void storeReminderDate(Platform& platform, const QString& dateText);

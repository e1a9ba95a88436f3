#pragma once

#include <QDateTime>
#include <QString>

class Platform;

enum class ReminderStep {
    RecordFirstStart, // nothing stored yet, or nothing that reads as a date: remember today, ask nothing
    StayQuiet, // asked recently
    Ask, // more than two weeks either way
};

// Decides from the unscrambled stored text and the current time.
ReminderStep reminderStep(const QString& stored, const QDateTime& now);
// The text form of the reminder's date; it stays within the codes that survive scrambling.
QString reminderDateText(const QDateTime& when);

// Once per start: every two weeks, offer to look for an update.
void remindAboutUpdate(Platform& platform, const QString& applicationName);

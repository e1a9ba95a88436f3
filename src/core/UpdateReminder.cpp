#include "core/UpdateReminder.h"

#include "core/Platform.h"
#include "core/Scramble.h"
#include "core/SitePages.h"

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString Section = QStringLiteral("Settings");
constexpr qint64 QuietDays = 14;

const QString& reminderKey()
{
    static const QString key = ScrambleText(QStringLiteral("Duration"));
    return key;
}

} // namespace

QString reminderDateText(const QDateTime& when)
{
    return when.toString(DateFormat);
}

ReminderStep reminderStep(const QString& stored, const QDateTime& now)
{
    const QDateTime last = QDateTime::fromString(stored, DateFormat);
    // A date that no longer reads back would otherwise silence the reminder for good; start counting afresh.
    if (!last.isValid())
        return ReminderStep::RecordFirstStart;
    const qint64 days = last.date().daysTo(now.date());
    return (days >= -QuietDays && days <= QuietDays) ? ReminderStep::StayQuiet : ReminderStep::Ask;
}

void remindAboutUpdate(Platform& platform, const QString& applicationName)
{
    const QString stored = UnscrambleText(platform.readSetting(applicationName, Section, reminderKey()));
    const QDateTime now = platform.now();
    const ReminderStep step = reminderStep(stored, now);
    if (step == ReminderStep::StayQuiet)
        return;

    bool wantsUpdate = false;
    if (step == ReminderStep::Ask) {
        const QString question = QStringLiteral("There maybe an update to this software available") + QChar(13)
            + QStringLiteral("Do you want to check for an update?");
        wantsUpdate
            = platform.showMessage(question, MessageIcon::Information, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    platform.writeSetting(applicationName, Section, reminderKey(), ScrambleText(reminderDateText(now)));
    if (wantsUpdate)
        openSitePage(platform, SitePage::Download);
}

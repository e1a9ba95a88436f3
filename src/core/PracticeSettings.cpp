#include "core/PracticeSettings.h"

#include "core/AsanaCatalogue.h"
#include "core/Platform.h"
#include "core/SunSign.h"

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Practice");
const QString LeadInKey = QStringLiteral("LeadInSeconds");
const QString SpeakKey = QStringLiteral("SpeakCues");
const QString TonesKey = QStringLiteral("PlayTones");

const QString OrderKey = QStringLiteral("Order");
const QString LeftOutKey = QStringLiteral("LeftOut");

QString plainName(int asanaNumber)
{
    return QString(asana(asanaNumber).displayName).remove(QLatin1Char(' '));
}

// Keyed by the asana's name, so the settings file reads plainly.
QString holdKey(int asanaNumber)
{
    return QStringLiteral("Hold") + plainName(asanaNumber);
}

// "Sarvangasana,Makarasana": the asanas by name, so the file reads plainly too.
QString namesText(const QVector<int>& numbers)
{
    QStringList names;
    for (int number : numbers)
        names << plainName(number);
    return names.join(QLatin1Char(','));
}

// Nothing at all where a name is unknown or repeated: half a list would shape the plan in a way nobody chose.
QVector<int> readNames(Platform& platform, const QString& application, const QString& key)
{
    QVector<int> numbers;
    const QString stored = platform.readSetting(application, Section, key).trimmed();
    if (stored.isEmpty())
        return numbers;
    for (const QString& name : stored.split(QLatin1Char(','))) {
        int found = 0;
        for (int number = 1; number <= AsanaCount && found == 0; ++number) {
            if (plainName(number) == name.trimmed())
                found = number;
        }
        if (found == 0 || numbers.contains(found))
            return {};
        numbers.append(found);
    }
    return numbers;
}

int readInt(Platform& platform, const QString& application, const QString& key, int min, int max, int fallback)
{
    bool ok = false;
    const int value = platform.readSetting(application, Section, key).trimmed().toInt(&ok);
    return ok && value >= min && value <= max ? value : fallback;
}

} // namespace

int PracticeSettings::holdFor(int asanaNumber) const
{
    const int seconds = holdSeconds.value(asanaNumber, asana(asanaNumber).hold.seconds);
    return std::clamp(seconds, MinHoldSeconds, MaxHoldSeconds);
}

PracticeSettings loadPracticeSettings(Platform& platform, const QString& applicationName)
{
    PracticeSettings settings;
    for (int number = 1; number <= AsanaCount; ++number) {
        const int seconds = readInt(platform, applicationName, holdKey(number), MinHoldSeconds, MaxHoldSeconds, 0);
        if (seconds != 0)
            settings.holdSeconds.insert(number, seconds);
    }
    for (const QString& sign : signNames()) {
        const QVector<int> order = readNames(platform, applicationName, OrderKey + sign);
        if (!order.isEmpty())
            settings.order.insert(sign, order);
        const QVector<int> leftOut = readNames(platform, applicationName, LeftOutKey + sign);
        if (!leftOut.isEmpty())
            settings.leftOut.insert(sign, leftOut);
    }
    settings.leadInSeconds = readInt(platform, applicationName, LeadInKey, 0, MaxLeadInSeconds, DefaultLeadInSeconds);
    // Only a plain "false" turns a sound off: silence by accident would leave a person waiting on the mat.
    settings.speakCues = platform.readSetting(applicationName, Section, SpeakKey).trimmed() != QLatin1String("false");
    settings.playTones = platform.readSetting(applicationName, Section, TonesKey).trimmed() != QLatin1String("false");
    return settings;
}

void savePracticeSettings(Platform& platform, const QString& applicationName, const PracticeSettings& settings)
{
    for (int number = 1; number <= AsanaCount; ++number) {
        const int seconds = settings.holdFor(number);
        const bool ownDefault = seconds == asana(number).hold.seconds;
        platform.writeSetting(
            applicationName, Section, holdKey(number), ownDefault ? QString() : QString::number(seconds));
    }
    for (const QString& sign : signNames()) {
        platform.writeSetting(applicationName, Section, OrderKey + sign, namesText(settings.order.value(sign)));
        platform.writeSetting(applicationName, Section, LeftOutKey + sign, namesText(settings.leftOut.value(sign)));
    }
    platform.writeSetting(applicationName, Section, LeadInKey, QString::number(settings.leadInSeconds));
    platform.writeSetting(
        applicationName, Section, SpeakKey, settings.speakCues ? QStringLiteral("true") : QStringLiteral("false"));
    platform.writeSetting(
        applicationName, Section, TonesKey, settings.playTones ? QStringLiteral("true") : QStringLiteral("false"));
}

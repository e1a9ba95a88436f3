#include "core/PracticeSettings.h"

#include "core/AsanaCatalogue.h"
#include "core/Platform.h"

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Practice");
const QString LeadInKey = QStringLiteral("LeadInSeconds");
const QString SpeakKey = QStringLiteral("SpeakCues");
const QString TonesKey = QStringLiteral("PlayTones");

// Keyed by the asana's name, so the settings file reads plainly.
QString holdKey(int asanaNumber)
{
    return QStringLiteral("Hold") + QString(asana(asanaNumber).displayName).remove(QLatin1Char(' '));
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
    platform.writeSetting(applicationName, Section, LeadInKey, QString::number(settings.leadInSeconds));
    platform.writeSetting(
        applicationName, Section, SpeakKey, settings.speakCues ? QStringLiteral("true") : QStringLiteral("false"));
    platform.writeSetting(
        applicationName, Section, TonesKey, settings.playTones ? QStringLiteral("true") : QStringLiteral("false"));
}

#include "CoreSupport.h"

#include "core/Scramble.h"
#include "core/SunSign.h"

#include <QStandardPaths>

namespace {

struct Environment
{
    Environment() { QStandardPaths::setTestModeEnabled(true); }
};
const Environment environment;

} // namespace

const QVector<ReadingText> ReadingTexts {{"element", &Reading::element}, {"luckyNumber", &Reading::luckyNumber},
    {"luckyColor", &Reading::luckyColor}, {"luckyDay", &Reading::luckyDay}, {"compatibility", &Reading::compatibility},
    {"birthStone", &Reading::birthStone}, {"quality", &Reading::quality}, {"famousPeople", &Reading::famousPeople},
    {"positiveTraits", &Reading::positiveTraits}, {"negativeTraits", &Reading::negativeTraits},
    {"bodyParts", &Reading::bodyParts}, {"healthProblems", &Reading::healthProblems},
    {"requiredDiet", &Reading::requiredDiet}, {"dietToAvoid", &Reading::dietToAvoid},
    {"dietAdvice", &Reading::dietAdvice}, {"constitution", &Reading::constitution},
    {"excessEffects", &Reading::excessEffects}, {"excessItemsToTake", &Reading::excessItemsToTake},
    {"excessItemsToAvoid", &Reading::excessItemsToAvoid}, {"excessRemedy", &Reading::excessRemedy},
    {"lowEffects", &Reading::lowEffects}, {"lowItemsToTake", &Reading::lowItemsToTake},
    {"lowItemsToAvoid", &Reading::lowItemsToAvoid}, {"lowRemedy", &Reading::lowRemedy},
    {"athletic", &Reading::athletic}, {"motivated", &Reading::motivated}, {"endurance", &Reading::endurance},
    {"flexibility", &Reading::flexibility}, {"routine", &Reading::routine}, {"teamWork", &Reading::teamWork},
    {"focus", &Reading::focus}, {"variety", &Reading::variety}, {"fitnessAdvice", &Reading::fitnessAdvice}};

ReadingInput firstBirthdayUnder(const QString& sign)
{
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day < 31; ++day) {
            if (signForPositions(month, day) == sign)
                return {QStringLiteral("ANNA"), day + 1, monthNames()[month], 1980};
        }
    }
    return {};
}

QString reminderSettingPath()
{
    return FakePlatform::settingPath(
        QStringLiteral("astravida"), QStringLiteral("Settings"), ScrambleText(QStringLiteral("Duration")));
}

void storeReminderDate(Platform& platform, const QString& dateText)
{
    platform.writeSetting(QStringLiteral("astravida"), QStringLiteral("Settings"),
        ScrambleText(QStringLiteral("Duration")), ScrambleText(dateText));
}

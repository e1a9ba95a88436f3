#include "TestSupport.h"

#include "core/Scramble.h"
#include "core/SunSign.h"
#include "core/UpdateReminder.h"
#include "gui/MainWindow.h"
#include "gui/ReadingWindow.h"

#include <QComboBox>
#include <QLineEdit>
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

void flushDeferredDeletes()
{
    // Windows closed with WA_DeleteOnClose go through deleteLater.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TestApp::TestApp(bool quietReminder)
{
    if (quietReminder)
        storeReminderDate(platform, reminderDateText(platform.now()));
    app = std::make_unique<Application>(platform);
}

TestApp::~TestApp()
{
    app.reset();
    flushDeferredDeletes();
}

bool TestApp::start(const QString& readingFile)
{
    return app->start(readingFile);
}

MainWindow* TestApp::main() const
{
    return app->mainWindow();
}

ReadingWindow* TestApp::read(int day, int month, int year)
{
    fillInput(main(), QStringLiteral("ANNA"), day, month, year);
    main()->cmdNext_Click();
    return app->readingWindow();
}

ReadingWindow* TestApp::readSign(const QString& sign)
{
    const ReadingInput birthday = firstBirthdayUnder(sign);
    return read(birthday.day, monthNames().indexOf(birthday.month) + 1);
}

Reading TestApp::shownReading() const
{
    const ReadingWindow* window = app->readingWindow();
    return window ? window->reading() : Reading();
}

bool triggerAction(const QWidget* window, const QString& name)
{
    auto* action = window ? window->findChild<QAction*>(name) : nullptr;
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

void fillInput(MainWindow* main, const QString& name, int day, int month, int year)
{
    main->nameBox()->setText(name);
    main->dayList()->setCurrentIndex(day - 1);
    main->monthList()->setCurrentIndex(month - 1);
    main->yearList()->setCurrentIndex(year - 1900);
}

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
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day < 31; ++day) {
            if (signForPositions(month, day) == sign)
                return read(day + 1, month + 1);
        }
    }
    return nullptr;
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

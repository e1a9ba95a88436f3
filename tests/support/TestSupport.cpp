#include "TestSupport.h"

#include "core/SunSign.h"
#include "core/UpdateReminder.h"
#include "gui/MainWindow.h"
#include "gui/ReadingWindow.h"

#include <QComboBox>
#include <QLineEdit>

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
    child<QLineEdit>(main, "txtName")->setText(name);
    child<QComboBox>(main, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(main, "cboMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(main, "cboYear")->setCurrentIndex(year - 1900);
}

#pragma once

#include "FakePlatform.h"
#include "core/Reading.h"
#include "gui/Application.h"

#include <QAction>
#include <QTest>
#include <QWidget>

#include <memory>

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

// Destroys the windows closed so far, as the event loop would.
void flushDeferredDeletes();

// One application on a fake platform, started as the real program starts; a fresh one per test.
struct TestApp
{
    FakePlatform platform;
    std::unique_ptr<Application> app;

    // A stored reminder date keeps the update question out of the way unless a test asks for it.
    explicit TestApp(bool quietReminder = true);
    ~TestApp();

    bool start(const QString& readingFile = QString());
    MainWindow* main() const;
    // The reading window of ANNA's reading for a day and month of the year, or nullptr if none opened.
    ReadingWindow* read(int day, int month, int year = 1980);
    // The same for the first birthday that falls under the sign.
    ReadingWindow* readSign(const QString& sign);
    // The reading the reading window shows; empty when no reading window is on view.
    Reading shownReading() const;
};

// The named child of a window, failing the test when it is missing.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Triggers a menu item by name after checking that it exists and is enabled.
bool triggerAction(const QWidget* window, const QString& name);

// Puts the given day, month and year positions and name into the main window.
void fillInput(MainWindow* main, const QString& name, int day, int month, int year);

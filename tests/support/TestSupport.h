#pragma once

#include "CoreSupport.h"
#include "gui/Application.h"

#include <QAction>
#include <QTest>
#include <QWidget>

#include <memory>

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

// The named child of a window. A missing one fails the test, naming it, and the test ends at the next check.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found)
        QTest::qFail(
            qPrintable(QStringLiteral("no %1 named %2").arg(QLatin1String(T::staticMetaObject.className()), name)),
            __FILE__, __LINE__);
    return found;
}

// Triggers a menu item by name after checking that it exists and is enabled.
bool triggerAction(const QWidget* window, const QString& name);

// Puts the given day, month and year positions and name into the main window.
void fillInput(MainWindow* main, const QString& name, int day, int month, int year);

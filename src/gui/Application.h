#pragma once

#include "core/AppState.h"

#include <QObject>
#include <QPointer>

#include <memory>

class Platform;
class ReportLinks;
class QWidget;
class ReadingWindow;
class MainWindow;
class ClosingScreen;

// Owns the program-wide reading state and the windows, and is the one way windows reach each other.
class Application : public QObject
{
    Q_OBJECT
public:
    explicit Application(Platform& platform, const QString& applicationName = QStringLiteral("astravida"));
    ~Application() override;

    Platform& platform() const { return m_platform; }
    AppState& state() { return m_state; }
    // The report window's link hook; one for the whole program.
    ReportLinks& reportLinks() { return *m_reportLinks; }
    // The name the per-user settings are kept under.
    const QString& applicationName() const { return m_applicationName; }

    // Start-up, then the saved reading named on the command line, if any, opened as the Open command opens it;
    // false when another instance already runs and this one has ended.
    bool start(const QString& readingFile = QString());

    MainWindow* mainWindow() const;
    // The reading window of the current reading; nullptr before the first reading and once it is unloaded.
    ReadingWindow* readingWindow() const;
    // The reading window, created hidden when there is none.
    ReadingWindow* ensureReadingWindow();

    void openSitePage(const QString& pageKey);

    // The closing screen is loaded by whichever of these comes first.
    void showClosingScreen();
    void hideClosingScreen();
    ClosingScreen* closingScreen() const;
    // Modal over parent; a new box each time.
    void showAbout(QWidget* parent);

    // Unloads every window, then ends the process; reached again while unloading, it ends at once.
    void quitApplication();

private:
    void loadClosingScreen();

    Platform& m_platform;
    QString m_applicationName;
    AppState m_state;
    std::unique_ptr<ReportLinks> m_reportLinks;
    QPointer<MainWindow> m_main;
    QPointer<ReadingWindow> m_reading;
    QPointer<ClosingScreen> m_closingScreen;
    bool m_quitting = false;
};

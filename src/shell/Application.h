#pragma once

#include "shell/AppState.h"

#include <QObject>
#include <QPointer>

#include <memory>

class Platform;
class ReportLinks;
class QWidget;
class frmDisplay;
class frmMain;
class frmNagScreen2;

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

    frmMain* mainWindow() const;
    // The reading window of the current reading; nullptr before the first reading and once it is unloaded.
    frmDisplay* displayWindow() const;
    // The reading window, created hidden when there is none.
    frmDisplay* ensureDisplayWindow();

    void openSitePage(const QString& pageKey);

    // The closing screen is loaded by whichever of these comes first.
    void showClosingScreen();
    void hideClosingScreen();
    frmNagScreen2* closingScreen() const;
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
    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_display;
    QPointer<frmNagScreen2> m_closingScreen;
    bool m_quitting = false;
};

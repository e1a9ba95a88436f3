#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

enum class SitePage;
class ClosingScreen;
class MainWindow;
class Platform;
class ReadingWindow;
class ReportLinks;
class QWidget;
struct Reading;
struct ReadingInput;

// Owns the windows and is the one way they reach each other.
class Application : public QObject
{
    Q_OBJECT
public:
    explicit Application(Platform& platform, const QString& applicationName = QStringLiteral("astravida"));
    ~Application() override;

    Platform& platform() const { return m_platform; }
    // The report window's link hook; one for the whole program.
    ReportLinks& reportLinks() { return *m_reportLinks; }
    // The name the per-user settings are kept under.
    const QString& applicationName() const { return m_applicationName; }

    // Start-up, then the saved reading named on the command line, if any, opened as the Open command opens it;
    // false when another instance already runs and this one has ended.
    bool start(const QString& readingFile = QString());
    // Run at the end of every start that gets as far as the main window; only the benchmark's build of the program
    // sets one, to report when it is ready.
    static void setStartHook(void (*hook)(Application& app));

    MainWindow* mainWindow() const;
    // The window of the reading on view; nullptr when none is.
    ReadingWindow* readingWindow() const;
    // nullptr until it is first shown.
    ClosingScreen* closingScreen() const;

    // The reading of this input takes the main window's place; an input whose date names no day shows nothing.
    void showReading(const ReadingInput& input);
    void showMainWindow();
    void showClosingScreen();
    // The report of the reading, modal over the window that shows it.
    void showReport(const Reading& reading, QWidget* readingWindow);
    // The guided practice of the reading's asanas, modal over the window that shows the reading.
    void showPractice(const Reading& reading, QWidget* readingWindow);
    // Modal over parent; a new box each time.
    void showAbout(QWidget* parent);
    void openSitePage(SitePage page);

    // Closes every window, then ends the process; reached again while closing them, it ends at once.
    void quitApplication();

private:
    Platform& m_platform;
    QString m_applicationName;
    std::unique_ptr<ReportLinks> m_reportLinks;
    QPointer<MainWindow> m_main;
    QPointer<ReadingWindow> m_reading;
    QPointer<ClosingScreen> m_closingScreen;
    bool m_quitting = false;
    static void (*s_startHook)(Application& app);
};

#include "gui/Application.h"

#include "core/Platform.h"
#include "core/Reading.h"
#include "core/SitePages.h"
#include "core/SunOnBirthday.h"
#include "core/UpdateReminder.h"
#include "gui/AboutDialog.h"
#include "gui/ClosingScreen.h"
#include "gui/MainWindow.h"
#include "gui/PracticeWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportLinks.h"
#include "gui/ReportWindow.h"

void (*Application::s_startHook)(Application& app) = nullptr;

Application::Application(Platform& platform, const QString& applicationName)
    : m_platform(platform)
    , m_applicationName(applicationName)
    , m_reportLinks(std::make_unique<ReportLinks>(platform))
{ }

Application::~Application()
{
    delete m_reading.data();
    delete m_main.data();
    delete m_closingScreen.data();
}

bool Application::start(const QString& readingFile)
{
    if (m_platform.anotherInstanceRunning()) {
        m_platform.showMessage(QStringLiteral("Application is already running"), MessageIcon::Information);
        quitApplication();
        return false;
    }
    m_platform.seedRandom(quint32(m_platform.now().toMSecsSinceEpoch()));
    // Asked before the main window is up, so the question stands on its own.
    remindAboutUpdate(m_platform, m_applicationName);
    m_main = new MainWindow(*this);
    m_main->show();
    m_main->pickPromotion(m_platform.random());
    if (!readingFile.isEmpty())
        m_main->openReadingFile(readingFile);
    if (s_startHook)
        s_startHook(*this);
    return true;
}

void Application::setStartHook(void (*hook)(Application& app))
{
    s_startHook = hook;
}

MainWindow* Application::mainWindow() const
{
    return m_main;
}

ReadingWindow* Application::readingWindow() const
{
    return m_reading;
}

ClosingScreen* Application::closingScreen() const
{
    return m_closingScreen;
}

void Application::showReading(const ReadingInput& input)
{
    const std::optional<Reading> reading = makeReading(input);
    if (!reading)
        return;
    if (m_main)
        m_main->hide();
    if (!m_reading) {
        m_reading = new ReadingWindow(*this);
        // Forgotten as soon as it closes, so the next reading never fills a window on its way out.
        connect(m_reading, &ReadingWindow::closed, this, [this] { m_reading.clear(); });
    }
    m_reading->showReading(*reading, sunOnBirthday(input, m_platform.timeZoneId()));
}

void Application::showMainWindow()
{
    if (m_main)
        m_main->show();
}

void Application::showClosingScreen()
{
    // Windows closed by quitApplication ask for it too; by then it is too late to show anything.
    if (m_quitting)
        return;
    if (!m_closingScreen)
        m_closingScreen = new ClosingScreen(*this);
    m_closingScreen->show();
}

void Application::showReport(const Reading& reading, QWidget* readingWindow)
{
    ReportWindow::showModal(*this, reading, readingWindow);
}

void Application::showPractice(const Reading& reading, QWidget* readingWindow)
{
    PracticeWindow::showModal(*this, reading, readingWindow);
}

void Application::showAbout(QWidget* parent)
{
    AboutDialog about(*this, parent);
    about.exec();
}

void Application::openSitePage(SitePage page)
{
    ::openSitePage(m_platform, page);
}

void Application::quitApplication()
{
    if (m_quitting) {
        m_platform.endProcess();
        return;
    }
    m_quitting = true;
    // Closing the closing screen ends the process at once, so it goes last.
    for (QWidget* window : {static_cast<QWidget*>(m_reading.data()), static_cast<QWidget*>(m_main.data()),
             static_cast<QWidget*>(m_closingScreen.data())}) {
        if (window)
            window->close();
    }
    m_platform.endProcess();
}

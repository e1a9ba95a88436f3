#include "gui/Application.h"

#include "core/SitePages.h"
#include "gui/AboutDialog.h"
#include "gui/ClosingScreen.h"
#include "core/Platform.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportLinks.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QWidget>

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
    m_main = new MainWindow(*this);
    m_main->show();
    m_main->pickPromotion(m_platform.random());
    if (!readingFile.isEmpty())
        m_main->openReadingFile(readingFile);
    return true;
}

MainWindow* Application::mainWindow() const
{
    return m_main;
}

ReadingWindow* Application::readingWindow() const
{
    return m_reading;
}

ReadingWindow* Application::ensureReadingWindow()
{
    if (!m_reading) {
        m_reading = new ReadingWindow(*this);
        // Forgotten as soon as it unloads, so the next reading never fills a window on its way out.
        connect(m_reading, &ReadingWindow::unloaded, this, [this] { m_reading.clear(); });
    }
    return m_reading;
}

void Application::openSitePage(const QString& pageKey)
{
    OpenSitePage(m_platform, pageKey);
}

void Application::loadClosingScreen()
{
    if (!m_closingScreen)
        m_closingScreen = new ClosingScreen(*this);
}

void Application::showClosingScreen()
{
    // Windows unloaded by quitApplication ask for it too; by then it is too late to show anything.
    if (m_quitting)
        return;
    loadClosingScreen();
    m_closingScreen->show();
}

void Application::hideClosingScreen()
{
    if (m_quitting)
        return;
    loadClosingScreen();
    m_closingScreen->hide();
}

ClosingScreen* Application::closingScreen() const
{
    return m_closingScreen;
}

void Application::showAbout(QWidget* parent)
{
    AboutDialog about(*this, parent);
    about.exec();
}

void Application::quitApplication()
{
    if (m_quitting) {
        m_platform.endProcess();
        return;
    }
    m_quitting = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Our windows are the ones named frm...; Qt's own helpers (menus, tooltips) are not ours to unload.
        if (window->objectName().startsWith(QLatin1String("frm")))
            windows.append(window);
    }
    // Unloading the closing screen ends the process at once, so it goes last, after every other unload handler.
    if (m_closingScreen && windows.removeAll(m_closingScreen.data()) > 0)
        windows.append(m_closingScreen.data());
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    m_platform.endProcess();
}

#include "shell/Application.h"

#include "outreach/SitePages.h"
#include "outreach/frmAbout.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Platform.h"
#include "reading/frmDisplay.h"
#include "report/ReportLinks.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QWidget>

Application::Application(Platform& platform, const QString& applicationName)
    : m_platform(platform)
    , m_applicationName(applicationName)
    , m_reportLinks(std::make_unique<ReportLinks>(platform))
{ }

Application::~Application()
{
    delete m_display.data();
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
    m_main = new frmMain(*this);
    m_main->show();
    m_main->pickPromotion(m_platform.random());
    if (!readingFile.isEmpty())
        m_main->openReadingFile(readingFile);
    return true;
}

frmMain* Application::mainWindow() const
{
    return m_main;
}

frmDisplay* Application::displayWindow() const
{
    return m_display;
}

frmDisplay* Application::ensureDisplayWindow()
{
    if (!m_display) {
        m_display = new frmDisplay(*this);
        // Forgotten as soon as it unloads, so the next reading never fills a window on its way out.
        connect(m_display, &frmDisplay::unloaded, this, [this] { m_display.clear(); });
    }
    return m_display;
}

void Application::openSitePage(const QString& pageKey)
{
    OpenSitePage(m_platform, pageKey);
}

void Application::loadClosingScreen()
{
    if (!m_closingScreen)
        m_closingScreen = new frmNagScreen2(*this);
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

frmNagScreen2* Application::closingScreen() const
{
    return m_closingScreen;
}

void Application::showAbout(QWidget* parent)
{
    frmAbout about(*this, parent);
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

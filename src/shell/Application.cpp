#include "shell/Application.h"

#include "outreach/SitePages.h"
#include "platform/Platform.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QWidget>

Application::Application(Platform& platform, const QString& applicationName)
    : m_platform(platform)
    , m_applicationName(applicationName)
{ }

Application::~Application()
{
    delete m_main.data();
}

bool Application::start()
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
    return true;
}

frmMain* Application::mainWindow() const
{
    return m_main;
}

void Application::openSitePage(const QString& pageKey)
{
    OpenSitePage(m_platform, pageKey);
}

void Application::showClosingScreen()
{
    if (m_quitting)
        return;
    // Until there is a closing screen, leaving a window leaves the program.
    quitApplication();
}

void Application::hideClosingScreen()
{ }

void Application::showAbout(QWidget* parent)
{
    Q_UNUSED(parent);
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
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    m_platform.endProcess();
}

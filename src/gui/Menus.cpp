#include "gui/Menus.h"

#include "core/SitePages.h"
#include "gui/Application.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* fillMenu(QMenu* menu, QWidget* window, const char* name, const std::vector<MenuItem>& items)
{
    menu->setObjectName(QLatin1String(name));
    for (const MenuItem& item : items) {
        QAction* action = item.action ? menu->addAction(QString::fromUtf8(item.text)) : menu->addSeparator();
        action->setObjectName(QLatin1String(item.name));
        if (item.action)
            QObject::connect(action, &QAction::triggered, window, item.action);
    }
    return menu;
}

} // namespace

QMenu* addMenu(QMenuBar* bar, QWidget* window, const char* name, const char* text, const std::vector<MenuItem>& items)
{
    return fillMenu(bar->addMenu(QString::fromUtf8(text)), window, name, items);
}

QMenu* addMenu(QMenu* parent, QWidget* window, const char* name, const char* text, const std::vector<MenuItem>& items)
{
    QMenu* menu = fillMenu(parent->addMenu(QString::fromUtf8(text)), window, name, items);
    // The item that opens a submenu is what a test or a screen reader meets first, so it carries the name too.
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void addSiteMenus(QMenuBar* bar, QWidget* window, Application& app, const char* updateCaption)
{
    const auto page = [&app](SitePage key) { return [&app, key] { app.openSitePage(key); }; };
    addMenu(bar, window, "mnuHelp", "&Help",
        {
            {"mnuOnline", "&Online Help", page(SitePage::OnlineHelp)},
            {"mnuVisit", "&Visit Us Online", page(SitePage::Home)},
            {"mnuHelp1", "-", nullptr},
            {"mnuUpdate", updateCaption, page(SitePage::Download)},
            {"mnuHelp2", "-", nullptr},
            {"mnuAbout", "&About Software", [&app, window] { app.showAbout(window); }},
        });

    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, window, page(SitePage::Donate));

    // Shown but unavailable, as it has always been.
    QAction* makeMoney = bar->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mkmoney"));
    makeMoney->setEnabled(false);
    QObject::connect(makeMoney, &QAction::triggered, window, page(SitePage::FullyBranded));
}

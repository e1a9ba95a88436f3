#pragma once

#include <functional>
#include <vector>

class Application;
class QMenu;
class QMenuBar;
class QWidget;

struct MenuItem
{
    const char* name;
    const char* text;
    std::function<void()> action; // none for a separator
};

// Adds a menu of the given items to the window's menu bar.
QMenu* addMenu(QMenuBar* bar, QWidget* window, const char* name, const char* text, const std::vector<MenuItem>& items);
// Adds a submenu of the given items to a menu.
QMenu* addMenu(QMenu* parent, QWidget* window, const char* name, const char* text, const std::vector<MenuItem>& items);

// The Help menu, Donate and the unavailable Make Money Online that the main and reading windows share; only the
// update item's caption differs between them.
void addSiteMenus(QMenuBar* bar, QWidget* window, Application& app, const char* updateCaption);

#include "gui/style/Windows.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace Style {

void fixWindowSize(QWidget* window, const QSize& clientSize)
{
    window->setFixedSize(clientSize);
    window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

QPoint placeOnScreen(const QSize& frame, const QRect& available)
{
    QRect placed({}, frame);
    placed.moveCenter(available.center());
    // Centred, a window larger than the screen would lose its title bar and menu bar off the top, out of the mouse's
    // reach; its bottom or right edge goes off instead.
    if (frame.width() > available.width())
        placed.moveLeft(available.left());
    if (frame.height() > available.height())
        placed.moveTop(available.top());
    return placed.topLeft();
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(placeOnScreen(window->frameGeometry().size(), screen->availableGeometry()));
}

bool pressExitKeys(QKeyEvent* event, QWidget* focused, QPushButton* exitButton)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        exitButton->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focused))
            button->click();
        else
            exitButton->click();
        return true;
    default:
        return false;
    }
}

} // namespace Style

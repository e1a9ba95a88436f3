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

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
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

#pragma once

#include <QIcon>

class QLabel;
class QRect;
class QWidget;

// The program's icon; on a scaled screen QIcon adds its "@2x" picture.
QIcon applicationIcon();
// A picture box showing the icon, fitted into its rectangle.
QLabel* iconPicture(QWidget* parent, const char* name, const QRect& geometry);

#pragma once

#include <QIcon>

class QLabel;
class QRect;
class QWidget;

// The program's icon, empty until its picture is part of the build; on a scaled screen its "@2x" picture joins it.
QIcon applicationIcon();
// A picture box showing the icon, fitted into its rectangle.
QLabel* iconPicture(QWidget* parent, const char* name, const QRect& geometry);

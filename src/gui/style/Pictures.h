#pragma once

#include <QIcon>
#include <QPixmap>

class QLabel;
class QRect;
class QWidget;

// The pictures compiled into the program, drawn for the screen that shows them.
namespace Style {

// The picture at a resource path for a screen of that pixel ratio: above 1 it comes from the "@2x" file beside it,
// brought to the screen's ratio, so it is as sharp as the text around it.
QPixmap picture(const QString& path, qreal devicePixelRatio);
// The file beside path that holds the same picture drawn at twice its size: "Aries.jpg" gives "Aries@2x.jpg".
QString twiceSizePath(const QString& path);

} // namespace Style

// The program's icon; on a scaled screen QIcon adds its "@2x" picture.
QIcon applicationIcon();
// A picture box showing the icon, fitted into its rectangle.
QLabel* iconPicture(QWidget* parent, const char* name, const QRect& geometry);

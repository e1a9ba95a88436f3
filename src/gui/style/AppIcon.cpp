#include "gui/style/AppIcon.h"

#include "gui/style/Style.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>

namespace {

const QString IconPath = QStringLiteral(":/assets/astravida.png");

// Read as PNG outright: a reader left to guess the format loads every image format plugin to ask each one.
QPixmap pngPicture(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    icon.addPixmap(pngPicture(IconPath));
    // What QIcon adds by itself when given the file name on a scaled screen.
    if (qApp->devicePixelRatio() > 1)
        icon.addPixmap(pngPicture(Style::twiceSizePath(IconPath)));
    return icon;
}

QLabel* iconPicture(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(QStringLiteral("Astravida"));
    const qreal ratio = picture->devicePixelRatio();
    QPixmap icon = Style::picture(IconPath, ratio);
    if (!icon.isNull()) {
        icon = icon.scaled(geometry.size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        icon.setDevicePixelRatio(ratio);
        picture->setPixmap(icon);
    }
    return picture;
}

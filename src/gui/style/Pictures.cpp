#include "gui/style/Pictures.h"

#include <QLabel>

namespace {

const QString IconPath = QStringLiteral(":/assets/astravida.png");

} // namespace

namespace Style {

QString twiceSizePath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QLatin1String("@2x") + path.mid(dot);
}

QPixmap picture(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return QPixmap(path);
    QPixmap drawn(twiceSizePath(path));
    if (drawn.isNull())
        return QPixmap(path);
    // Resampled once here rather than by the painter at every paint.
    if (!qFuzzyCompare(devicePixelRatio, 2.0))
        drawn = drawn.scaled(
            (QSizeF(drawn.size()) * devicePixelRatio / 2).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    drawn.setDevicePixelRatio(devicePixelRatio);
    return drawn;
}

} // namespace Style

QIcon applicationIcon()
{
    return QIcon(IconPath);
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

#include "gui/style/AppIcon.h"

#include "gui/style/Style.h"

#include <QLabel>

namespace {

const QString IconPath = QStringLiteral(":/assets/astravida.png");

} // namespace

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
    const qreal ratio = picture->devicePixelRatio();
    QPixmap icon = Style::picture(IconPath, ratio);
    if (!icon.isNull()) {
        icon = icon.scaled(geometry.size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        icon.setDevicePixelRatio(ratio);
        picture->setPixmap(icon);
    }
    return picture;
}

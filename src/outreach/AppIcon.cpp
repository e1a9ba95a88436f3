#include "outreach/AppIcon.h"

#include <QLabel>
#include <QPixmap>

namespace {

const QString IconPath = QStringLiteral(":/assets/astravida.png");

} // namespace

QIcon applicationIcon()
{
    const QPixmap picture(IconPath);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

QLabel* iconPicture(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap icon(IconPath);
    if (!icon.isNull())
        picture->setPixmap(icon.scaled(geometry.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return picture;
}

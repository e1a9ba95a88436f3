#include "Shapes.h"

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <QtMath>

QPointF polar(double length, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return {length * std::cos(radians), -length * std::sin(radians)};
}

double direction(QPointF from, QPointF to)
{
    return qRadiansToDegrees(std::atan2(from.y() - to.y(), to.x() - from.x()));
}

QPainterPath capsule(QPointF from, double fromRadius, QPointF to, double toRadius)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length <= std::abs(fromRadius - toRadius) + 0.01)
        return disc(from, fromRadius).united(disc(to, toRadius));
    // One outline: the far arc of the first disc, the tangent, the near arc of the second disc, the other tangent.
    const double heading = direction(from, to);
    const double side = 90.0 + qRadiansToDegrees(std::asin((fromRadius - toRadius) / length));
    QPainterPath path(from + polar(fromRadius, heading + side));
    path.arcTo(QRectF(from - QPointF(fromRadius, fromRadius), QSizeF(2 * fromRadius, 2 * fromRadius)), heading + side,
        360 - 2 * side);
    path.lineTo(to + polar(toRadius, heading - side));
    path.arcTo(QRectF(to - QPointF(toRadius, toRadius), QSizeF(2 * toRadius, 2 * toRadius)), heading - side, 2 * side);
    path.closeSubpath();
    return path;
}

QPainterPath disc(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QString fileAtScale(const QString& fileName, int scale)
{
    if (scale == 1)
        return fileName;
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return fileName.left(dot) + QStringLiteral("@%1x").arg(scale) + fileName.mid(dot);
}

bool saveImage(const QImage& image, const QDir& assets, const QString& relativePath, QStringList& written)
{
    const QString path = assets.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        QTextStream(stderr) << "cannot create the folder of " << path << '\n';
        return false;
    }
    const bool jpeg = relativePath.endsWith(QLatin1String(".jpg"));
    if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    written << relativePath;
    return true;
}

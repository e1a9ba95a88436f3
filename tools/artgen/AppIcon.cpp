#include "Art.h"
#include "Shapes.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

constexpr int DesignSize = 256;
const QString AppId = QStringLiteral("io.github.astravida.Astravida");

// A seated lotus figure inside a zodiac ring; below 32 pixels the fine ring detail would only blur.
void paintEmblem(QPainter& painter, bool detailed)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(DesignSize / 2.0, DesignSize / 2.0);
    const QColor gold(0xf6, 0xc8, 0x3c);

    QRadialGradient ground(centre - QPointF(20, 30), 150);
    ground.setColorAt(0, QColor(0xb8, 0x5a, 0x10));
    ground.setColorAt(1, QColor(0x6e, 0x2c, 0x02));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(centre, 124, 124);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, detailed ? 7 : 14));
    painter.drawEllipse(centre, detailed ? 117 : 113, detailed ? 117 : 113);
    if (detailed) {
        painter.setPen(QPen(gold, 3));
        painter.drawEllipse(centre, 93, 93);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
        for (int i = 0; i < 12; ++i) {
            const double angle = i * 30 + 15;
            QPolygonF diamond;
            const QPointF at = centre + polar(105, angle);
            diamond << at + polar(7, angle) << at + polar(4, angle + 90) << at - polar(7, angle)
                    << at - polar(4, angle + 90);
            painter.drawPolygon(diamond);
        }
    }

    QRadialGradient glow(centre + QPointF(0, 6), 80);
    glow.setColorAt(0, QColor(0xff, 0xe0, 0x80, 110));
    glow.setColorAt(1, QColor(0xff, 0xe0, 0x80, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 90, 90);

    const double figure = detailed ? 128 : 150;
    paintLotusSilhouette(painter, QRectF(centre.x() - figure / 2, centre.y() - figure / 2 + 4, figure, figure),
        QColor(0xff, 0xdc, 0x4a));
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(double(size) / DesignSize, double(size) / DesignSize);
    paintEmblem(painter, size >= 32);
    return image;
}

bool writeFile(const QDir& assets, const QString& relativePath, const QByteArray& bytes, QStringList& written)
{
    const QString path = assets.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    written << relativePath;
    return true;
}

} // namespace

bool writeAppIcon(const QDir& assets, QStringList& written)
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(DesignSize, DesignSize));
    generator.setViewBox(QRect(0, 0, DesignSize, DesignSize));
    generator.setTitle(QStringLiteral("Astravida"));
    generator.setDescription(QStringLiteral("A seated lotus figure inside a zodiac ring"));
    {
        QPainter painter(&generator);
        paintEmblem(painter, true);
    }
    // The generator sizes the picture in millimetres; icon themes expect plain pixels.
    QString text = QString::fromUtf8(svg.data());
    text.replace(QRegularExpression(QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\"")),
        QStringLiteral("<svg width=\"%1\" height=\"%1\"").arg(DesignSize));
    const QByteArray bytes = text.toUtf8();
    bool ok = writeFile(assets, QStringLiteral("astravida.svg"), bytes, written);
    ok = writeFile(assets, QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(AppId), bytes, written) && ok;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
        ok = saveImage(drawIcon(size), assets, path, written) && ok;
    }
    for (int scale : PictureScales)
        ok = saveImage(drawIcon(64 * scale), assets, fileAtScale(QStringLiteral("astravida.png"), scale), written)
            && ok;
    return ok;
}

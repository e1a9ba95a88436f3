#include "Art.h"
#include "Shapes.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace {

enum class Element { Fire, Earth, Air, Water };

struct Palette
{
    QColor centre; // medallion, lit middle
    QColor rim; // medallion, shaded edge
    QColor ring; // rings and the sign's name
    QColor glyph;
    QColor shadow;
};

Palette palette(Element element)
{
    switch (element) {
    case Element::Fire:
        return {QColor(0xf7, 0xa8, 0x38), QColor(0xb3, 0x2a, 0x12), QColor(0xff, 0xd6, 0x6b), QColor(0xff, 0xf6, 0xdc),
            QColor(0x6e, 0x14, 0x04)};
    case Element::Earth:
        return {QColor(0xb4, 0xc0, 0x6c), QColor(0x45, 0x62, 0x26), QColor(0xe8, 0xd2, 0x8e), QColor(0xfd, 0xf8, 0xe6),
            QColor(0x26, 0x36, 0x10)};
    case Element::Air:
        return {QColor(0xa9, 0xcf, 0xf0), QColor(0x47, 0x70, 0xb0), QColor(0xe4, 0xee, 0xfb), QColor(0xff, 0xff, 0xff),
            QColor(0x22, 0x3a, 0x6a)};
    case Element::Water:
        return {QColor(0x4c, 0xb8, 0xc2), QColor(0x16, 0x44, 0x72), QColor(0xa6, 0xe6, 0xec), QColor(0xf0, 0xfc, 0xff),
            QColor(0x0a, 0x22, 0x3e)};
    }
    return {};
}

// Glyphs are drawn as strokes in a 100-unit square, so no font needs the zodiac characters.
QPainterPath aries()
{
    QPainterPath p;
    p.moveTo(50, 88);
    p.lineTo(50, 42);
    p.cubicTo(50, 22, 42, 12, 31, 12);
    p.cubicTo(20, 12, 13, 21, 13, 31);
    p.cubicTo(13, 39, 18, 45, 25, 45);
    p.moveTo(50, 42);
    p.cubicTo(50, 22, 58, 12, 69, 12);
    p.cubicTo(80, 12, 87, 21, 87, 31);
    p.cubicTo(87, 39, 82, 45, 75, 45);
    return p;
}

QPainterPath taurus()
{
    QPainterPath p;
    p.addEllipse(QPointF(50, 64), 23, 23);
    p.moveTo(12, 14);
    p.cubicTo(18, 32, 32, 41, 50, 41);
    p.cubicTo(68, 41, 82, 32, 88, 14);
    return p;
}

QPainterPath gemini()
{
    QPainterPath p;
    p.moveTo(16, 14);
    p.quadTo(50, 30, 84, 14);
    p.moveTo(16, 86);
    p.quadTo(50, 70, 84, 86);
    p.moveTo(36, 21);
    p.lineTo(36, 79);
    p.moveTo(64, 21);
    p.lineTo(64, 79);
    return p;
}

QPainterPath cancer()
{
    QPainterPath p;
    p.addEllipse(QPointF(29, 38), 12, 12);
    p.moveTo(29, 26);
    p.cubicTo(50, 14, 76, 16, 89, 34);
    p.addEllipse(QPointF(71, 62), 12, 12);
    p.moveTo(71, 74);
    p.cubicTo(50, 86, 24, 84, 11, 66);
    return p;
}

QPainterPath leo()
{
    QPainterPath p;
    p.addEllipse(QPointF(28, 62), 13, 13);
    p.moveTo(41, 60);
    p.cubicTo(34, 38, 40, 14, 60, 14);
    p.cubicTo(78, 14, 84, 30, 78, 46);
    p.cubicTo(72, 60, 62, 70, 66, 80);
    p.cubicTo(70, 90, 82, 90, 88, 80);
    return p;
}

QPainterPath virgo()
{
    QPainterPath p;
    p.moveTo(10, 24);
    p.cubicTo(16, 22, 20, 26, 20, 34);
    p.lineTo(20, 82);
    p.moveTo(20, 38);
    p.cubicTo(20, 24, 38, 22, 38, 36);
    p.lineTo(38, 82);
    p.moveTo(38, 38);
    p.cubicTo(38, 24, 56, 22, 56, 36);
    p.lineTo(56, 82);
    p.moveTo(56, 60);
    p.cubicTo(64, 44, 86, 42, 86, 57);
    p.cubicTo(86, 72, 70, 84, 50, 92);
    return p;
}

QPainterPath libra()
{
    QPainterPath p;
    p.moveTo(10, 80);
    p.lineTo(90, 80);
    p.moveTo(10, 64);
    p.lineTo(34, 64);
    p.cubicTo(24, 56, 24, 30, 50, 30);
    p.cubicTo(76, 30, 76, 56, 66, 64);
    p.lineTo(90, 64);
    return p;
}

QPainterPath scorpio()
{
    QPainterPath p;
    p.moveTo(8, 24);
    p.cubicTo(14, 22, 18, 26, 18, 34);
    p.lineTo(18, 80);
    p.moveTo(18, 38);
    p.cubicTo(18, 24, 36, 22, 36, 36);
    p.lineTo(36, 80);
    p.moveTo(36, 38);
    p.cubicTo(36, 24, 54, 22, 54, 36);
    p.lineTo(54, 72);
    p.cubicTo(54, 82, 60, 86, 70, 82);
    p.lineTo(88, 70);
    p.moveTo(76, 68);
    p.lineTo(89, 69);
    p.lineTo(86, 82);
    return p;
}

QPainterPath sagittarius()
{
    QPainterPath p;
    p.moveTo(16, 84);
    p.lineTo(84, 16);
    p.moveTo(52, 16);
    p.lineTo(84, 16);
    p.lineTo(84, 48);
    p.moveTo(28, 46);
    p.lineTo(54, 72);
    return p;
}

QPainterPath capricorn()
{
    QPainterPath p;
    p.moveTo(10, 22);
    p.cubicTo(18, 20, 22, 28, 24, 38);
    p.lineTo(33, 80);
    p.lineTo(46, 32);
    p.cubicTo(50, 18, 64, 18, 64, 34);
    p.lineTo(64, 62);
    p.cubicTo(64, 76, 82, 80, 86, 66);
    p.cubicTo(90, 52, 72, 48, 66, 60);
    p.cubicTo(60, 72, 56, 86, 42, 90);
    return p;
}

QPainterPath aquarius()
{
    QPainterPath p;
    for (double y : {40.0, 66.0}) {
        p.moveTo(10, y);
        p.lineTo(26, y - 12);
        p.lineTo(42, y);
        p.lineTo(58, y - 12);
        p.lineTo(74, y);
        p.lineTo(90, y - 12);
    }
    return p;
}

QPainterPath pisces()
{
    QPainterPath p;
    p.moveTo(22, 12);
    p.cubicTo(44, 32, 44, 68, 22, 88);
    p.moveTo(78, 12);
    p.cubicTo(56, 32, 56, 68, 78, 88);
    p.moveTo(24, 50);
    p.lineTo(76, 50);
    return p;
}

struct Sign
{
    const char* name;
    Element element;
    QPainterPath (*glyph)();
};

// Zodiac order; the name is both the caption and the file name.
const std::array<Sign, 12> Signs = {{
    {"Aries", Element::Fire, aries},
    {"Taurus", Element::Earth, taurus},
    {"Gemini", Element::Air, gemini},
    {"Cancer", Element::Water, cancer},
    {"Leo", Element::Fire, leo},
    {"Virgo", Element::Earth, virgo},
    {"Libra", Element::Air, libra},
    {"Scorpio", Element::Water, scorpio},
    {"Sagittarius", Element::Fire, sagittarius},
    {"Capricorn", Element::Earth, capricorn},
    {"Aquarius", Element::Air, aquarius},
    {"Pisces", Element::Water, pisces},
}};

constexpr int PictureSize = 200;
const QColor Ground(130, 57, 4); // the reading window's background, so the picture's edge disappears into it

QImage drawSign(const Sign& sign, int scale)
{
    const Palette colours = palette(sign.element);
    QImage image(PictureSize * scale, PictureSize * scale, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(100, 86);
    const double radius = 70;
    QRadialGradient medallion(centre - QPointF(18, 22), radius * 1.25);
    medallion.setColorAt(0, colours.centre);
    medallion.setColorAt(1, colours.rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(centre + QPointF(2, 3), radius + 4, radius + 4);
    painter.setBrush(medallion);
    painter.drawEllipse(centre, radius, radius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.ring, 3));
    painter.drawEllipse(centre, radius + 1, radius + 1);
    painter.setPen(QPen(colours.ring, 1));
    painter.drawEllipse(centre, radius - 6, radius - 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ring);
    for (int i = 0; i < 12; ++i)
        painter.drawEllipse(centre + polar(radius - 3, i * 30 + 15), 1.3, 1.3);

    const double glyphSize = 82;
    QTransform place;
    place.translate(centre.x() - glyphSize / 2, centre.y() - glyphSize / 2);
    place.scale(glyphSize / 100, glyphSize / 100);
    const QPainterPath glyph = place.map(sign.glyph());
    painter.setBrush(Qt::NoBrush);
    QPen pen(colours.shadow, 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.translate(1.5, 2);
    painter.drawPath(glyph);
    painter.translate(-1.5, -2);
    pen.setColor(colours.glyph);
    pen.setWidthF(7);
    painter.setPen(pen);
    painter.drawPath(glyph);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(font);
    const QRectF caption(0, 161, PictureSize, 34);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(caption.translated(1, 1.5), Qt::AlignCenter, QString::fromLatin1(sign.name));
    painter.setPen(colours.ring);
    painter.drawText(caption, Qt::AlignCenter, QString::fromLatin1(sign.name));
    return image;
}

} // namespace

bool writeSignPictures(const QDir& assets, QStringList& written)
{
    bool ok = true;
    for (const Sign& sign : Signs) {
        const QString fileName = QString::fromLatin1(sign.name) + QLatin1String(".jpg");
        for (int scale : PictureScales)
            ok = saveImage(drawSign(sign, scale), assets, fileAtScale(fileName, scale), written) && ok;
    }
    return ok;
}

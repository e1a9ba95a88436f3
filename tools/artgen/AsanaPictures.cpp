#include "Art.h"
#include "Shapes.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <optional>

namespace {

// Bone lengths and joint radii of the figure, in the units of the pose table (a 250-unit square, floor at 200).
constexpr double LowerSpine = 28, UpperSpine = 24, ShoulderDrop = 5, NeckLength = 15;
constexpr double UpperArm = 29, Forearm = 25, HandLength = 8;
constexpr double Thigh = 42, Shin = 41, FootLength = 13;
constexpr double PelvisRadius = 11.5, ChestRadius = 12.5, NeckRadius = 4.6, HeadRadius = 10.5;
constexpr double ShoulderRadius = 5.5, ElbowRadius = 4.5, WristRadius = 3.8, FingertipRadius = 3.2;
constexpr double HipRadius = 9.5, KneeRadius = 6.5, AnkleRadius = 4.6, ToeRadius = 3.2;

// Drawing order: each layer is filled and outlined as one shape, so limbs part from the body only between layers.
enum Layer { Behind, Body, Front, Over, Top, LayerCount };

enum class View { Side, Front };
enum class Face { Profile, Calm, Lion };
enum class Hands { Plain, Spread };

struct Limb
{
    QPointF end; // wrist or ankle; beyond reach the limb stretches straight towards it
    int bend; // +1 puts the elbow or knee anticlockwise of the line from root to end, -1 clockwise
    double tip; // direction of the hand or foot
    Layer upper;
    Layer lower;
    std::optional<QPointF> middle = std::nullopt; // a foreshortened elbow or knee placed by hand
};

struct Pose
{
    const char* fileName;
    const char* caption;
    View view;
    QPointF hip;
    double lowerSpine; // hip to chest
    double upperSpine; // chest to the base of the neck
    double neck; // base of the neck to the centre of the head
    double gaze; // where the face looks, in the side view
    Face face;
    Hands hands;
    std::array<Limb, 2> arms; // side view: far, near; front view: left and right of the picture
    std::array<Limb, 2> legs;
};

Limb behind(QPointF end, int bend, double tip, std::optional<QPointF> middle = std::nullopt)
{
    return {end, bend, tip, Behind, Behind, middle};
}

Limb front(QPointF end, int bend, double tip, std::optional<QPointF> middle = std::nullopt)
{
    return {end, bend, tip, Front, Front, middle};
}

constexpr int PadmasanaIndex = 4; // catalogue number 5

// Catalogue order; the file names are the keys the reading window's picture list uses.
const std::array<Pose, 14>& poses()
{
    static const std::array<Pose, 14> table = {{
        {"19 Sarvangasana.jpg", "Sarvangasana", View::Side, {125, 140}, -90, -90, -5, 100, Face::Profile, Hands::Plain,
            {behind({118, 175}, +1, 90), front({118, 175}, +1, 90)},
            {behind({125, 40}, +1, 90), front({125, 40}, +1, 90)}},
        {"10 Makarasana.jpg", "Makarasana", View::Side, {95, 189}, 0, 12, 44, -70, Face::Profile, Hands::Plain,
            {behind({148, 196}, +1, 180, QPointF(171, 196)), front({147, 187}, +1, 180, QPointF(169, 189))},
            {behind({5, 193}, -1, 190), front({5, 195}, -1, 190)}},
        {"21 Shavasana.jpg", "Savasana", View::Side, {95, 188}, 1, -1, 0, 90, Face::Profile, Hands::Plain,
            {behind({80, 194}, +1, 180), front({80, 195}, +1, 180)},
            {behind({5, 193}, -1, 75), front({5, 195}, -1, 65)}},
        {"08 Halasana.jpg", "Halasana", View::Side, {112, 142}, -80, -85, -5, 120, Face::Profile, Hands::Plain,
            {behind({40, 196}, -1, 180), front({40, 196}, -1, 180)},
            {behind({185, 190}, +1, -70), front({185, 190}, +1, -70)}},
        {"15 Padmasana.jpg", "Padmasana", View::Front, {125, 180}, 90, 90, 90, 0, Face::Calm, Hands::Plain,
            {Limb {{88, 180}, -1, -100, Body, Top}, Limb {{162, 180}, +1, -80, Body, Top}},
            {Limb {{134, 172}, +1, 15, Front, Over, QPointF(84, 192)},
                Limb {{116, 170}, -1, 165, Front, Top, QPointF(166, 192)}}},
        {"05 Dhanurasana.jpg", "Dhanurasana", View::Side, {100, 186}, 18, 60, 65, 35, Face::Profile, Hands::Plain,
            {behind({90, 133}, +1, 150), front({90, 133}, +1, 150)},
            {behind({84.5, 129.5}, +1, 100, QPointF(64, 165)), front({84.5, 129.5}, +1, 100, QPointF(64, 165))}},
        {"04 Bhujangasana.jpg", "Bhujangasana", View::Side, {100, 188}, 28, 72, 80, 25, Face::Profile, Hands::Plain,
            {behind({118, 196}, -1, 0), front({118, 196}, -1, 0)},
            {behind({5, 194}, +1, 185), front({5, 194}, +1, 185)}},
        {"17 Paschimottanasana.jpg", "Paschimottasana", View::Side, {80, 188}, 15, 5, 0, -70, Face::Profile,
            Hands::Plain, {behind({172, 178}, -1, -40), front({172, 178}, -1, -40)},
            {behind({175, 192}, +1, 85), front({175, 194}, +1, 85)}},
        {"32 Yoga Mudra.jpg", "Yoga Mudra", View::Side, {88, 188}, 25, -30, -5, -95, Face::Profile, Hands::Plain,
            {behind({90, 176}, -1, 190), Limb {{90, 176}, -1, 190, Over, Over}},
            {behind({104, 186}, +1, 150, QPointF(126, 196)), front({102, 182}, +1, 150, QPointF(128, 194))}},
        {"14 Noukasana.jpg", "Naukasana", View::Side, {118, 185}, 125, 120, 115, 20, Face::Profile, Hands::Plain,
            {behind({160, 144}, +1, 0), front({160, 144}, +1, 0)},
            {behind({190, 125}, +1, 40), front({190, 125}, +1, 40)}},
        {"13 Mayurasana.jpg", "Mayurasana", View::Side, {88, 160}, 0, 0, 3, -5, Face::Profile, Hands::Plain,
            {behind({106, 196}, -1, 180, QPointF(108, 172)), front({110, 196}, -1, 180, QPointF(112, 172))},
            {behind({0, 155}, +1, 180), front({0, 157}, +1, 180)}},
        {"29 Vajrasana.jpg", "Vajrasana", View::Side, {112, 179}, 90, 90, 90, 0, Face::Profile, Hands::Plain,
            {behind({138, 176}, -1, -10), front({140, 179}, -1, -10)},
            {behind({108, 195}, -1, 180, QPointF(148, 193)), front({110, 196}, -1, 180, QPointF(150, 194))}},
        {"23 Simhasana.jpg", "Simhasana", View::Front, {125, 170}, 90, 90, 90, 0, Face::Lion, Hands::Spread,
            {Limb {{88, 182}, -1, -95, Body, Top}, Limb {{162, 182}, +1, -85, Body, Top}},
            {Limb {{90, 190}, +1, 36, Front, Behind, QPointF(86, 192)},
                Limb {{160, 190}, -1, 144, Front, Behind, QPointF(164, 192)}}},
        {"06 Garudasana.jpg", "Garudasana", View::Front, {125, 118}, 90, 90, 90, 0, Face::Calm, Hands::Plain,
            {Limb {{122, 74}, +1, 90, Over, Over, QPointF(127, 96)},
                Limb {{128, 74}, -1, 90, Top, Top, QPointF(123, 90)}},
            {Limb {{122, 177}, +1, -10, Over, Behind, QPointF(140, 148)},
                Limb {{132, 194}, +1, -20, Front, Front, QPointF(136, 156)}}},
    }};
    return table;
}

// Places the elbow or knee so both bones keep their lengths; out of reach the limb lies straight.
QPointF middleJoint(QPointF root, QPointF& end, double upper, double lower, int bend)
{
    const QPointF along = end - root;
    const double reach = std::hypot(along.x(), along.y());
    const double heading = direction(root, end);
    if (reach >= upper + lower - 0.01) {
        end = root + polar(upper + lower, heading);
        return root + polar(upper, heading);
    }
    const double shortest = std::abs(upper - lower) + 0.01;
    const double distance = std::max(reach, shortest);
    const double cosine = (upper * upper + distance * distance - lower * lower) / (2 * upper * distance);
    const double opening = qRadiansToDegrees(std::acos(qBound(-1.0, cosine, 1.0)));
    return root + polar(upper, heading + bend * opening);
}

struct Figure
{
    std::array<QList<QPainterPath>, LayerCount> layers;
    QPointF head;
    double neck = 90;
};

void addLimb(Figure& figure, const Limb& limb, QPointF root, double rootRadius, double upper, double middleRadius,
    double lower, double endRadius)
{
    QPointF end = limb.end;
    const QPointF middle = limb.middle ? *limb.middle : middleJoint(root, end, upper, lower, limb.bend);
    figure.layers[limb.upper] << capsule(root, rootRadius, middle, middleRadius);
    figure.layers[limb.lower] << capsule(middle, middleRadius, end, endRadius);
}

void addHand(Figure& figure, const Limb& arm, QPointF wrist, Hands hands)
{
    QList<QPainterPath>& layer = figure.layers[arm.lower];
    if (hands == Hands::Plain) {
        layer << capsule(wrist, WristRadius, wrist + polar(HandLength, arm.tip), FingertipRadius);
        return;
    }
    const QPointF palm = wrist + polar(3.5, arm.tip);
    layer << disc(palm, 4.4);
    for (double spread : {-52.0, -24.0, 0.0, 24.0, 52.0})
        layer << capsule(palm, 1.7, palm + polar(spread == 0.0 ? 9.5 : 8.5, arm.tip + spread), 1.5);
}

QPointF reachedEnd(const Limb& limb, QPointF root, double upper, double lower)
{
    QPointF end = limb.end;
    if (!limb.middle)
        middleJoint(root, end, upper, lower, limb.bend);
    return end;
}

Figure buildFigure(const Pose& pose)
{
    Figure figure;
    const QPointF hip = pose.hip;
    const QPointF chest = hip + polar(LowerSpine, pose.lowerSpine);
    const QPointF neckBase = chest + polar(UpperSpine, pose.upperSpine);
    const QPointF shoulder = neckBase - polar(ShoulderDrop, pose.upperSpine);
    figure.head = neckBase + polar(NeckLength, pose.neck);
    figure.neck = pose.neck;

    QList<QPainterPath>& body = figure.layers[Body];
    std::array<QPointF, 2> shoulders = {shoulder, shoulder};
    std::array<QPointF, 2> hips = {hip, hip};
    if (pose.view == View::Side) {
        body << capsule(hip, PelvisRadius, chest, ChestRadius) << capsule(chest, ChestRadius, neckBase, 7.5)
             << disc(shoulder, ShoulderRadius + 2.5);
    } else {
        const QPointF side = polar(1, pose.lowerSpine - 90);
        shoulders = {shoulder - 17 * side, shoulder + 17 * side};
        hips = {hip - 9 * side, hip + 9 * side};
        QPolygonF trunk;
        trunk << hip - 15 * side << chest - 13 * side << shoulder - 18 * side << neckBase - 6 * side
              << neckBase + 6 * side << shoulder + 18 * side << chest + 13 * side << hip + 15 * side;
        QPainterPath outline;
        outline.addPolygon(trunk);
        outline.closeSubpath();
        body << outline << capsule(hips[0] - polar(2, pose.lowerSpine), 10, hips[1] - polar(2, pose.lowerSpine), 10)
             << disc(shoulders[0], 7) << disc(shoulders[1], 7);
    }
    body << capsule(neckBase, NeckRadius + 0.6, figure.head, NeckRadius) << disc(figure.head, HeadRadius);

    for (int i = 0; i < 2; ++i) {
        const Limb& arm = pose.arms[i];
        addLimb(figure, arm, shoulders[i], ShoulderRadius, UpperArm, ElbowRadius, Forearm, WristRadius);
        addHand(figure, arm, reachedEnd(arm, shoulders[i], UpperArm, Forearm), pose.hands);
        const Limb& leg = pose.legs[i];
        addLimb(figure, leg, hips[i], HipRadius, Thigh, KneeRadius, Shin, AnkleRadius);
        const QPointF ankle = reachedEnd(leg, hips[i], Thigh, Shin);
        figure.layers[leg.lower] << capsule(ankle, AnkleRadius, ankle + polar(FootLength, leg.tip), ToeRadius);
    }
    return figure;
}

const QColor Skin(0xf2, 0xa8, 0x68);
const QColor FarSkin(0xd8, 0x8c, 0x50);
const QColor Line(0x6e, 0x32, 0x0c);
const QColor Hair(0x4a, 0x22, 0x08);
const QColor Brown(130, 57, 4);
constexpr double OutlinePixels = 1.7;

// Hair over the back and crown of the head, with a small bun; the side view also gets an eye.
void paintHair(QPainter& painter, const Figure& figure, const Pose& pose)
{
    const QPointF centre = figure.head;
    const double up = figure.neck;
    QPainterPath hair = disc(centre, HeadRadius);
    double bun = up;
    if (pose.view == View::Side) {
        const QPointF face = centre + polar(0.42 * HeadRadius, pose.gaze) + polar(0.22 * HeadRadius, up + 180);
        hair = hair.subtracted(disc(face, 0.9 * HeadRadius));
        bun = direction({0, 0}, polar(1, pose.gaze + 180) + polar(0.8, up));
    } else {
        hair = hair.subtracted(disc(centre + polar(0.3 * HeadRadius, up + 180), 0.92 * HeadRadius));
    }
    hair = hair.united(disc(centre + polar(HeadRadius + 1.2, bun), 4.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Hair);
    painter.drawPath(hair);
    if (pose.view == View::Side)
        painter.drawEllipse(centre + polar(0.55 * HeadRadius, pose.gaze) + polar(0.2 * HeadRadius, up), 1.1, 1.1);
}

void paintFace(QPainter& painter, const Figure& figure, Face face, double pixelScale)
{
    const QPointF c = figure.head;
    const QPen pen(Line, 1.4 / pixelScale, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, HeadRadius, HeadRadius);
    if (face == Face::Calm) {
        for (double x : {-4.0, 4.0})
            painter.drawArc(QRectF(c.x() + x - 2.2, c.y() - 1.5, 4.4, 3.0), 200 * 16, 140 * 16);
        painter.drawArc(QRectF(c.x() - 2.5, c.y() + 2.5, 5.0, 3.2), 200 * 16, 140 * 16);
        return;
    }
    if (face != Face::Lion)
        return;
    // Eyes wide and turned up, mouth stretched open, tongue out over the chin.
    for (double x : {-4.2, 4.2}) {
        painter.setPen(pen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(c.x() + x, c.y() - 2.6), 2.4, 2.1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Line);
        painter.drawEllipse(QPointF(c.x() + x, c.y() - 3.5), 1.0, 1.0);
    }
    painter.setPen(pen);
    painter.setBrush(QColor(0x5a, 0x12, 0x10));
    painter.drawEllipse(QPointF(c.x(), c.y() + 4.0), 4.4, 3.6);
    painter.setBrush(QColor(0xe8, 0x5a, 0x6a));
    painter.drawPath(capsule({c.x(), c.y() + 5.6}, 2.5, {c.x(), c.y() + 10.6}, 2.3));
}

// Outlines first, fills over them: each layer reads as one shape without joining the paths. The fill covers the
// inner half of the outline pen, hence its double width.
void paintFigure(QPainter& painter, const Figure& figure, const Pose& pose, double pixelScale)
{
    QPen outline(Line, 2 * OutlinePixels / pixelScale);
    outline.setJoinStyle(Qt::RoundJoin);
    for (int layer = 0; layer < LayerCount; ++layer) {
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        for (const QPainterPath& shape : figure.layers[layer])
            painter.drawPath(shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(layer == Behind ? FarSkin : Skin);
        for (const QPainterPath& shape : figure.layers[layer])
            painter.drawPath(shape);
        if (layer == Body) {
            paintHair(painter, figure, pose);
            paintFace(painter, figure, pose.face, pixelScale);
        }
    }
}

QRectF bounds(const Figure& figure)
{
    QRectF box;
    for (const QList<QPainterPath>& layer : figure.layers)
        for (const QPainterPath& shape : layer)
            box = box.united(shape.boundingRect());
    return box;
}

constexpr int PictureSize = 250;
constexpr double Floor = 206;

QImage drawPose(const Pose& pose, int pictureScale)
{
    QImage image(PictureSize * pictureScale, PictureSize * pictureScale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(pictureScale, pictureScale);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient light(QPointF(125, 105), 170);
    light.setColorAt(0, QColor(0xff, 0xfa, 0xee));
    light.setColorAt(1, QColor(0xf0, 0xe0, 0xc2));
    painter.fillRect(QRect(0, 0, PictureSize, PictureSize), light);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xb9, 0x7a, 0x45));
    painter.drawRoundedRect(QRectF(12, Floor, PictureSize - 24, 7), 3, 3);
    painter.setBrush(QColor(0xd6, 0x9f, 0x6a));
    painter.drawRoundedRect(QRectF(12, Floor, PictureSize - 24, 2.5), 1.2, 1.2);

    // Every figure stands on the mat, centred, as large as fits without outgrowing the others.
    const Figure figure = buildFigure(pose);
    const QRectF solid = bounds(figure);
    const QRectF box = solid.adjusted(-6, -6, 6, 0);
    const double scale = std::min({1.75, 218.0 / box.width(), (Floor - 10.0) / box.height()});
    painter.save();
    painter.translate(PictureSize / 2.0, Floor + 0.5);
    painter.scale(scale, scale);
    painter.translate(-box.center().x(), -solid.bottom());
    paintFigure(painter, figure, pose, scale);
    painter.restore();

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Brown);
    painter.drawText(QRectF(0, Floor + 9, PictureSize, PictureSize - Floor - 11), Qt::AlignCenter,
        QString::fromLatin1(pose.caption));
    return image;
}

} // namespace

bool writeAsanaPictures(const QDir& assets, QStringList& written)
{
    bool ok = true;
    for (const Pose& pose : poses()) {
        const QString fileName = QString::fromLatin1(pose.fileName);
        for (int scale : PictureScales)
            ok = saveImage(drawPose(pose, scale), assets, fileAtScale(fileName, scale), written) && ok;
    }
    return ok;
}

void paintLotusSilhouette(QPainter& painter, const QRectF& box, const QColor& fill)
{
    const Figure figure = buildFigure(poses()[PadmasanaIndex]);
    const QRectF from = bounds(figure);
    const double scale = std::min(box.width() / from.width(), box.height() / from.height());
    painter.save();
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-from.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    for (const QList<QPainterPath>& layer : figure.layers)
        for (const QPainterPath& shape : layer)
            painter.drawPath(shape);
    painter.drawPath(disc(figure.head + polar(HeadRadius + 1.2, figure.neck), 4.2));
    painter.restore();
}

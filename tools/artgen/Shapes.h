#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>

class QDir;
class QImage;

// Directions in degrees as on a compass drawn on screen: 0 points right, 90 points up.
QPointF polar(double length, double degrees);
double direction(QPointF from, QPointF to);

// A limb-like shape: two discs of different radii and the band joining them.
QPainterPath capsule(QPointF from, double fromRadius, QPointF to, double toRadius);
QPainterPath disc(QPointF centre, double radius);

// Every picture is drawn at its size and again at twice it, for screens scaled above 100 %.
inline constexpr int PictureScales[] = {1, 2};
// "Aries.jpg" at scale 2 is "Aries@2x.jpg", the name Qt gives a picture drawn for twice the pixel density.
QString fileAtScale(const QString& fileName, int scale);

bool saveImage(const QImage& image, const QDir& assets, const QString& relativePath, QStringList& written);

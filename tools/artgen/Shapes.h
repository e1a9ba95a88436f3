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

bool saveImage(const QImage& image, const QDir& assets, const QString& relativePath, QStringList& written);

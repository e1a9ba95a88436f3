#pragma once

#include <QColor>
#include <QDir>
#include <QRectF>
#include <QStringList>

class QPainter;

// Each writes its pictures under the assets folder and adds the written paths, relative to it, to the list.
bool writeSignPictures(const QDir& assets, QStringList& written);
bool writeAsanaPictures(const QDir& assets, QStringList& written);
bool writeAppIcon(const QDir& assets, QStringList& written);

// The seated lotus figure of the Padmasana picture, fitted into the box as one silhouette.
void paintLotusSilhouette(QPainter& painter, const QRectF& box, const QColor& fill);

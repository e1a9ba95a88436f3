#pragma once

#include <QFrame>
#include <QPixmap>

// An asana's picture fitted into whatever room it is given, drawn from its twice-size file so it stays sharp, and
// turned about for the left side of a pose whose picture shows the right.
class PosePicture : public QFrame
{
public:
    PosePicture(QWidget* parent, const char* name, QSize minimum);

    // The picture at a resource path, named for a screen reader; an empty path shows nothing.
    void showPicture(const QString& path, const QString& name, bool mirrored = false);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_path;
    QPixmap m_picture;
    bool m_mirrored = false;
    // The picture at the size last drawn, turned about where it must be: scaling smoothly on every paint would cost
    // a full-screen page most of its time.
    QPixmap m_drawn;
};

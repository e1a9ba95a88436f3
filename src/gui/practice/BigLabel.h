#pragma once

#include <QLabel>
#include <QPixmap>

// A one-line label in letters too large for Qt's glyph cache, drawn once each time its text, font, colour or size
// changes and copied on every other paint: glyphs that large are filled as outlines, which on a full screen at scale
// 2 cost a repaint of the page more than all the rest of it.
class BigLabel : public QLabel
{
public:
    BigLabel(QWidget* parent, const char* name, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_drawn;
    QString m_drawnText;
    QFont m_drawnFont;
    QColor m_drawnColour;
};

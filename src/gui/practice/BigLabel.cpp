#include "gui/practice/BigLabel.h"

#include "gui/style/Look.h"

#include <QPainter>
#include <QStyle>

BigLabel::BigLabel(QWidget* parent, const char* name, const QColor& colour)
    : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    // The column's width comes from the window, never from the text: the fonts are fitted to the column.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Style::setForeground(this, colour);
}

void BigLabel::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QColor colour = palette().color(foregroundRole());
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_drawn.size() != pixels || m_drawn.devicePixelRatio() != ratio || m_drawnText != text()
        || m_drawnFont != font() || m_drawnColour != colour) {
        m_drawn = QPixmap(pixels);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter painter(&m_drawn);
        painter.setFont(font());
        style()->drawItemText(
            &painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(), foregroundRole());
        m_drawnText = text();
        m_drawnFont = font();
        m_drawnColour = colour;
    }
    QPainter(this).drawPixmap(0, 0, m_drawn);
}

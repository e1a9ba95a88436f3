#include "gui/practice/PosePicture.h"

#include "gui/style/Pictures.h"

#include <QPainter>
#include <QTransform>

PosePicture::PosePicture(QWidget* parent, const char* name, QSize minimum)
    : QFrame(parent)
{
    setObjectName(QLatin1String(name));
    setMinimumSize(minimum);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PosePicture::showPicture(const QString& path, const QString& name, bool mirrored)
{
    setAccessibleName(name);
    if (path == m_path && mirrored == m_mirrored)
        return;
    // Always from the twice-size file: the picture is drawn larger than its own size on a big screen.
    m_picture = path.isEmpty() ? QPixmap() : Style::picture(path, 2);
    m_picture.setDevicePixelRatio(1);
    m_path = path;
    m_mirrored = mirrored;
    m_drawn = {};
    update();
}

void PosePicture::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    const QRect room = contentsRect();
    QRect target({}, m_picture.size().scaled(room.size(), Qt::KeepAspectRatio));
    target.moveCenter(room.center());
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (m_drawn.size() != pixels) {
        m_drawn = m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (m_mirrored)
            m_drawn = m_drawn.transformed(QTransform::fromScale(-1, 1));
        m_drawn.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_drawn);
}

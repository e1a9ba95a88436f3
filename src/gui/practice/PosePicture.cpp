#include "gui/practice/PosePicture.h"

#include "gui/style/Pictures.h"

#include <QPainter>
#include <QTransform>

namespace {

// The asana pictures carry their name in a band below the mat, from this share of their height down.
constexpr qreal CaptionTop = 215.0 / 250.0;

// The figure turned to face the other way, its name still readable: the light and the mat are symmetric, so the
// unturned band joins the turned picture without a seam.
QPixmap mirroredFigure(const QPixmap& picture)
{
    QPixmap turned = picture.transformed(QTransform::fromScale(-1, 1));
    const int top = qRound(picture.height() * CaptionTop);
    const QRect caption(0, top, picture.width(), picture.height() - top);
    QPainter painter(&turned);
    painter.drawPixmap(caption, picture, caption);
    return turned;
}

} // namespace

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
    if (mirrored && !m_picture.isNull())
        m_picture = mirroredFigure(m_picture);
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
        m_drawn.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_drawn);
}

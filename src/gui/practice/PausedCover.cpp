#include "gui/practice/PausedCover.h"

#include "gui/practice/PracticeLook.h"
#include "gui/style/Look.h"

#include <QEvent>
#include <QPainter>

PausedCover::PausedCover(QWidget* page)
    : QWidget(page)
{
    setObjectName(QStringLiteral("fraPaused"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Paused. Space to resume"));
    page->installEventFilter(this);
    hide();
}

void PausedCover::setReason(const QString& reason)
{
    if (reason == m_reason)
        return;
    m_reason = reason;
    setAccessibleName(QStringLiteral("Paused. ") + (reason.isEmpty() ? QString() : reason + QStringLiteral(". "))
        + QStringLiteral("Space to resume"));
    update();
}

bool PausedCover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void PausedCover::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 150));
    const int h = height();
    QFont big = Style::verdana(8.25, true);
    big.setPixelSize(std::max(h / 6, 12));
    QFont small = Style::verdana(8.25, true);
    small.setPixelSize(std::max(h / 24, 10));
    const QFontMetrics bigMetrics(big);
    const QFontMetrics smallMetrics(small);
    const int lines = m_reason.isEmpty() ? 1 : 2;
    int y = (h - bigMetrics.height() - lines * smallMetrics.height()) / 2;
    painter.setFont(big);
    painter.setPen(PracticeLook::phaseColour(PhaseLook::Paused));
    painter.drawText(QRect(0, y, width(), bigMetrics.height()), Qt::AlignCenter, QStringLiteral("Paused"));
    y += bigMetrics.height();
    painter.setFont(small);
    painter.setPen(Style::lightYellow);
    if (!m_reason.isEmpty()) {
        painter.drawText(QRect(0, y, width(), smallMetrics.height()), Qt::AlignCenter, m_reason);
        y += smallMetrics.height();
    }
    painter.drawText(QRect(0, y, width(), smallMetrics.height()), Qt::AlignCenter, QStringLiteral("Space to resume"));
}

#include "gui/practice/PausedCover.h"

#include "gui/practice/PracticeLook.h"
#include "gui/style/Look.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

using namespace PracticeLook;

PausedCover::PausedCover(QWidget* page)
    : QWidget(page)
    , m_title(valueLabel(this, "lblPaused", phaseColour(PhaseLook::Paused)))
    , m_reason(valueLabel(this, "lblHeldUp", Style::lightYellow))
    , m_howToGoOn(valueLabel(this, "lblSpaceToResume", Style::lightYellow))
{
    setObjectName(QStringLiteral("fraPaused"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->setText(QStringLiteral("Paused"));
    m_howToGoOn->setText(QStringLiteral("Space to resume"));
    m_reason->setWordWrap(true);
    m_reason->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    for (QLabel* label : {m_title, m_reason, m_howToGoOn}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(label);
    }
    layout->addStretch();
    page->installEventFilter(this);
    hide();
}

void PausedCover::setReason(const QString& reason)
{
    if (reason == m_reason->text())
        return;
    m_reason->setText(reason);
    m_reason->setVisible(!reason.isEmpty());
}

bool PausedCover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        growFonts();
    }
    return false;
}

void PausedCover::growFonts()
{
    const int h = height();
    setPixelFont(m_title, h / 6, true);
    setPixelFont(m_reason, h / 24, true);
    setPixelFont(m_howToGoOn, h / 24, true);
}

void PausedCover::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 150));
}

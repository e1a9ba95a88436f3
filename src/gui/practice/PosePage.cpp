#include "gui/practice/PosePage.h"

#include "core/AsanaCatalogue.h"
#include "core/PracticeSession.h"
#include "core/PracticeWords.h"
#include "gui/practice/BigLabel.h"
#include "gui/practice/PausedCover.h"
#include "gui/practice/PosePicture.h"
#include "gui/practice/PracticeLook.h"
#include "gui/practice/SessionStrip.h"
#include "gui/style/Controls.h"
#include "gui/style/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

using namespace PracticeLook;

namespace {

// The widest a countdown reads; its font is fitted so this fills the column at most.
const QString WidestCountdown = QStringLiteral("00:00");

void setColour(QWidget* widget, const QColor& colour)
{
    if (widget->palette().color(QPalette::WindowText) != colour)
        Style::setForeground(widget, colour);
}

} // namespace

PosePage::PosePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraPose"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);

    auto* top = new QHBoxLayout;
    m_poseNumber = valueLabel(this, "lblPoseNumber", Qt::white);
    m_nextPicture = new PosePicture(this, "picNext", {24, 24});
    m_nextPicture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_nextPose = valueLabel(this, "lblNextPose", Qt::white);
    top->addWidget(m_poseNumber);
    top->addStretch();
    top->addWidget(m_nextPicture);
    top->addWidget(m_nextPose);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    m_picture = new PosePicture(this, "picPose", {160, 160});
    m_picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    middle->addWidget(m_picture, 5);
    auto* side = new QVBoxLayout;
    m_poseName = new BigLabel(this, "lblPoseName", Style::cyan);
    m_phase = new BigLabel(this, "lblPhase", Qt::white);
    m_countdown = new BigLabel(this, "lblCountdown", Style::yellow);
    m_procedure = Style::textBox(this, "txtPoseProcedure", {});
    m_procedure->setAccessibleName(QStringLiteral("Procedure"));
    // Left and Right belong to the session, not to a text cursor; the mouse still scrolls it.
    m_procedure->setFocusPolicy(Qt::NoFocus);
    auto* cautionRow = new QHBoxLayout;
    m_caution = valueLabel(this, "lblPoseCaution", Style::lightYellow);
    m_caution->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPushButton* more = button(this, "cmdCaution", QStringLiteral("Cautions..."), {100, 25});
    more->setAccessibleName(QStringLiteral("Read all the cautions"));
    connect(more, &QPushButton::clicked, this, &PosePage::cautionAsked);
    cautionRow->addWidget(m_caution, 1);
    cautionRow->addWidget(more);
    side->addWidget(m_poseName);
    side->addWidget(m_phase);
    side->addWidget(m_countdown);
    side->addWidget(m_procedure, 1);
    side->addLayout(cautionRow);
    middle->addLayout(side, 6);
    layout->addLayout(middle, 1);

    auto* stripRow = new QHBoxLayout;
    m_strip = new SessionStrip(this);
    m_timeLeft = valueLabel(this, "lblTimeLeft", Style::lightYellow);
    stripRow->addWidget(m_strip, 1);
    stripRow->addWidget(m_timeLeft);
    layout->addLayout(stripRow);

    QPushButton* previous = button(this, "cmdPrevious", QStringLiteral("Pre&vious"));
    m_pauseButton = button(this, "cmdPause", QStringLiteral("&Pause"));
    QPushButton* next = button(this, "cmdNext", QStringLiteral("&Next"));
    QPushButton* stop = button(this, "cmdStop", QStringLiteral("&Stop"));
    m_fullScreenButton = button(this, "cmdFullScreen", QStringLiteral("&Full Screen"), {160, 31});
    auto* buttons = buttonRow({previous, m_pauseButton, next, stop});
    buttons->insertWidget(0, m_fullScreenButton);
    layout->addLayout(buttons);
    m_buttons = {previous, m_pauseButton, next, stop, m_fullScreenButton, more};

    const struct
    {
        QPushButton* button;
        Qt::Key key;
        void (PosePage::*asked)();
    } controls[] = {
        {previous, Qt::Key_Left, &PosePage::previousAsked},
        {m_pauseButton, Qt::Key_Space, &PosePage::pauseAsked},
        {next, Qt::Key_Right, &PosePage::nextAsked},
        {stop, Qt::Key_Escape, &PosePage::stopAsked},
        {m_fullScreenButton, Qt::Key_F11, &PosePage::fullScreenAsked},
    };
    for (const auto& control : controls) {
        connect(control.button, &QPushButton::clicked, this, control.asked);
        control.button->setToolTip(QKeySequence(control.key).toString(QKeySequence::NativeText));
        // F11 belongs to the whole window; Esc first leaves full screen, so it asks on its own.
        if (control.key == Qt::Key_F11)
            continue;
        auto* key = new QShortcut(QKeySequence(control.key), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(
            key, &QShortcut::activated, this, control.key == Qt::Key_Escape ? &PosePage::escapeAsked : control.asked);
    }
    m_cover = new PausedCover(this);
}

void PosePage::follow(const PracticeSession& session)
{
    if (session.pose() != m_poseShown || session.side() != m_sideShown)
        showPose(session);
    const PhaseLook look = phaseLook(session);
    const QColor colour = phaseColour(look);
    const QString phase = phaseCaption(session);
    // Set only when they change: a label repaints on every setText.
    if (m_phase->text() != phase)
        m_phase->setText(phase);
    setColour(m_phase, colour);
    setColour(m_countdown, colour);
    const QString remaining = clockText(session.remainingMs());
    if (m_countdown->text() != remaining) {
        m_countdown->setText(remaining);
        m_countdown->setAccessibleName(phase + QLatin1Char(' ') + remaining);
    }
    m_strip->follow(session, colour);
    const QString left = clockText(session.sessionLeftMs()) + QStringLiteral(" left");
    if (m_timeLeft->text() != left) {
        m_timeLeft->setText(left);
        m_strip->setAccessibleDescription(m_poseNumber->text() + QStringLiteral(", ") + left);
    }
    const QString pauseCaption = session.isPaused() ? QStringLiteral("&Resume") : QStringLiteral("&Pause");
    if (m_pauseButton->text() != pauseCaption)
        m_pauseButton->setText(pauseCaption);
    if (m_cover->isVisible() != session.isPaused()) {
        m_cover->setVisible(session.isPaused());
        m_cover->raise();
    }
}

void PosePage::showPose(const PracticeSession& session)
{
    const int pose = session.pose();
    const PracticeStep& step = session.plan()[pose];
    const Asana& shown = asana(step.asana);
    const QString side = sideName(step, session.side());
    m_sideShown = session.side();
    // The pictures show the right side: the left is the same pose turned about.
    m_picture->showPicture(shown.picture,
        side.isEmpty() ? shown.displayName : shown.displayName + QStringLiteral(", ") + side.toLower(),
        side == QLatin1String("Left side"));
    if (pose == m_poseShown)
        return;
    m_poseShown = pose;
    m_poseNumber->setText(QStringLiteral("Pose %1 of %2").arg(session.poseNumber()).arg(session.includedCount()));
    const int next = session.nextPose();
    const QString nextName = next >= 0 ? asana(session.plan()[next].asana).displayName : QString();
    m_nextPicture->setVisible(next >= 0);
    m_nextPicture->showPicture(next >= 0 ? asana(session.plan()[next].asana).picture : QString(), nextName);
    m_nextPose->setText(next >= 0 ? QStringLiteral("Next: ") + nextName : QStringLiteral("Last pose"));
    m_poseName->setText(shown.displayName);
    Style::showText(m_procedure, shown.procedure);
    m_caution->setToolTip(shown.contraIndication);
    m_caution->setAccessibleName(shown.contraIndication);
    fitCaution();
}

void PosePage::setFullScreen(bool fullScreen)
{
    m_fullScreenButton->setText(fullScreen ? QStringLiteral("Leave &Full Screen") : QStringLiteral("&Full Screen"));
}

void PosePage::setPausedReason(const QString& reason)
{
    m_cover->setReason(reason);
}

void PosePage::focusPause()
{
    m_pauseButton->setFocus();
}

void PosePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    growFonts();
    fitCaution();
}

void PosePage::fitCaution()
{
    // One line, cut where the room ends; the button beside it shows the whole text.
    m_caution->setText(
        m_caution->fontMetrics().elidedText(m_caution->toolTip(), Qt::ElideRight, m_caution->contentsRect().width()));
}

void PosePage::growFonts()
{
    // Readable from a mat two metres away: the countdown a quarter of the height and more, as wide as its column
    // lets it be; everything else in proportion.
    const int h = height();
    QFont probe = Style::verdana(8.25, true);
    probe.setPixelSize(100);
    const int column = (width() - 40) * 6 / 11;
    const int countdown = std::min(h * 27 / 100, column * 100 / QFontMetrics(probe).horizontalAdvance(WidestCountdown));
    setPixelFont(m_countdown, countdown, true);
    setPixelFont(m_poseName, h / 13, true);
    setPixelFont(m_phase, h / 18, true);
    for (QWidget* small :
        {static_cast<QWidget*>(m_poseNumber), static_cast<QWidget*>(m_nextPose), static_cast<QWidget*>(m_timeLeft)})
        setPixelFont(small, h / 36, true);
    setPixelFont(m_procedure, h / 40, false);
    setPixelFont(m_caution, h / 48, false);
    m_nextPicture->setFixedSize(h / 14, h / 14);
    m_strip->setFixedHeight(std::max(h / 36, 12));
    const int buttonPixels = std::max(h / 48, 11);
    for (QPushButton* b : std::as_const(m_buttons))
        setPixelFont(b, buttonPixels, true);
}

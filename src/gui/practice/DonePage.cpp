#include "gui/practice/DonePage.h"

#include "core/AsanaCatalogue.h"
#include "core/PracticeSession.h"
#include "core/PracticeWords.h"
#include "gui/practice/PracticeLook.h"
#include "gui/style/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using namespace PracticeLook;

namespace {

QColor verdictColour(PoseVerdict verdict)
{
    switch (verdict) {
    case PoseVerdict::Held:
        return phaseColour(PhaseLook::Hold);
    case PoseVerdict::PartlyHeld:
        return Style::yellow;
    case PoseVerdict::Skipped:
        break;
    }
    return phaseColour(PhaseLook::Paused);
}

} // namespace

DonePage::DonePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraDone"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    m_title = valueLabel(this, "lblDoneTitle", Style::cyan);
    m_posesDone = valueLabel(this, "lblPosesDone", Style::yellow);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstPosesDone"));
    m_list->setAccessibleName(QStringLiteral("Poses done"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette list = m_list->palette();
    list.setColor(QPalette::Base, Style::brown);
    list.setColor(QPalette::Text, Qt::white);
    m_list->setPalette(list);
    m_timeInPoses = valueLabel(this, "lblTimeInPoses", Style::yellow);
    m_sessionTime = valueLabel(this, "lblSessionWallTime", Style::yellow);
    for (QLabel* label : {m_title, m_posesDone, m_timeInPoses, m_sessionTime})
        label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_title);
    layout->addWidget(m_posesDone);
    auto* listRow = new QHBoxLayout;
    listRow->addStretch(1);
    listRow->addWidget(m_list, 2);
    listRow->addStretch(1);
    layout->addLayout(listRow, 1);
    layout->addWidget(m_timeInPoses);
    layout->addWidget(m_sessionTime);

    m_resumeButton = button(this, "cmdResume", QStringLiteral("&Resume"));
    m_againButton = button(this, "cmdAgain", QStringLiteral("Practise &Again"), {150, 31});
    QPushButton* close = button(this, "cmdDoneClose", QStringLiteral("&Close"));
    connect(m_resumeButton, &QPushButton::clicked, this, &DonePage::resumeAsked);
    connect(m_againButton, &QPushButton::clicked, this, &DonePage::againAsked);
    connect(close, &QPushButton::clicked, this, &DonePage::closeAsked);
    layout->addLayout(buttonRow({m_resumeButton, m_againButton, close}));
    m_buttons = {m_resumeButton, m_againButton, close};
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &DonePage::closeAsked);
}

void DonePage::showSession(const PracticeSession& session)
{
    const bool whole = !session.canResume() && session.posesCompleted() == session.includedCount();
    m_title->setText(whole ? QStringLiteral("Practice complete") : QStringLiteral("Practice stopped"));
    m_posesDone->setText(
        QStringLiteral("Poses completed: %1 of %2").arg(session.posesCompleted()).arg(session.includedCount()));
    m_list->clear();
    for (int pose = 0; pose < session.plan().size(); ++pose) {
        const PoseVerdict verdict = session.verdict(pose);
        auto* item = new QListWidgetItem(
            asana(session.plan()[pose].asana).displayName + QStringLiteral(": ") + verdictText(verdict), m_list);
        item->setForeground(verdictColour(verdict));
    }
    m_timeInPoses->setText(QStringLiteral("Time in poses: ") + clockText(session.heldMs()));
    m_sessionTime->setText(QStringLiteral("Session: ") + clockText(session.sessionMs()));
    m_resumeButton->setVisible(session.canResume());
    (session.canResume() ? m_resumeButton : m_againButton)->setFocus();
}

void DonePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // As the pose page grows, so does this one: it is read from the same mat.
    const int h = height();
    setPixelFont(m_title, h / 16, true);
    for (QWidget* line : {static_cast<QWidget*>(m_posesDone), static_cast<QWidget*>(m_list),
             static_cast<QWidget*>(m_timeInPoses), static_cast<QWidget*>(m_sessionTime)})
        setPixelFont(line, h / 28, true);
    for (QPushButton* b : std::as_const(m_buttons))
        setPixelFont(b, std::max(h / 48, 11), true);
}

#include "gui/practice/PlanPage.h"

#include "core/HealthCaution.h"
#include "core/PracticeSettings.h"
#include "core/PracticeWords.h"
#include "gui/practice/CueChoices.h"
#include "gui/practice/HoldBox.h"
#include "gui/practice/PosePicture.h"
#include "gui/practice/PracticeLook.h"
#include "gui/style/Controls.h"
#include "gui/style/Look.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace PracticeLook;

namespace {

enum Column { PictureColumn, IncludeColumn, NameColumn, HoldColumn, SidesColumn, CautionsColumn, NoteColumn };

} // namespace

PlanPage::PlanPage(
    const QString& sign, const QVector<RecommendedAsana>& asanas, const PracticeSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_sign(sign)
    , m_asanas(asanas)
    , m_plan(practicePlan(sign, asanas, settings))
{
    setObjectName(QStringLiteral("fraPlan"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    m_title = valueLabel(this, "lblPlanTitle", Style::cyan);
    m_title->setText(QStringLiteral("Guided Practice for ") + sign);
    layout->addWidget(m_title);
    layout->addWidget(buildRows());

    auto* shaping = new QHBoxLayout;
    m_moveUp = button(this, "cmdMoveUp", QStringLiteral("Move &Up"));
    m_moveDown = button(this, "cmdMoveDown", QStringLiteral("Move &Down"));
    QPushButton* recommended = button(this, "cmdRecommendedHolds", QStringLiteral("Recommended &Holds"), {170, 31});
    m_moveUp->setToolTip(QKeySequence(Qt::ALT | Qt::Key_Up).toString(QKeySequence::NativeText));
    m_moveDown->setToolTip(QKeySequence(Qt::ALT | Qt::Key_Down).toString(QKeySequence::NativeText));
    recommended->setToolTip(QStringLiteral("The catalogue's holds and the reading's order, every pose included"));
    connect(m_moveUp, &QPushButton::clicked, this, &PlanPage::cmdMoveUp_Click);
    connect(m_moveDown, &QPushButton::clicked, this, &PlanPage::cmdMoveDown_Click);
    connect(recommended, &QPushButton::clicked, this, &PlanPage::cmdRecommendedHolds_Click);
    m_sessionTime = valueLabel(this, "lblSessionTime", Qt::white);
    shaping->addWidget(m_moveUp);
    shaping->addWidget(m_moveDown);
    shaping->addWidget(recommended);
    shaping->addSpacing(24);
    shaping->addWidget(m_sessionTime);
    shaping->addStretch();
    layout->addLayout(shaping);
    for (auto [key, by] : {std::pair {Qt::Key_Up, -1}, {Qt::Key_Down, 1}}) {
        auto* shortcut
            = new QShortcut(QKeySequence(Qt::ALT | key), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, by = by] { move(by); });
    }

    layout->addSpacing(8);
    m_choices = new CueChoices(settings, this);
    connect(m_choices, &CueChoices::leadInChanged, this, &PlanPage::showSessionTime);
    layout->addWidget(m_choices);
    layout->addStretch();
    QLabel* caution = valueLabel(this, "lblPlanCaution", cautionGreen);
    caution->setText(HealthCaution);
    caution->setWordWrap(true);
    caution->setAlignment(Qt::AlignCenter);
    layout->addWidget(caution);

    QPushButton* printSheet = button(this, "cmdPrintSheet", QStringLiteral("Print Sheet..."), {130, 31});
    QPushButton* saveSheet = button(this, "cmdSaveSheet", QStringLiteral("Save Sheet as PDF..."), {170, 31});
    m_startButton = button(this, "cmdStart", QStringLiteral("&Start"));
    QPushButton* close = button(this, "cmdClose", QStringLiteral("&Close"));
    connect(printSheet, &QPushButton::clicked, this, &PlanPage::printAsked);
    connect(saveSheet, &QPushButton::clicked, this, &PlanPage::saveAsked);
    connect(m_startButton, &QPushButton::clicked, this, &PlanPage::startAsked);
    connect(close, &QPushButton::clicked, this, &PlanPage::closeAsked);
    QHBoxLayout* buttons = buttonRow({m_startButton, close});
    // The sheet's buttons keep to the left, apart from the ones that start and leave the practice.
    buttons->insertWidget(0, printSheet);
    buttons->insertWidget(1, saveSheet);
    layout->addLayout(buttons);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &PlanPage::closeAsked);

    for (int row = 0; row < m_rows.size(); ++row)
        showRow(row);
    setCurrentRow(0);
    showSessionTime();
}

QWidget* PlanPage::buildRows()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins({});
    grid->setHorizontalSpacing(12);
    grid->addWidget(
        Style::label(box, "", QStringLiteral("Asana"), {}, Qt::white, Style::verdana(8.25, true, true)), 0, NameColumn);
    grid->addWidget(
        Style::label(box, "", QStringLiteral("Hold"), {}, Qt::white, Style::verdana(8.25, true, true)), 0, HoldColumn);
    for (int i = 0; i < m_plan.size(); ++i) {
        const QByteArray number = QByteArray::number(i + 1);
        Row row {};
        row.picture = new PosePicture(box, "picPlan" + number, {24, 24});
        row.include = new QCheckBox(box);
        row.include->setObjectName(QString::fromLatin1("chkInclude" + number));
        row.name = valueLabel(box, "lblPlanAsana" + number, Style::yellow);
        row.note = valueLabel(box, "lblHoldNote" + number, Style::lightYellow);
        row.hold = new HoldBox(box, row.note);
        row.hold->setObjectName(QString::fromLatin1("spnHold" + number));
        row.name->setBuddy(row.hold);
        row.sides = valueLabel(box, "lblPlanSides" + number, Qt::white);
        row.cautions = button(box, "cmdCautions" + number, QStringLiteral("Cautions..."), {100, 25});
        connect(row.include, &QCheckBox::toggled, this, [this, i](bool on) {
            m_plan[i].included = on;
            showSessionTime();
        });
        connect(row.hold, &QSpinBox::valueChanged, this, [this, i](int seconds) {
            m_plan[i].holdSeconds = seconds;
            showSessionTime();
        });
        connect(row.cautions, &QPushButton::clicked, this, [this, i] { emit cautionsAsked(m_plan[i].asana); });
        const QWidget* cells[] = {row.picture, row.include, row.name, row.hold, row.sides, row.cautions, row.note};
        for (int column = 0; column < int(std::size(cells)); ++column)
            grid->addWidget(const_cast<QWidget*>(cells[column]), i + 1, column);
        for (QWidget* focusable :
            {static_cast<QWidget*>(row.include), static_cast<QWidget*>(row.hold), static_cast<QWidget*>(row.cautions)})
            focusable->installEventFilter(this);
        m_rows.append(row);
    }
    grid->setColumnStretch(NoteColumn, 1);
    return box;
}

void PlanPage::showRow(int i)
{
    const PracticeStep& step = m_plan[i];
    const Asana& shown = asana(step.asana);
    const Row& row = m_rows[i];
    const QSignalBlocker includeQuiet(row.include);
    const QSignalBlocker holdQuiet(row.hold);
    row.picture->showPicture(shown.picture, shown.displayName);
    row.include->setChecked(step.included);
    row.include->setAccessibleName(QStringLiteral("Include ") + shown.displayName);
    row.name->setText(shown.displayName);
    row.hold->setValue(step.holdSeconds);
    row.hold->setAccessibleName(shown.displayName + QStringLiteral(" hold"));
    row.sides->setText(step.eachSide ? QStringLiteral("on each side") : QString());
    row.cautions->setAccessibleName(QStringLiteral("Cautions for ") + shown.displayName);
    row.note->clear();
}

void PlanPage::setCurrentRow(int row)
{
    Style::setForeground(m_rows.value(m_currentRow).name, Style::yellow);
    m_currentRow = row;
    // The row that Move Up and Move Down move stands out.
    Style::setForeground(m_rows.value(row).name, Style::cyan);
    m_moveUp->setEnabled(row > 0);
    m_moveDown->setEnabled(row + 1 < m_rows.size());
}

bool PlanPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int row = 0; row < m_rows.size(); ++row) {
            const Row& r = m_rows[row];
            if (watched == r.include || watched == r.hold || watched == r.cautions)
                setCurrentRow(row);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlanPage::cmdMoveUp_Click()
{
    move(-1);
}

void PlanPage::cmdMoveDown_Click()
{
    move(1);
}

void PlanPage::move(int by)
{
    const int from = m_currentRow;
    const int to = from + by;
    if (to < 0 || to >= m_rows.size())
        return;
    std::swap(m_plan[from], m_plan[to]);
    showRow(from);
    showRow(to);
    // The focus moves with the pose, in the same column, so Alt+Up can be pressed again and again.
    QWidget* focused = focusWidget();
    const Row& source = m_rows[from];
    const Row& target = m_rows[to];
    QWidget* follow = focused == source.hold ? static_cast<QWidget*>(target.hold)
        : focused == source.cautions         ? static_cast<QWidget*>(target.cautions)
        : focused == source.include          ? static_cast<QWidget*>(target.include)
                                             : nullptr;
    setCurrentRow(to);
    if (follow)
        follow->setFocus();
}

void PlanPage::cmdRecommendedHolds_Click()
{
    m_plan = practicePlan(m_sign, m_asanas, PracticeSettings {});
    for (int row = 0; row < m_rows.size(); ++row)
        showRow(row);
    showSessionTime();
}

void PlanPage::showSessionTime()
{
    const PracticeSession whole(m_plan, m_choices->leadInSeconds());
    const bool any = whole.includedCount() > 0;
    m_sessionTime->setText(
        any ? QStringLiteral("About ") + durationText(whole.plannedMs()) : QStringLiteral("No poses included"));
    m_startButton->setEnabled(any);
}

void PlanPage::keepChoices(PracticeSettings& settings) const
{
    keepPlan(settings, m_sign, m_plan);
    m_choices->keepChoices(settings);
}

void PlanPage::focusStart()
{
    m_startButton->setFocus();
}

void PlanPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // From a mat too: the rows grow with the window, not only the pose page.
    const int h = height();
    const int text = std::max(h / 42, 11);
    for (QLabel* label : findChildren<QLabel*>())
        setPixelFont(label, label == m_title ? text * 3 / 2 : text, true);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(control) || qobject_cast<QAbstractSpinBox*>(control)
            || qobject_cast<QCheckBox*>(control))
            setPixelFont(control, text, true);
    }
    for (const Row& row : std::as_const(m_rows))
        row.picture->setFixedSize(h / 20, h / 20);
}

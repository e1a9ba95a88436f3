#include "gui/PracticeWindow.h"

#include "core/AsanaCatalogue.h"
#include "core/HealthCaution.h"
#include "core/Platform.h"
#include "gui/Application.h"
#include "gui/PracticeSheetActions.h"
#include "gui/style/Controls.h"
#include "gui/style/Look.h"
#include "gui/style/Pictures.h"
#include "gui/style/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLoggingCategory>
#include <QPainter>
#include <QProgressBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(practiceLog, "astravida.practice")

// The size the window opens at; the fonts of the pose page grow with the window from here.
const QSize StartSize {770, 545};
const QColor CautionGreen {0, 255, 0};
// At least four a second, so the seconds never lag by more than a quarter.
constexpr int TickMs = 200;

enum Page { PlanPage, PosePage, DonePage };

// Often enough that the speech box changes as the engine comes up, seldom enough to cost nothing.
constexpr int SpeechWatchMs = 250;

// "35 s", "2 min 5 s", "10 min"
QString lengthInWords(qint64 ms)
{
    const qint64 seconds = (ms + 500) / 1000;
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    const QString minutes = QStringLiteral("%1 min").arg(seconds / 60);
    return seconds % 60 ? minutes + QStringLiteral(" %1 s").arg(seconds % 60) : minutes;
}

QString minutesAndSeconds(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QLabel* valueLabel(QWidget* parent, const QByteArray& name, const QColor& colour = Style::yellow)
{
    QLabel* label = Style::label(parent, name.constData(), QString(), {}, colour, Style::verdana(8.25, true));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* button(QWidget* parent, const QByteArray& name, const char* caption, QSize size = {110, 31})
{
    QPushButton* result = Style::button(parent, name.constData(), QString::fromUtf8(caption), {});
    result->setMinimumSize(size);
    return result;
}

// A row of buttons against the right edge, as the program's windows place them.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace

// The asana's picture fitted into whatever room the window gives it, drawn from its twice-size file so it stays sharp.
class PosePicture : public QLabel
{
public:
    explicit PosePicture(QWidget* parent)
        : QLabel(parent)
    {
        setObjectName(QStringLiteral("picPose"));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setMinimumSize(160, 160);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void showPicture(const QString& path, const QString& name)
    {
        m_picture = Style::picture(path, 2);
        m_picture.setDevicePixelRatio(1);
        setAccessibleName(name);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (m_picture.isNull())
            return;
        const QRect room = contentsRect();
        QRect target({}, m_picture.size().scaled(room.size(), Qt::KeepAspectRatio));
        target.moveCenter(room.center());
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, m_picture);
    }

private:
    QPixmap m_picture;
};

PracticeWindow* PracticeWindow::showModal(Application& app, const Reading& reading, QWidget* readingWindow)
{
    auto* window = new PracticeWindow(app, reading, readingWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    Style::centreOnScreen(window);
    return window;
}

PracticeWindow::PracticeWindow(Application& app, const Reading& reading, QWidget* readingWindow)
    : QWidget(readingWindow, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_app(app)
    , m_reading(reading)
    , m_settings(loadPracticeSettings(app.platform(), app.applicationName()))
    , m_plan(practicePlan(reading.sign, m_settings))
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(Style::windowCaption);
    Style::setBackground(this, Style::brown);
    resize(StartSize);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildPlanPage());
    m_pages->addWidget(buildPosePage());
    m_pages->addWidget(buildDonePage());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(m_pages);

    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &PracticeWindow::cmdFullScreen_Click);
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &PracticeWindow::tick);
    m_speechWatch.setInterval(SpeechWatchMs);
    connect(&m_speechWatch, &QTimer::timeout, this, &PracticeWindow::showSpeech);
    showSpeech();
    showPlan();
}

PracticeWindow::~PracticeWindow()
{
    // Destroyed with the reading window at quit, without a close.
    if (m_screenKeptOn)
        m_app.platform().keepScreenOn(false);
}

QWidget* PracticeWindow::buildPlanPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraPlan"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 16, 24, 12);

    QLabel* title = valueLabel(page, "lblPlanTitle", Style::cyan);
    title->setFont(Style::verdana(11.25, true));
    title->setText(QStringLiteral("Guided Practice for ") + m_reading.sign);
    layout->addWidget(title);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(16);
    const QStringList headings {QStringLiteral("Asana"), QStringLiteral("Hold"), QString(), QString()};
    for (int column = 0; column < headings.size(); ++column) {
        if (!headings[column].isEmpty())
            rows->addWidget(
                Style::label(page, "", headings[column], {}, Qt::white, Style::verdana(8.25, true, true)), 0, column);
    }
    for (int i = 0; i < m_plan.size(); ++i) {
        const PracticeStep& step = m_plan[i];
        const Asana& shown = asana(step.asana);
        const QByteArray number = QByteArray::number(i + 1);
        QLabel* name = valueLabel(page, "lblPlanAsana" + number);
        name->setText(shown.displayName);
        auto* hold = new QSpinBox(page);
        hold->setObjectName(QString::fromLatin1("spnHold" + number));
        hold->setRange(MinHoldSeconds, MaxHoldSeconds);
        hold->setSingleStep(5);
        hold->setSuffix(QStringLiteral(" s"));
        hold->setValue(step.holdSeconds);
        hold->setAccessibleName(shown.displayName + QStringLiteral(" hold in seconds"));
        name->setBuddy(hold);
        m_holdBoxes.append(hold);
        QLabel* sides = valueLabel(page, "lblPlanSides" + number, Qt::white);
        sides->setText(step.eachSide ? QStringLiteral("on each side") : QString());
        QPushButton* cautions = button(page, "cmdCautions" + number, "Cautions...", {100, 25});
        cautions->setAccessibleName(QStringLiteral("Cautions for ") + shown.displayName);
        connect(cautions, &QPushButton::clicked, this, [this, i] { cmdCautions_Click(i); });
        rows->addWidget(name, i + 1, 0);
        rows->addWidget(hold, i + 1, 1);
        rows->addWidget(sides, i + 1, 2);
        rows->addWidget(cautions, i + 1, 3);
    }
    rows->setColumnStretch(4, 1);
    layout->addLayout(rows);

    auto* choices = new QHBoxLayout;
    QLabel* leadInCaption = Style::label(
        page, "lblLeadIn", QStringLiteral("Get ready before each hold"), {}, Qt::white, Style::verdana(8.25, true));
    m_leadInBox = new QSpinBox(page);
    m_leadInBox->setObjectName(QStringLiteral("spnLeadIn"));
    m_leadInBox->setRange(0, MaxLeadInSeconds);
    m_leadInBox->setSuffix(QStringLiteral(" s"));
    m_leadInBox->setValue(m_settings.leadInSeconds);
    leadInCaption->setBuddy(m_leadInBox);
    m_speakBox = new QCheckBox(QStringLiteral("Speak the cues"), page);
    m_speakBox->setObjectName(QStringLiteral("chkSpeak"));
    m_speakBox->setChecked(m_settings.speakCues);
    m_tonesBox = new QCheckBox(QStringLiteral("Play tones"), page);
    m_tonesBox->setObjectName(QStringLiteral("chkTones"));
    m_tonesBox->setChecked(m_settings.playTones);
    m_tonesBox->setToolTip(QStringLiteral("A tone as each hold begins and another as it ends."));
    for (QCheckBox* box : {m_speakBox, m_tonesBox}) {
        box->setFont(Style::verdana(8.25, true));
        // Only the caption: the tick keeps its own colour on the white box.
        QPalette caption = box->palette();
        caption.setColor(QPalette::WindowText, Qt::white);
        box->setPalette(caption);
    }
    m_testSoundButton = button(page, "cmdTestSound", "&Test Sound", {110, 25});
    m_testSoundButton->setToolTip(QStringLiteral("Plays the cues as the practice will, to set the volume."));
    connect(m_testSoundButton, &QPushButton::clicked, this, &PracticeWindow::cmdTestSound_Click);
    for (QCheckBox* box : {m_speakBox, m_tonesBox})
        connect(box, &QCheckBox::toggled, this, &PracticeWindow::showSpeech);
    choices->addWidget(leadInCaption);
    choices->addWidget(m_leadInBox);
    choices->addSpacing(32);
    choices->addWidget(m_speakBox);
    choices->addSpacing(16);
    choices->addWidget(m_tonesBox);
    choices->addSpacing(16);
    choices->addWidget(m_testSoundButton);
    choices->addStretch();
    layout->addSpacing(8);
    layout->addLayout(choices);

    layout->addStretch();
    QLabel* caution = Style::label(page, "lblPlanCaution", HealthCaution, {}, CautionGreen, Style::verdana(8.25, true));
    caution->setWordWrap(true);
    caution->setAlignment(Qt::AlignCenter);
    layout->addWidget(caution);

    QPushButton* printSheet = button(page, "cmdPrintSheet", "Print Sheet...", {130, 31});
    QPushButton* saveSheet = button(page, "cmdSaveSheet", "Save Sheet as PDF...", {170, 31});
    m_startButton = button(page, "cmdStart", "&Start");
    m_closeButton = button(page, "cmdClose", "&Close");
    connect(printSheet, &QPushButton::clicked, this, &PracticeWindow::cmdPrintSheet_Click);
    connect(saveSheet, &QPushButton::clicked, this, &PracticeWindow::cmdSaveSheet_Click);
    connect(m_startButton, &QPushButton::clicked, this, &PracticeWindow::cmdStart_Click);
    connect(m_closeButton, &QPushButton::clicked, this, &PracticeWindow::cmdClose_Click);
    QHBoxLayout* buttons = buttonRow({m_startButton, m_closeButton});
    // The sheet's buttons keep to the left, apart from the ones that start and leave the practice.
    buttons->insertWidget(0, printSheet);
    buttons->insertWidget(1, saveSheet);
    layout->addLayout(buttons);
    m_startButton->setEnabled(!m_plan.isEmpty());

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), page, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(close, &QShortcut::activated, this, &PracticeWindow::cmdClose_Click);
    return page;
}

QWidget* PracticeWindow::buildPosePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraPose"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 12, 16, 12);

    auto* top = new QHBoxLayout;
    m_poseNumber = valueLabel(page, "lblPoseNumber", Qt::white);
    m_nextPose = valueLabel(page, "lblNextPose", Qt::white);
    m_nextPose->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_poseNumber);
    top->addStretch();
    top->addWidget(m_nextPose);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    m_picture = new PosePicture(page);
    middle->addWidget(m_picture, 5);
    auto* side = new QVBoxLayout;
    m_poseName = valueLabel(page, "lblPoseName", Style::cyan);
    m_poseName->setAlignment(Qt::AlignCenter);
    m_phase = valueLabel(page, "lblPhase", Qt::white);
    m_phase->setAlignment(Qt::AlignCenter);
    m_heldUp = valueLabel(page, "lblHeldUp", Style::lightYellow);
    m_heldUp->setAlignment(Qt::AlignCenter);
    m_heldUp->setWordWrap(true);
    m_heldUp->hide();
    m_countdown = valueLabel(page, "lblCountdown");
    m_countdown->setAlignment(Qt::AlignCenter);
    m_progress = new QProgressBar(page);
    m_progress->setObjectName(QStringLiteral("prgHold"));
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Time passed"));
    QPalette bar = m_progress->palette();
    bar.setColor(QPalette::Highlight, Style::yellow);
    m_progress->setPalette(bar);
    m_procedure = Style::textBox(page, "txtPoseProcedure", {});
    m_procedure->setAccessibleName(QStringLiteral("Procedure"));
    // Left and Right belong to the session, not to a text cursor; the mouse still scrolls it.
    m_procedure->setFocusPolicy(Qt::NoFocus);
    auto* cautionRow = new QHBoxLayout;
    m_caution = valueLabel(page, "lblPoseCaution", Style::lightYellow);
    m_caution->setFont(Style::verdana(8.25));
    m_caution->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPushButton* more = button(page, "cmdCaution", "Cautions...", {100, 25});
    more->setAccessibleName(QStringLiteral("Read all the cautions"));
    connect(more, &QPushButton::clicked, this, &PracticeWindow::cmdCaution_Click);
    cautionRow->addWidget(m_caution, 1);
    cautionRow->addWidget(more);
    side->addWidget(m_poseName);
    side->addWidget(m_phase);
    side->addWidget(m_heldUp);
    side->addWidget(m_countdown);
    side->addWidget(m_progress);
    side->addWidget(m_procedure, 1);
    side->addLayout(cautionRow);
    middle->addLayout(side, 6);
    layout->addLayout(middle, 1);

    m_previousButton = button(page, "cmdPrevious", "Pre&vious");
    m_pauseButton = button(page, "cmdPause", "&Pause");
    m_nextButton = button(page, "cmdNext", "&Next");
    m_stopButton = button(page, "cmdStop", "&Stop");
    m_fullScreenButton = button(page, "cmdFullScreen", "&Full Screen");
    auto* buttons = buttonRow({m_previousButton, m_pauseButton, m_nextButton, m_stopButton});
    buttons->insertWidget(0, m_fullScreenButton);
    layout->addLayout(buttons);

    const struct
    {
        QPushButton* button;
        Qt::Key key;
        void (PracticeWindow::*handler)();
    } controls[] = {
        {m_previousButton, Qt::Key_Left, &PracticeWindow::cmdPrevious_Click},
        {m_pauseButton, Qt::Key_Space, &PracticeWindow::cmdPause_Click},
        {m_nextButton, Qt::Key_Right, &PracticeWindow::cmdNext_Click},
        {m_stopButton, Qt::Key_Escape, &PracticeWindow::cmdStop_Click},
    };
    for (const auto& control : controls) {
        connect(control.button, &QPushButton::clicked, this, control.handler);
        auto* key = new QShortcut(QKeySequence(control.key), page, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(key, &QShortcut::activated, this, control.handler);
        control.button->setToolTip(QKeySequence(control.key).toString(QKeySequence::NativeText));
    }
    connect(m_fullScreenButton, &QPushButton::clicked, this, &PracticeWindow::cmdFullScreen_Click);
    m_fullScreenButton->setToolTip(QStringLiteral("F11"));
    return page;
}

QWidget* PracticeWindow::buildDonePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraDone"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 16, 24, 12);
    m_doneTitle = valueLabel(page, "lblDoneTitle", Style::cyan);
    m_doneTitle->setFont(Style::verdana(14.25, true));
    m_posesDone = valueLabel(page, "lblPosesDone");
    m_timePractised = valueLabel(page, "lblTimePractised");
    layout->addStretch();
    for (QLabel* label : {m_doneTitle, m_posesDone, m_timePractised}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    m_posesDone->setFont(Style::verdana(11.25, true));
    m_timePractised->setFont(Style::verdana(11.25, true));
    layout->addStretch();
    m_againButton = button(page, "cmdAgain", "Practise &Again");
    QPushButton* close = button(page, "cmdDoneClose", "&Close");
    connect(m_againButton, &QPushButton::clicked, this, &PracticeWindow::cmdAgain_Click);
    connect(close, &QPushButton::clicked, this, &PracticeWindow::cmdClose_Click);
    layout->addLayout(buttonRow({m_againButton, close}));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), page, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &PracticeWindow::cmdClose_Click);
    return page;
}

void PracticeWindow::showPlan()
{
    m_pages->setCurrentIndex(PlanPage);
    m_startButton->setFocus();
}

void PracticeWindow::cmdStart_Click()
{
    keepPlanChoices();
    m_plan = practicePlan(m_reading.sign, m_settings);
    m_session = std::make_unique<PracticeSession>(m_plan, m_settings.leadInSeconds);
    m_session->start(m_app.platform().monotonicMs());
    m_posesShown = -1;
    m_pages->setCurrentIndex(PosePage);
    m_pauseButton->setFocus();
    follow();
}

void PracticeWindow::cmdPrintSheet_Click()
{
    // The sheet shows the holds as they stand on the plan, chosen or not yet started.
    keepPlanChoices();
    printPracticeSheet(m_app.platform(), m_reading, m_settings);
}

void PracticeWindow::cmdSaveSheet_Click()
{
    keepPlanChoices();
    savePracticeSheetPdf(m_app.platform(), m_reading, m_settings);
}

void PracticeWindow::cmdClose_Click()
{
    close();
}

void PracticeWindow::cmdCautions_Click(int row)
{
    showCautions(m_plan[row].asana);
}

void PracticeWindow::showCautions(int asanaNumber)
{
    const Asana& shown = asana(asanaNumber);
    m_app.platform().showMessage(
        shown.displayName + QStringLiteral(": ") + shown.contraIndication, MessageIcon::Information);
}

void PracticeWindow::cmdPause_Click()
{
    const qint64 now = m_app.platform().monotonicMs();
    if (m_session->isPaused())
        m_session->resume(now);
    else
        m_session->pause(now);
    follow();
}

void PracticeWindow::cmdPrevious_Click()
{
    m_session->previous(m_app.platform().monotonicMs());
    follow();
}

void PracticeWindow::cmdNext_Click()
{
    m_session->next(m_app.platform().monotonicMs());
    follow();
}

void PracticeWindow::cmdStop_Click()
{
    m_session->stop(m_app.platform().monotonicMs());
    follow();
}

void PracticeWindow::cmdCaution_Click()
{
    showCautions(m_plan[m_session->pose()].asana);
}

void PracticeWindow::cmdFullScreen_Click()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void PracticeWindow::cmdAgain_Click()
{
    m_session.reset();
    showPlan();
}

void PracticeWindow::cmdTestSound_Click()
{
    if (m_tonesBox->isChecked())
        m_app.platform().playTone(Tone::Begin);
    if (m_speakBox->isChecked() && m_app.platform().speech().state == SpeechState::Ready)
        m_app.platform().say(QStringLiteral("This is how the cues will sound."));
}

void PracticeWindow::showSpeech()
{
    const SpeechStatus speech = m_app.platform().speech();
    QString tip;
    switch (speech.state) {
    case SpeechState::Starting:
        tip = QStringLiteral("Starting the speech engine...");
        break;
    case SpeechState::Ready:
        tip = QStringLiteral("The %1 speech engine is ready.").arg(speech.engine);
        break;
    case SpeechState::NoEngine:
        tip = QStringLiteral("No speech engine is installed.");
        break;
    case SpeechState::Failed:
        tip = QStringLiteral("The %1 speech engine could not start: %2").arg(speech.engine, speech.reason);
        break;
    }
    const bool canSpeak = speech.state == SpeechState::Starting || speech.state == SpeechState::Ready;
    if (!canSpeak && m_speakBox->isEnabled()) {
        // The person's choice is kept for an engine that works; the box only shows there is none now.
        m_speakBox->setEnabled(false);
        m_speakBox->setChecked(false);
    }
    if (m_speakBox->toolTip() != tip)
        m_speakBox->setToolTip(tip);
    m_testSoundButton->setEnabled(m_tonesBox->isChecked() || m_speakBox->isChecked());
    if (speech.state == SpeechState::Starting)
        m_speechWatch.start();
    else
        m_speechWatch.stop();
}

void PracticeWindow::tick()
{
    follow();
}

void PracticeWindow::follow()
{
    Platform& platform = m_app.platform();
    const qint64 sleptNow = platform.sleptMs();
    const qint64 slept = sleptNow - std::exchange(m_sleptMs, sleptNow);
    sound(m_session->update(platform.monotonicMs()));
    const qint64 heldUp = m_session->heldUpMs();
    if (heldUp != m_heldUpShown) {
        m_heldUpShown = heldUp;
        QString notice;
        if (heldUp > 0) {
            // The clock runs on in sleep, so a sleep is a gap too; most of the gap asleep makes it one.
            notice = slept * 2 > heldUp ? QStringLiteral("Paused: the computer slept for ") + lengthInWords(slept)
                                        : QStringLiteral("Paused: Astravida was held up for ") + lengthInWords(heldUp);
            qCInfo(practiceLog, "%s, at pose %d", qUtf8Printable(notice), m_session->pose() + 1);
        }
        m_heldUp->setText(notice);
        m_heldUp->setVisible(!notice.isEmpty());
    }
    if (m_session->isRunning())
        m_timer.start();
    else
        m_timer.stop();
    if (m_session->isRunning() != m_screenKeptOn) {
        m_screenKeptOn = m_session->isRunning();
        m_app.platform().keepScreenOn(m_screenKeptOn);
    }
    if (m_session->phase() == PracticeSession::Phase::Done)
        showDone();
    else
        showPose();
}

void PracticeWindow::sound(const QVector<PracticeCue>& cues)
{
    if (cues.isEmpty())
        return;
    Platform& platform = m_app.platform();
    if (m_tonesBox->isChecked()) {
        // Cues that arrive together sound as one: the last hold boundary among them.
        for (auto cue = cues.rbegin(); cue != cues.rend(); ++cue) {
            if (*cue == PracticeCue::Begin || *cue == PracticeCue::ChangeSides || *cue == PracticeCue::Relax) {
                platform.playTone(*cue == PracticeCue::Begin ? Tone::Begin : Tone::End);
                break;
            }
        }
    }
    // Speech is asked each time: an engine that fails on the way falls silent, and the tones go on.
    if (!m_speakBox->isChecked() || platform.speech().state != SpeechState::Ready)
        return;
    // One utterance: a new one would cut short the one before.
    QStringList words;
    for (PracticeCue cue : cues) {
        switch (cue) {
        case PracticeCue::GetReady:
            words << QStringLiteral("Get ready: ") + asana(m_plan[m_session->pose()].asana).displayName;
            break;
        case PracticeCue::ChangeSides:
            words << QStringLiteral("Change sides");
            break;
        case PracticeCue::Begin:
            words << QStringLiteral("Begin");
            break;
        case PracticeCue::Three:
            words << QStringLiteral("Three");
            break;
        case PracticeCue::Two:
            words << QStringLiteral("Two");
            break;
        case PracticeCue::One:
            words << QStringLiteral("One");
            break;
        case PracticeCue::Relax:
            words << QStringLiteral("Relax");
            break;
        }
    }
    platform.say(words.join(QStringLiteral(". ")));
}

void PracticeWindow::showPose()
{
    const int pose = m_session->pose();
    const PracticeStep& step = m_plan[pose];
    const Asana& shown = asana(step.asana);
    if (pose != m_posesShown) {
        m_posesShown = pose;
        m_poseNumber->setText(QStringLiteral("Pose %1 of %2").arg(pose + 1).arg(m_plan.size()));
        m_nextPose->setText(pose + 1 < m_plan.size()
                ? QStringLiteral("Next: ") + asana(m_plan[pose + 1].asana).displayName
                : QStringLiteral("Last pose"));
        m_poseName->setText(shown.displayName);
        m_picture->showPicture(shown.picture, shown.displayName);
        Style::showText(m_procedure, shown.procedure);
        m_caution->setToolTip(shown.contraIndication);
        fitCaution();
        m_caution->setAccessibleName(shown.contraIndication);
    }
    QString phase;
    if (m_session->phase() == PracticeSession::Phase::LeadIn)
        phase = m_session->side() == 1 ? QStringLiteral("Change sides") : QStringLiteral("Get ready");
    else
        phase = step.eachSide
            ? (m_session->side() == 0 ? QStringLiteral("Hold: first side") : QStringLiteral("Hold: second side"))
            : QStringLiteral("Hold");
    if (m_session->isPaused())
        phase += QStringLiteral(" (paused)");
    // Set only when they change: a label repaints on every setText.
    if (m_phase->text() != phase)
        m_phase->setText(phase);
    const QString remaining = minutesAndSeconds(m_session->remainingMs());
    if (m_countdown->text() != remaining) {
        m_countdown->setText(remaining);
        m_countdown->setAccessibleName(phase + QLatin1Char(' ') + remaining);
    }
    const int length = int(m_session->phaseLengthMs());
    m_progress->setRange(0, std::max(length, 1));
    m_progress->setValue(int(length - m_session->remainingMs()));
    const QString pauseCaption = m_session->isPaused() ? QStringLiteral("&Resume") : QStringLiteral("&Pause");
    if (m_pauseButton->text() != pauseCaption)
        m_pauseButton->setText(pauseCaption);
}

void PracticeWindow::showDone()
{
    const bool whole = m_session->posesCompleted() == m_plan.size();
    m_doneTitle->setText(whole ? QStringLiteral("Practice complete") : QStringLiteral("Practice stopped"));
    m_posesDone->setText(
        QStringLiteral("Poses completed: %1 of %2").arg(m_session->posesCompleted()).arg(m_plan.size()));
    m_timePractised->setText(QStringLiteral("Time practised: ") + minutesAndSeconds(m_session->practisedMs()));
    m_pages->setCurrentIndex(DonePage);
    m_againButton->setFocus();
}

void PracticeWindow::keepPlanChoices()
{
    for (int i = 0; i < m_holdBoxes.size(); ++i)
        m_settings.holdSeconds.insert(m_plan[i].asana, m_holdBoxes[i]->value());
    m_settings.leadInSeconds = m_leadInBox->value();
    // Where no engine speaks, the box says nothing about the person's choice.
    if (m_speakBox->isEnabled())
        m_settings.speakCues = m_speakBox->isChecked();
    m_settings.playTones = m_tonesBox->isChecked();
    savePracticeSettings(m_app.platform(), m_app.applicationName(), m_settings);
}

void PracticeWindow::closeEvent(QCloseEvent* event)
{
    if (m_pages->currentIndex() == PlanPage)
        keepPlanChoices();
    m_timer.stop();
    m_speechWatch.stop();
    if (m_screenKeptOn) {
        m_screenKeptOn = false;
        m_app.platform().keepScreenOn(false);
    }
    event->accept();
}

void PracticeWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    growFonts();
    fitCaution();
}

void PracticeWindow::fitCaution()
{
    // One line, cut where the room ends; the button beside it shows the whole text.
    m_caution->setText(
        m_caution->fontMetrics().elidedText(m_caution->toolTip(), Qt::ElideRight, m_caution->contentsRect().width()));
}

void PracticeWindow::growFonts()
{
    // Readable from a mat two metres away: the names and the countdown grow with the window.
    const double scale
        = std::max(1.0, std::min(double(width()) / StartSize.width(), double(height()) / StartSize.height()));
    const struct
    {
        QWidget* widget;
        double pointSize;
        bool bold;
    } growing[] = {{m_poseName, 18, true}, {m_phase, 14, true}, {m_countdown, 48, true}, {m_poseNumber, 11, true},
        {m_nextPose, 11, true}, {m_procedure, 8.25, false}};
    for (const auto& entry : growing) {
        const QFont font = Style::verdana(std::round(entry.pointSize * scale * 4) / 4, entry.bold);
        if (entry.widget->font() != font)
            entry.widget->setFont(font);
    }
}

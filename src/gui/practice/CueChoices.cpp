#include "gui/practice/CueChoices.h"

#include "core/PracticeSettings.h"
#include "gui/practice/PracticeLook.h"
#include "gui/style/Look.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace PracticeLook;

CueChoices::CueChoices(const PracticeSettings& settings, QWidget* parent)
    : QWidget(parent)
{
    QWidget* box = this;
    auto* choices = new QHBoxLayout(box);
    choices->setContentsMargins({});
    QLabel* leadInCaption = valueLabel(box, "lblLeadIn", Qt::white);
    leadInCaption->setText(QStringLiteral("Get ready before each hold"));
    m_leadInBox = new QSpinBox(box);
    m_leadInBox->setObjectName(QStringLiteral("spnLeadIn"));
    m_leadInBox->setRange(0, MaxLeadInSeconds);
    m_leadInBox->setSuffix(QStringLiteral(" s"));
    m_leadInBox->setValue(settings.leadInSeconds);
    connect(m_leadInBox, &QSpinBox::valueChanged, this, &CueChoices::leadInChanged);
    leadInCaption->setBuddy(m_leadInBox);
    m_speakBox = new QCheckBox(QStringLiteral("Speak the cues"), box);
    m_speakBox->setObjectName(QStringLiteral("chkSpeak"));
    m_speakBox->setChecked(settings.speakCues);
    m_tonesBox = new QCheckBox(QStringLiteral("Play tones"), box);
    m_tonesBox->setObjectName(QStringLiteral("chkTones"));
    m_tonesBox->setChecked(settings.playTones);
    m_tonesBox->setToolTip(QStringLiteral("A tone as each hold begins and another as it ends."));
    for (QCheckBox* check : {m_speakBox, m_tonesBox}) {
        check->setFont(Style::verdana(8.25, true));
        // Only the caption: the tick keeps its own colour on the white box. Greyed where it cannot be ticked.
        QPalette caption = check->palette();
        caption.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
        caption.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
        caption.setColor(QPalette::Disabled, QPalette::WindowText, Style::grey.lighter(130));
        check->setPalette(caption);
    }
    m_testSoundButton = button(box, "cmdTestSound", QStringLiteral("&Test Sound"), {110, 25});
    m_testSoundButton->setToolTip(QStringLiteral("Plays the cues as the practice will, to set the volume."));
    connect(m_testSoundButton, &QPushButton::clicked, this, &CueChoices::testSoundAsked);
    for (QCheckBox* check : {m_speakBox, m_tonesBox}) {
        connect(check, &QCheckBox::toggled, this,
            [this] { m_testSoundButton->setEnabled(m_tonesBox->isChecked() || m_speakBox->isChecked()); });
    }
    choices->addWidget(leadInCaption);
    choices->addWidget(m_leadInBox);
    choices->addSpacing(32);
    choices->addWidget(m_speakBox);
    choices->addSpacing(16);
    choices->addWidget(m_tonesBox);
    choices->addSpacing(16);
    choices->addWidget(m_testSoundButton);
    choices->addStretch();
}

void CueChoices::showSpeech(const SpeechStatus& speech)
{
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
}

int CueChoices::leadInSeconds() const
{
    return m_leadInBox->value();
}

bool CueChoices::speaks() const
{
    return m_speakBox->isChecked();
}

bool CueChoices::playsTones() const
{
    return m_tonesBox->isChecked();
}

void CueChoices::keepChoices(PracticeSettings& settings) const
{
    settings.leadInSeconds = leadInSeconds();
    if (m_speakBox->isEnabled())
        settings.speakCues = speaks();
    settings.playTones = playsTones();
}

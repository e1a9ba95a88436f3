#pragma once

#include "core/Platform.h"

#include <QWidget>

class QCheckBox;
class QPushButton;
class QSpinBox;
struct PracticeSettings;

// The plan's choices of how the practice leads into each hold and marks it: the time to get ready, the spoken cues,
// the tones, and a test of both.
class CueChoices : public QWidget
{
    Q_OBJECT
public:
    CueChoices(const PracticeSettings& settings, QWidget* parent);

    int leadInSeconds() const;
    bool speaks() const;
    bool playsTones() const;
    // Into the settings to remember; where no engine speaks, the speech box says nothing of the person's choice.
    void keepChoices(PracticeSettings& settings) const;
    // The speech box as the engine now stands.
    void showSpeech(const SpeechStatus& speech);

signals:
    void leadInChanged();
    void testSoundAsked();

private:
    QSpinBox* m_leadInBox = nullptr;
    QCheckBox* m_speakBox = nullptr;
    QCheckBox* m_tonesBox = nullptr;
    QPushButton* m_testSoundButton = nullptr;
};

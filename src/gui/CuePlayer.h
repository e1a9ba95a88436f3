#pragma once

#include "core/Platform.h"

#include <QObject>

#include <memory>

class QThread;
class SpeechWorker;
class ToneWorker;

// Speaks and sounds the practice's cues on threads of its own, so a speech engine that lists thousands of voices, a
// sound server that is slow to answer, or a call that never returns cannot stop the window. Speech and tones each
// have their own thread: a stuck engine never silences the tones. Every call returns at once.
class CuePlayer
{
public:
    // Starts the speech engine and the sound server's connection at once, each on its thread.
    CuePlayer();
    // Waits a moment for the threads; one held by a service is left behind rather than waited for.
    ~CuePlayer();

    SpeechStatus speech() const;
    void say(const QString& text);
    void playTone(Tone tone);

    // What the threads share with the window's; it outlives a thread left behind.
    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
    QThread* m_speechThread = nullptr;
    QThread* m_toneThread = nullptr;
    SpeechWorker* m_speech = nullptr;
    ToneWorker* m_tones = nullptr;
    QObject m_watch; // on the window's thread: the context of the spoken cues' time limits
    int m_said = 0;
};

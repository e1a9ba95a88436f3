#include "gui/CuePlayer.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(practiceLog, "astravida.practice")

// A cue heard later than this would run behind the countdown it belongs to.
constexpr qint64 LateMs = 1000;
// How long the destructor gives each thread; a service that holds one longer is left behind.
constexpr int LeaveBehindMs = 1000;

const char* toneName(Tone tone)
{
    return tone == Tone::Begin ? "begin" : "end";
}

} // namespace

struct CuePlayer::Shared
{
    QElapsedTimer clock; // started once, then only read
    QMutex lock;
    SpeechStatus status {SpeechState::Starting, {}, {}};

    qint64 elapsedMs() const { return clock.elapsed(); }
    void setSpeech(const SpeechStatus& speech)
    {
        const QMutexLocker locked(&lock);
        status = speech;
    }
};

// Owns the speech engine on the speech thread; every function runs there.
class SpeechWorker : public QObject
{
public:
    explicit SpeechWorker(std::shared_ptr<CuePlayer::Shared> shared)
        : m_shared(std::move(shared))
    { }

    // Creating an engine is what takes seconds: speech-dispatcher's lists every voice it has.
    void start()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            m_shared->setSpeech({SpeechState::NoEngine, {}, {}});
            return;
        }
        SpeechStatus failed {SpeechState::Failed, engines.constFirst(), {}};
        // An engine whose service is missing says so at once; the next may work.
        for (const QString& name : engines) {
            auto engine = std::make_unique<QTextToSpeech>(name, this);
            if (engine->state() != QTextToSpeech::Error) {
                adopt(std::move(engine), name);
                return;
            }
            if (failed.reason.isEmpty()) {
                failed.engine = name;
                failed.reason = engine->errorString();
            }
        }
        fail(failed);
    }

    void say(const QString& text, qint64 dueMs)
    {
        if (!m_engine)
            return;
        // Queued behind a call that hung: a cue for a moment long gone would only confuse.
        const qint64 late = m_shared->elapsedMs() - dueMs;
        if (late > LateMs) {
            qCInfo(practiceLog, "Cancelled the spoken cue \"%s\": %lld ms late", qUtf8Printable(text), late);
            return;
        }
        const int serial = ++m_serial;
        m_started = false;
        m_engine->say(text);
        if (m_engine && m_engine->state() == QTextToSpeech::Speaking)
            m_started = true;
        const qint64 left = std::max<qint64>(dueMs + LateMs - m_shared->elapsedMs(), 0);
        QTimer::singleShot(left, this, [this, serial, text] {
            if (serial != m_serial || m_started || !m_engine)
                return;
            m_engine->stop();
            qCInfo(practiceLog, "Cancelled the spoken cue \"%s\": not started within %lld ms", qUtf8Printable(text),
                LateMs);
        });
    }

private:
    void adopt(std::unique_ptr<QTextToSpeech> engine, const QString& name)
    {
        m_engine = engine.release();
        // Some engines fail only when they first speak (flite with no sound device); from then on the tones alone
        // mark the holds.
        connect(m_engine, &QTextToSpeech::stateChanged, this, [this, name](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking)
                m_started = true;
            if (state == QTextToSpeech::Error)
                fail({SpeechState::Failed, name, m_engine->errorString()});
        });
        m_shared->setSpeech({SpeechState::Ready, name, {}});
    }

    void fail(SpeechStatus status)
    {
        if (status.reason.isEmpty())
            status.reason = QStringLiteral("it gave no reason");
        qCWarning(practiceLog, "The %s speech engine could not start: %s", qUtf8Printable(status.engine),
            qUtf8Printable(status.reason));
        if (m_engine) {
            m_engine->disconnect(this);
            m_engine->deleteLater();
            m_engine = nullptr;
        }
        m_shared->setSpeech(status);
    }

    std::shared_ptr<CuePlayer::Shared> m_shared;
    QTextToSpeech* m_engine = nullptr;
    int m_serial = 0;
    bool m_started = false;
};

// Owns the two tones on the tone thread: Qt 6.4 connects to PulseAudio synchronously when the first is made.
class ToneWorker : public QObject
{
public:
    void start()
    {
        for (Tone tone : {Tone::Begin, Tone::End}) {
            auto* effect = new QSoundEffect(this);
            effect->setSource(QUrl(QStringLiteral("qrc:/assets/sounds/%1.wav").arg(QLatin1String(toneName(tone)))));
            connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
                if (effect->status() == QSoundEffect::Error && !m_failed) {
                    m_failed = true;
                    qCWarning(practiceLog, "The tones cannot sound: no sound server takes them");
                }
            });
            m_effects[int(tone)] = effect;
        }
    }

    void play(Tone tone)
    {
        QSoundEffect* effect = m_effects[int(tone)];
        qCDebug(practiceLog, "Tone %s: %s", toneName(tone), effect->isLoaded() ? "playing" : "playing once loaded");
        effect->play();
    }

private:
    QSoundEffect* m_effects[2] = {};
    bool m_failed = false;
};

CuePlayer::CuePlayer()
    : m_shared(std::make_shared<Shared>())
    , m_speechThread(new QThread)
    , m_toneThread(new QThread)
    , m_speech(new SpeechWorker(m_shared))
    , m_tones(new ToneWorker)
{
    m_shared->clock.start();
    m_speechThread->setObjectName(QStringLiteral("speech"));
    m_toneThread->setObjectName(QStringLiteral("tones"));
    const struct
    {
        QThread* thread;
        QObject* worker;
    } pairs[] = {{m_speechThread, m_speech}, {m_toneThread, m_tones}};
    for (const auto& pair : pairs) {
        pair.worker->moveToThread(pair.thread);
        QObject::connect(pair.thread, &QThread::finished, pair.worker, &QObject::deleteLater);
        pair.thread->start();
    }
    QMetaObject::invokeMethod(
        m_speech, [worker = m_speech] { worker->start(); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        m_tones, [worker = m_tones] { worker->start(); }, Qt::QueuedConnection);
}

CuePlayer::~CuePlayer()
{
    m_speechThread->quit();
    m_toneThread->quit();
    for (QThread* thread : {m_speechThread, m_toneThread}) {
        // A thread still inside the engine or the sound server is let go with the process, never waited for.
        if (thread->wait(LeaveBehindMs))
            delete thread;
        else
            qCWarning(practiceLog, "Left the %s thread behind: a service still holds it",
                qUtf8Printable(thread->objectName()));
    }
}

SpeechStatus CuePlayer::speech() const
{
    const QMutexLocker locked(&m_shared->lock);
    return m_shared->status;
}

void CuePlayer::say(const QString& text)
{
    QMetaObject::invokeMethod(
        m_speech, [worker = m_speech, text, due = m_shared->elapsedMs()] { worker->say(text, due); },
        Qt::QueuedConnection);
}

void CuePlayer::playTone(Tone tone)
{
    QMetaObject::invokeMethod(
        m_tones, [worker = m_tones, tone] { worker->play(tone); }, Qt::QueuedConnection);
}

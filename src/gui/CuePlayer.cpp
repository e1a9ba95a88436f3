#include "gui/CuePlayer.h"

#include "tones/TonePlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(practiceLog, "astravida.practice")

// A cue heard later than this would run behind the countdown it belongs to.
constexpr qint64 LateMs = 1000;
// How long the destructor gives each thread; a service that holds one longer is left behind.
constexpr int LeaveBehindMs = 1000;

} // namespace

struct CuePlayer::Shared
{
    QElapsedTimer clock; // started once, then only read
    QMutex lock;
    SpeechStatus status {SpeechState::Starting, {}, {}};
    // Spoken cues by number: the last the speech thread took up, and the last given up on while it was held
    // elsewhere, so that a cue is either spoken or reported cancelled, never both.
    int taken = 0;
    int givenUp = 0;

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

    void say(const QString& text, qint64 dueMs, int number)
    {
        {
            const QMutexLocker locked(&m_shared->lock);
            m_shared->taken = number;
            if (number <= m_shared->givenUp)
                return;
        }
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

// Loads the tone module and owns its player on the tone thread.
class ToneWorker : public QObject
{
public:
    // The module, not the program, links Qt Multimedia: its libraries and the sound server's client cost 3 MB of
    // resident memory, which a start-up that never opens a practice must not pay (the peak memory at start-up, held
    // to 1.5 times a bare Qt window). Loading it here keeps that cost, and the sound server's synchronous connection,
    // off the window's thread too.
    void start()
    {
        QLibrary module(toneModulePath());
        const auto make = reinterpret_cast<MakeTonePlayer>(module.resolve(ASTRAVIDA_TONES_ENTRY));
        if (!make) {
            qCWarning(practiceLog, "The tones cannot sound: %s", qUtf8Printable(module.errorString()));
            return;
        }
        // Never unloaded: a thread left behind may still be inside it as the process ends.
        m_player.reset(make());
    }

    void play(Tone tone)
    {
        if (m_player)
            m_player->play(tone);
    }

private:
    // Beside the program in the build tree; once installed, in its plugins folder under the libraries, found from the
    // program's folder so that any prefix works.
    static QString toneModulePath()
    {
        const QDir programFolder(QCoreApplication::applicationDirPath());
        for (const char* folder : {".", ASTRAVIDA_TONES_INSTALLED}) {
            const QString path = QDir::cleanPath(programFolder.filePath(QLatin1String(folder))
                + QLatin1String("/" ASTRAVIDA_TONES_FILE));
            if (QFileInfo::exists(path))
                return path;
        }
        return QStringLiteral(ASTRAVIDA_TONES_FILE);
    }

    std::unique_ptr<TonePlayer> m_player;
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
    const int number = ++m_said;
    QMetaObject::invokeMethod(
        m_speech, [worker = m_speech, text, due = m_shared->elapsedMs(), number] { worker->say(text, due, number); },
        Qt::QueuedConnection);
    // A speech thread stuck inside an engine call never gets to its own check, so the time limit is kept from here.
    QTimer::singleShot(LateMs, &m_watch, [shared = m_shared, text, number] {
        const QMutexLocker locked(&shared->lock);
        if (shared->taken >= number)
            return;
        shared->givenUp = number;
        qCInfo(practiceLog, "Cancelled the spoken cue \"%s\": the speech engine did not take it within %lld ms",
            qUtf8Printable(text), LateMs);
    });
}

void CuePlayer::playTone(Tone tone)
{
    QMetaObject::invokeMethod(
        m_tones, [worker = m_tones, tone] { worker->play(tone); }, Qt::QueuedConnection);
}

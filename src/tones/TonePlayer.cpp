#include "tones/TonePlayer.h"

#include <QLoggingCategory>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace {

Q_LOGGING_CATEGORY(practiceLog, "astravida.practice")

const char* toneName(Tone tone)
{
    return tone == Tone::Begin ? "begin" : "end";
}

// Qt 6.4 connects to PulseAudio synchronously when the first effect is made, so this lives on the tone thread.
class SoundEffectTones : public QObject, public TonePlayer
{
public:
    SoundEffectTones()
    {
        for (Tone tone : {Tone::Begin, Tone::End}) {
            auto* effect = new QSoundEffect(this);
            // The tones are the program's resources; the module reads them from the process it is loaded into.
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

    void play(Tone tone) override
    {
        QSoundEffect* effect = m_effects[int(tone)];
        qCDebug(practiceLog, "Tone %s: %s", toneName(tone), effect->isLoaded() ? "playing" : "playing once loaded");
        effect->play();
    }

private:
    QSoundEffect* m_effects[2] = {};
    bool m_failed = false;
};

} // namespace

extern "C" Q_DECL_EXPORT TonePlayer* astravida_make_tone_player()
{
    return new SoundEffectTones;
}

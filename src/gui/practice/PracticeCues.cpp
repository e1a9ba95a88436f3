#include "gui/practice/PracticeCues.h"

#include "core/Platform.h"
#include "core/PracticeWords.h"

void soundCues(
    Platform& platform, const QVector<PracticeCue>& cues, const PracticeSession& session, bool speak, bool tones)
{
    if (cues.isEmpty())
        return;
    if (tones) {
        // Cues that arrive together sound as one: the last hold boundary among them.
        for (auto cue = cues.rbegin(); cue != cues.rend(); ++cue) {
            if (*cue == PracticeCue::Begin || *cue == PracticeCue::ChangeSides || *cue == PracticeCue::Relax) {
                platform.playTone(*cue == PracticeCue::Begin ? Tone::Begin : Tone::End);
                break;
            }
        }
    }
    // Speech is asked each time: an engine that fails on the way falls silent, and the tones go on.
    if (speak && platform.speech().state == SpeechState::Ready)
        platform.say(cueWords(cues, session));
}

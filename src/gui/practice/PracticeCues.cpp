#include "gui/practice/PracticeCues.h"

#include "core/Platform.h"
#include "core/PracticeWords.h"

#include <algorithm>

void soundCues(Platform& platform, const QVector<PracticeCue>& cues, const PracticeSession& session, bool speak)
{
    if (cues.isEmpty())
        return;
    // Speech that has failed since the window opened gives way to the sound.
    if (speak && platform.canSpeak()) {
        platform.say(cueWords(cues, session));
        return;
    }
    const bool holdStartsOrEnds = std::any_of(cues.begin(), cues.end(), [](PracticeCue cue) {
        return cue == PracticeCue::Begin || cue == PracticeCue::ChangeSides || cue == PracticeCue::Relax;
    });
    if (holdStartsOrEnds)
        platform.soundCue();
}

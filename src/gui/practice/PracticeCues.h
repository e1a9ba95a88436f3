#pragma once

#include "core/PracticeSession.h"

class Platform;

// The one place the practice's cues leave the program: a tone where a hold starts or ends, and the words where the
// person chose speech and the engine is ready. Each is asked for without waiting.
void soundCues(
    Platform& platform, const QVector<PracticeCue>& cues, const PracticeSession& session, bool speak, bool tones);

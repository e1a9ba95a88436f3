#pragma once

#include "core/PracticeSession.h"

class Platform;

// The one place the practice's cues leave the program: spoken as words where the person chose speech and an engine
// speaks, else a short sound where a hold starts or ends.
void soundCues(Platform& platform, const QVector<PracticeCue>& cues, const PracticeSession& session, bool speak);

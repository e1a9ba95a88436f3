#pragma once

#include "core/PracticeSession.h"

#include <QString>
#include <QVector>

#include <optional>

// What the practice says and shows in words, the same on every page, on the sheet and in the spoken cues.

// "1:05": a countdown's minutes and seconds, rounded up, so "0:00" shows only once the time is up.
QString clockText(qint64 ms);
// "8 min 30 s", "2 min", "15 s", rounded up as clockText() rounds.
QString durationText(qint64 ms);
// "Hold 15 s", "Hold 2 min", "Hold 1 min 30 s", with ", each side" where the pose is done on both sides.
QString holdText(int seconds, bool eachSide);

inline const QString HoldLimits = QStringLiteral("10 s \u2013 10 min");
// Seconds from "1:30", "1:5" or "90"; nothing from text that is no time at all.
std::optional<int> parseHoldText(const QString& text);
// For a hold typed outside the limits, what it was set to and why; empty within them.
QString holdLimitNote(int typedSeconds);

// "Right side" or "Left side" for the side of a pose done on each side (0 first), empty for a pose done once.
QString sideName(const PracticeStep& step, int side);

// Each phase has its own word and colour on the pose page.
enum class PhaseLook { GetReady, Hold, ChangeSides, Paused };
PhaseLook phaseLook(const PracticeSession& session);
// "Get ready", "Hold", "Hold: left side", "Change sides: left side", "Paused".
QString phaseCaption(const PracticeSession& session);

// The cues that update() returned, as one utterance: a new one would cut short the one before.
QString cueWords(const QVector<PracticeCue>& cues, const PracticeSession& session);

// "held", "partly held", "skipped".
QString verdictText(PoseVerdict verdict);

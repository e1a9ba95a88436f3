#include "core/PracticeWords.h"

#include "core/PracticeSettings.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

qint64 wholeSeconds(qint64 ms)
{
    return (ms + 999) / 1000;
}

} // namespace

QString clockText(qint64 ms)
{
    const qint64 seconds = wholeSeconds(ms);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString durationText(qint64 ms)
{
    const qint64 seconds = wholeSeconds(ms);
    QStringList parts;
    if (seconds >= 60)
        parts << QStringLiteral("%1 min").arg(seconds / 60);
    if (seconds % 60 > 0 || seconds < 60)
        parts << QStringLiteral("%1 s").arg(seconds % 60);
    return parts.join(QLatin1Char(' '));
}

QString holdText(int seconds, bool eachSide)
{
    return QStringLiteral("Hold ") + durationText(seconds * qint64(1000))
        + (eachSide ? QStringLiteral(", each side") : QString());
}

std::optional<int> parseHoldText(const QString& text)
{
    static const QRegularExpression time(QStringLiteral("^\\s*(?:(\\d{1,4}):)?(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch match = time.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt() * 60 + match.captured(2).toInt();
}

QString holdLimitNote(int typedSeconds)
{
    if (typedSeconds < MinHoldSeconds)
        return QStringLiteral("Set to the shortest hold, 10 s");
    if (typedSeconds > MaxHoldSeconds)
        return QStringLiteral("Set to the longest hold, 10 min");
    return {};
}

QString sideName(const PracticeStep& step, int side)
{
    if (!step.eachSide)
        return {};
    const bool right = (step.firstSide == Side::Right) == (side == 0);
    return right ? QStringLiteral("Right side") : QStringLiteral("Left side");
}

PhaseLook phaseLook(const PracticeSession& session)
{
    if (session.isPaused())
        return PhaseLook::Paused;
    if (session.phase() != PracticeSession::Phase::LeadIn)
        return PhaseLook::Hold;
    return session.side() == 1 ? PhaseLook::ChangeSides : PhaseLook::GetReady;
}

QString phaseCaption(const PracticeSession& session)
{
    static const QString words[] = {
        QStringLiteral("Get ready"), QStringLiteral("Hold"), QStringLiteral("Change sides"), QStringLiteral("Paused")};
    const PhaseLook look = phaseLook(session);
    const QString side = sideName(session.plan()[session.pose()], session.side());
    if (look == PhaseLook::Paused || side.isEmpty())
        return words[int(look)];
    return words[int(look)] + QStringLiteral(": ") + side.toLower();
}

QString cueWords(const QVector<PracticeCue>& cues, const PracticeSession& session)
{
    const PracticeStep& step = session.plan()[session.pose()];
    const QString side = sideName(step, session.side());
    QStringList words;
    for (PracticeCue cue : cues) {
        switch (cue) {
        case PracticeCue::GetReady:
            words << QStringLiteral("Get ready: ") + asana(step.asana).displayName
                    + (side.isEmpty() ? QString() : QStringLiteral(", ") + side.toLower());
            break;
        case PracticeCue::ChangeSides:
            words << QStringLiteral("Change sides: ") + side.toLower();
            break;
        case PracticeCue::Begin:
            words << QStringLiteral("Begin");
            break;
        case PracticeCue::Three:
            words << QStringLiteral("Three");
            break;
        case PracticeCue::Two:
            words << QStringLiteral("Two");
            break;
        case PracticeCue::One:
            words << QStringLiteral("One");
            break;
        case PracticeCue::Relax:
            words << QStringLiteral("Relax");
            break;
        }
    }
    return words.join(QStringLiteral(". "));
}

QString verdictText(PoseVerdict verdict)
{
    switch (verdict) {
    case PoseVerdict::Held:
        return QStringLiteral("held");
    case PoseVerdict::PartlyHeld:
        return QStringLiteral("partly held");
    case PoseVerdict::Skipped:
        break;
    }
    return QStringLiteral("skipped");
}

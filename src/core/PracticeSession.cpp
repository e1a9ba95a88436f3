#include "core/PracticeSession.h"

#include "core/AsanaCatalogue.h"
#include "core/PracticeSettings.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 Second = 1000;

} // namespace

QVector<PracticeStep> practicePlan(const QString& sign, const PracticeSettings& settings)
{
    QVector<PracticeStep> plan;
    for (const RecommendedAsana& recommended : recommendedAsanas(sign))
        plan.append(
            {recommended.number, settings.holdFor(recommended.number), asana(recommended.number).hold.eachSide});
    return plan;
}

PracticeSession::PracticeSession(const QVector<PracticeStep>& plan, int leadInSeconds)
    : m_plan(plan)
    , m_leadInMs(leadInSeconds * Second)
{ }

void PracticeSession::start(qint64 nowMs)
{
    m_lastMs = nowMs;
    m_practisedMs = 0;
    m_paused = false;
    m_heldUpMs = 0;
    m_completed.clear();
    m_pending.clear();
    if (m_plan.isEmpty())
        m_phase = Phase::Done;
    else
        enterLeadIn(0, 0);
}

QVector<PracticeCue> PracticeSession::update(qint64 nowMs)
{
    advanceTo(nowMs);
    return std::exchange(m_pending, {});
}

void PracticeSession::pause(qint64 nowMs)
{
    advanceTo(nowMs);
    m_paused = m_phase == Phase::LeadIn || m_phase == Phase::Hold;
    m_heldUpMs = 0;
}

void PracticeSession::resume(qint64 nowMs)
{
    advanceTo(nowMs);
    m_paused = false;
    m_heldUpMs = 0;
}

void PracticeSession::next(qint64 nowMs)
{
    advanceTo(nowMs);
    if (m_phase != Phase::LeadIn && m_phase != Phase::Hold)
        return;
    if (m_pose + 1 < m_plan.size())
        enterLeadIn(m_pose + 1, 0);
    else
        stop(nowMs);
}

void PracticeSession::previous(qint64 nowMs)
{
    advanceTo(nowMs);
    if (m_phase == Phase::LeadIn || m_phase == Phase::Hold)
        enterLeadIn(std::max(m_pose - 1, 0), 0);
}

void PracticeSession::stop(qint64 nowMs)
{
    advanceTo(nowMs);
    m_phase = Phase::Done;
    m_phaseElapsedMs = 0;
    m_paused = false;
    m_heldUpMs = 0;
}

qint64 PracticeSession::phaseLengthMs() const
{
    switch (m_phase) {
    case Phase::LeadIn:
        return m_leadInMs;
    case Phase::Hold:
        return m_plan[m_pose].holdSeconds * Second;
    default:
        return 0;
    }
}

qint64 PracticeSession::plannedMs() const
{
    qint64 total = 0;
    for (const PracticeStep& step : m_plan)
        total += (step.eachSide ? 2 : 1) * (m_leadInMs + step.holdSeconds * Second);
    return total;
}

void PracticeSession::advanceTo(qint64 nowMs)
{
    qint64 left = isRunning() ? std::max<qint64>(nowMs - m_lastMs, 0) : 0;
    m_lastMs = nowMs;
    if (left > HeldUpMs) {
        m_paused = true;
        m_heldUpMs = left;
        return;
    }
    // A late call passes every point it missed, each at its own time, so lateness never adds up.
    while (left > 0 && (m_phase == Phase::LeadIn || m_phase == Phase::Hold)) {
        const qint64 length = phaseLengthMs();
        const qint64 step = std::min(left, length - m_phaseElapsedMs);
        if (m_phase == Phase::Hold) {
            for (const auto& [secondsLeft, cue] :
                {std::pair {3, PracticeCue::Three}, {2, PracticeCue::Two}, {1, PracticeCue::One}}) {
                const qint64 at = length - secondsLeft * Second;
                if (m_phaseElapsedMs < at && at <= m_phaseElapsedMs + step)
                    m_pending.append(cue);
            }
        }
        m_phaseElapsedMs += step;
        m_practisedMs += step;
        left -= step;
        if (m_phaseElapsedMs < length)
            break;
        if (m_phase == Phase::LeadIn)
            enterHold();
        else
            finishHold();
    }
}

void PracticeSession::enterLeadIn(int pose, int side)
{
    m_phase = Phase::LeadIn;
    m_pose = pose;
    m_side = side;
    m_phaseElapsedMs = 0;
    m_pending.append(side == 0 ? PracticeCue::GetReady : PracticeCue::ChangeSides);
    if (m_leadInMs == 0)
        enterHold();
}

void PracticeSession::enterHold()
{
    m_phase = Phase::Hold;
    m_phaseElapsedMs = 0;
    m_pending.append(PracticeCue::Begin);
}

void PracticeSession::finishHold()
{
    if (m_plan[m_pose].eachSide && m_side == 0) {
        enterLeadIn(m_pose, 1);
        return;
    }
    m_pending.append(PracticeCue::Relax);
    m_completed.insert(m_pose);
    if (m_pose + 1 < m_plan.size()) {
        enterLeadIn(m_pose + 1, 0);
    } else {
        m_phase = Phase::Done;
        m_phaseElapsedMs = 0;
    }
}

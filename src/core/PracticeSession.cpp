#include "core/PracticeSession.h"

#include "core/PracticeSettings.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 Second = 1000;
// Back within this of a start goes one further back, as a music player's does.
constexpr qint64 BackTwiceMs = 2 * Second;

QVector<int> numbersOf(const QVector<RecommendedAsana>& asanas)
{
    QVector<int> numbers;
    for (const RecommendedAsana& recommended : asanas)
        numbers.append(recommended.number);
    return numbers;
}

} // namespace

QVector<PracticeStep> practicePlan(
    const QString& sign, const QVector<RecommendedAsana>& asanas, const PracticeSettings& settings)
{
    QVector<int> order = numbersOf(asanas);
    const QVector<int> remembered = settings.order.value(sign);
    // Only the same poses rearranged: a reading whose list has changed since starts again from its own order.
    if (remembered.size() == order.size() && std::is_permutation(order.begin(), order.end(), remembered.begin()))
        order = remembered;
    const QVector<int> leftOut = settings.leftOut.value(sign);
    QVector<PracticeStep> plan;
    for (int number : order) {
        const Hold& hold = asana(number).hold;
        plan.append({number, settings.holdFor(number), hold.eachSide, hold.firstSide, !leftOut.contains(number)});
    }
    return plan;
}

void keepPlan(PracticeSettings& settings, const QString& sign, const QVector<PracticeStep>& plan)
{
    QVector<int> order;
    QVector<int> leftOut;
    for (const PracticeStep& step : plan) {
        settings.holdSeconds.insert(step.asana, step.holdSeconds);
        order.append(step.asana);
        if (!step.included)
            leftOut.append(step.asana);
    }
    settings.order.insert(sign, order);
    settings.leftOut.insert(sign, leftOut);
}

PracticeSession::PracticeSession(const QVector<PracticeStep>& plan, int leadInSeconds)
    : m_plan(plan)
    , m_leadInMs(leadInSeconds * Second)
    , m_records(plan.size())
{ }

void PracticeSession::start(qint64 nowMs)
{
    m_lastMs = nowMs;
    m_runStartMs = nowMs;
    m_earlierRunsMs = 0;
    m_heldMs = 0;
    m_paused = false;
    m_stoppedEarly = false;
    m_heldUpMs = 0;
    m_records.fill({});
    m_pending.clear();
    const int first = includedAfter(-1);
    if (first < 0)
        finish(nowMs);
    else
        enterLeadIn(first, 0);
}

QVector<PracticeCue> PracticeSession::update(qint64 nowMs)
{
    advanceTo(nowMs);
    return std::exchange(m_pending, {});
}

void PracticeSession::pause(qint64 nowMs)
{
    advanceTo(nowMs);
    m_paused = isUnderWay();
    m_heldUpMs = 0;
}

void PracticeSession::resume(qint64 nowMs)
{
    advanceTo(nowMs);
    m_paused = false;
    m_heldUpMs = 0;
    if (canResume()) {
        m_stoppedEarly = false;
        m_runStartMs = nowMs;
        enterLeadIn(m_pose, 0);
    }
}

void PracticeSession::next(qint64 nowMs)
{
    advanceTo(nowMs);
    if (!isUnderWay())
        return;
    const int following = includedAfter(m_pose);
    if (following >= 0)
        enterLeadIn(following, 0);
    else
        stop(nowMs);
}

void PracticeSession::previous(qint64 nowMs)
{
    advanceTo(nowMs);
    if (!isUnderWay())
        return;
    const bool wellUnderWay = m_phase == Phase::Hold && m_phaseElapsedMs > BackTwiceMs;
    if (m_side == 1)
        enterLeadIn(m_pose, wellUnderWay ? 1 : 0);
    else if (wellUnderWay)
        enterLeadIn(m_pose, 0);
    else
        enterLeadIn(std::max(includedBefore(m_pose), includedAfter(-1)), 0);
}

void PracticeSession::stop(qint64 nowMs)
{
    advanceTo(nowMs);
    if (!isUnderWay())
        return;
    m_stoppedEarly = true;
    finish(nowMs);
}

int PracticeSession::poseNumber() const
{
    int number = 0;
    for (int i = 0; i <= m_pose && i < m_plan.size(); ++i)
        number += m_plan[i].included ? 1 : 0;
    return number;
}

int PracticeSession::includedCount() const
{
    return int(std::count_if(m_plan.begin(), m_plan.end(), [](const PracticeStep& step) { return step.included; }));
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

qint64 PracticeSession::sideMs(int pose) const
{
    return m_leadInMs + m_plan[pose].holdSeconds * Second;
}

qint64 PracticeSession::poseMs(int pose) const
{
    return m_plan[pose].included ? (m_plan[pose].eachSide ? 2 : 1) * sideMs(pose) : 0;
}

qint64 PracticeSession::poseLeftMs() const
{
    if (!isUnderWay())
        return 0;
    qint64 left = remainingMs();
    if (m_phase == Phase::LeadIn)
        left += m_plan[m_pose].holdSeconds * Second;
    if (m_plan[m_pose].eachSide && m_side == 0)
        left += sideMs(m_pose);
    return left;
}

qint64 PracticeSession::sessionLeftMs() const
{
    qint64 left = poseLeftMs();
    for (int i = m_pose + 1; isUnderWay() && i < m_plan.size(); ++i)
        left += poseMs(i);
    return left;
}

int PracticeSession::posesCompleted() const
{
    return int(std::count_if(m_records.begin(), m_records.end(), [](const PoseRecord& record) { return record.held; }));
}

PoseVerdict PracticeSession::verdict(int pose) const
{
    const PoseRecord& record = m_records[pose];
    if (record.held)
        return PoseVerdict::Held;
    return record.begun ? PoseVerdict::PartlyHeld : PoseVerdict::Skipped;
}

qint64 PracticeSession::sessionMs() const
{
    return m_earlierRunsMs + (isUnderWay() ? m_lastMs - m_runStartMs : 0);
}

qint64 PracticeSession::plannedMs() const
{
    qint64 total = 0;
    for (int i = 0; i < m_plan.size(); ++i)
        total += poseMs(i);
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
    while (left > 0 && isUnderWay()) {
        const qint64 length = phaseLengthMs();
        const qint64 step = std::min(left, length - m_phaseElapsedMs);
        if (m_phase == Phase::Hold) {
            for (const auto& [secondsLeft, cue] :
                {std::pair {3, PracticeCue::Three}, {2, PracticeCue::Two}, {1, PracticeCue::One}}) {
                const qint64 at = length - secondsLeft * Second;
                if (m_phaseElapsedMs < at && at <= m_phaseElapsedMs + step)
                    m_pending.append(cue);
            }
            m_heldMs += step;
        }
        m_phaseElapsedMs += step;
        left -= step;
        if (m_phaseElapsedMs < length)
            break;
        if (m_phase == Phase::LeadIn)
            enterHold();
        else
            finishHold();
        if (m_phase == Phase::Done)
            finish(nowMs - left);
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
    m_records[m_pose].begun = true;
    m_pending.append(PracticeCue::Begin);
}

void PracticeSession::finishHold()
{
    if (m_plan[m_pose].eachSide && m_side == 0) {
        enterLeadIn(m_pose, 1);
        return;
    }
    m_pending.append(PracticeCue::Relax);
    m_records[m_pose].held = true;
    const int following = includedAfter(m_pose);
    if (following >= 0)
        enterLeadIn(following, 0);
    else
        m_phase = Phase::Done;
}

void PracticeSession::finish(qint64 atMs)
{
    m_earlierRunsMs += atMs - m_runStartMs;
    m_phase = Phase::Done;
    m_phaseElapsedMs = 0;
    m_paused = false;
    m_heldUpMs = 0;
}

int PracticeSession::includedAfter(int pose) const
{
    for (int i = pose + 1; i < m_plan.size(); ++i) {
        if (m_plan[i].included)
            return i;
    }
    return -1;
}

int PracticeSession::includedBefore(int pose) const
{
    for (int i = pose - 1; i >= 0; --i) {
        if (m_plan[i].included)
            return i;
    }
    return -1;
}

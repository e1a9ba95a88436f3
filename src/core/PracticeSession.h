#pragma once

#include "core/AsanaCatalogue.h"

#include <QString>
#include <QVector>

struct PracticeSettings;

// One asana of a practice, held once or once on each side, and left in or out of the session.
struct PracticeStep
{
    int asana; // catalogue number
    int holdSeconds; // for each side
    bool eachSide;
    Side firstSide = Side::Right;
    bool included = true;

    friend bool operator==(const PracticeStep& a, const PracticeStep& b)
    {
        return a.asana == b.asana && a.holdSeconds == b.holdSeconds && a.eachSide == b.eachSide
            && a.firstSide == b.firstSide && a.included == b.included;
    }
};

// The reading's asanas as the person shaped them for the sign: the remembered order and choice of poses where they
// still fit the reading, else the reading's order with every pose in, each held as chosen or as its procedure says.
// With default settings, the recommended plan.
QVector<PracticeStep> practicePlan(
    const QString& sign, const QVector<RecommendedAsana>& asanas, const PracticeSettings& settings);
// Remembers the plan's holds, and its order and choice of poses for the sign.
void keepPlan(PracticeSettings& settings, const QString& sign, const QVector<PracticeStep>& plan);

// What a session announces as it passes each point; the window speaks or sounds them.
enum class PracticeCue {
    GetReady, // a lead-in starts on a new asana
    ChangeSides, // the first side's hold has ended; the second side's lead-in starts
    Begin, // a hold starts
    Three,
    Two,
    One, // the last seconds of a hold
    Relax, // an asana's last hold has ended
};

// How far a pose of the plan was practised, as the done page marks it.
enum class PoseVerdict {
    Held, // its whole hold, on both sides where it has two
    PartlyHeld, // a hold begun and not finished, or one side only
    Skipped, // left out of the plan, or passed before its hold began
};

// A guided practice as a state machine: a lead-in before each hold, the holds (twice for an asana done on each side),
// pause, skipping both ways, stopping and taking up again where it stopped. Poses left out of the plan are passed
// over. It keeps no clock of its own: every call takes the time now in milliseconds from one monotonic clock, so the
// timing is exact however late the caller asks. A caller held up for longer than HeldUpMs (a hung service, a stopped
// process, a machine that slept) finds the session paused where the gap began, rather than poses passed that nobody
// saw.
class PracticeSession
{
public:
    enum class Phase { NotStarted, LeadIn, Hold, Done };
    // The longest gap between two calls that is still caught up: a busy machine keeps its time, a held-up one its
    // place.
    static constexpr qint64 HeldUpMs = 2000;

    PracticeSession(const QVector<PracticeStep>& plan, int leadInSeconds);

    // Every call brings the session up to now first; the cues it passes wait for the next update().
    void start(qint64 nowMs);
    // Brings the session up to now and returns the cues passed since the last update, in order.
    QVector<PracticeCue> update(qint64 nowMs);
    void pause(qint64 nowMs);
    // A paused session runs on; one stopped early starts again at the lead-in of the pose where it stopped.
    void resume(qint64 nowMs);
    // To the next asana's lead-in, or to the end after the last; a paused session stays paused.
    void next(qint64 nowMs);
    // As a music player's Back: to the start of the side or pose under way, or, within 2 s of that start, the one
    // before; a paused session stays paused.
    void previous(qint64 nowMs);
    void stop(qint64 nowMs);

    Phase phase() const { return m_phase; }
    bool isPaused() const { return m_paused; }
    // The gap that paused the session, while it stays paused for it; 0 otherwise.
    qint64 heldUpMs() const { return m_heldUpMs; }
    bool isRunning() const { return isUnderWay() && !m_paused; }
    // Started and not yet done, paused or not.
    bool isUnderWay() const { return m_phase == Phase::LeadIn || m_phase == Phase::Hold; }
    // Done by a stop or a skip past the last pose, so resume() takes it up again.
    bool canResume() const { return m_phase == Phase::Done && m_stoppedEarly; }
    // The whole plan, left-out poses included.
    const QVector<PracticeStep>& plan() const { return m_plan; }
    // The asana on view, as its index in plan(); once done, the last one reached.
    int pose() const { return m_pose; }
    // 0 for the first (or only) side, 1 for the second.
    int side() const { return m_side; }
    // The next included pose after the one on view, or -1.
    int nextPose() const { return includedAfter(m_pose); }
    // The pose on view counted among the included ones from 1, and how many are included.
    int poseNumber() const;
    int includedCount() const;
    qint64 phaseLengthMs() const;
    // As of the last call.
    qint64 remainingMs() const { return phaseLengthMs() - m_phaseElapsedMs; }
    // A pose's lead-ins and holds, both sides; 0 for a pose left out.
    qint64 poseMs(int pose) const;
    // What is left of the pose on view, and of the whole session, as it runs untouched from here.
    qint64 poseLeftMs() const;
    qint64 sessionLeftMs() const;
    // Asanas whose holds all ran to their end, each counted once however often it was practised.
    int posesCompleted() const;
    PoseVerdict verdict(int pose) const;
    // Time spent holding poses: lead-ins and pauses left out.
    qint64 heldMs() const { return m_heldMs; }
    // The time the session took on the clock, pauses included, while it ran or stood paused.
    qint64 sessionMs() const;
    // The included poses, lead-ins and all, as they run untouched.
    qint64 plannedMs() const;

private:
    struct PoseRecord
    {
        bool begun = false;
        bool held = false;
    };

    void advanceTo(qint64 nowMs);
    void enterLeadIn(int pose, int side);
    void enterHold();
    void finishHold();
    void finish(qint64 atMs);
    int includedAfter(int pose) const;
    int includedBefore(int pose) const;
    qint64 sideMs(int pose) const;

    QVector<PracticeStep> m_plan;
    qint64 m_leadInMs;
    Phase m_phase = Phase::NotStarted;
    bool m_paused = false;
    bool m_stoppedEarly = false;
    qint64 m_heldUpMs = 0;
    int m_pose = 0;
    int m_side = 0;
    qint64 m_phaseElapsedMs = 0;
    qint64 m_lastMs = 0; // the time of the last call
    qint64 m_heldMs = 0;
    qint64 m_runStartMs = 0; // when the session last started or was taken up again
    qint64 m_earlierRunsMs = 0; // the clock time of the runs before a stop
    QVector<PoseRecord> m_records;
    QVector<PracticeCue> m_pending;
};

#pragma once

#include <QSet>
#include <QString>
#include <QVector>

struct PracticeSettings;

// One asana of a practice, held once or once on each side.
struct PracticeStep
{
    int asana; // catalogue number
    int holdSeconds; // for each side
    bool eachSide;

    friend bool operator==(const PracticeStep& a, const PracticeStep& b)
    {
        return a.asana == b.asana && a.holdSeconds == b.holdSeconds && a.eachSide == b.eachSide;
    }
};

// The sign's recommended asanas in the reading's order, each held as the person chose or as its procedure says.
QVector<PracticeStep> practicePlan(const QString& sign, const PracticeSettings& settings);

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

// A guided practice as a state machine: a lead-in before each hold, the holds (twice for an asana done on each side),
// pause, skipping both ways and stopping. It keeps no clock of its own: every call takes the time now in
// milliseconds from one monotonic clock, so the timing is exact however late the caller asks. A caller held up for
// longer than HeldUpMs (a hung service, a stopped process, a machine that slept) finds the session paused where the
// gap began, rather than poses passed that nobody saw.
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
    void resume(qint64 nowMs);
    // To the next asana's lead-in, or to the end after the last; a paused session stays paused.
    void next(qint64 nowMs);
    // To the previous asana's lead-in, or the first asana's again.
    void previous(qint64 nowMs);
    void stop(qint64 nowMs);

    Phase phase() const { return m_phase; }
    bool isPaused() const { return m_paused; }
    // The gap that paused the session, while it stays paused for it; 0 otherwise.
    qint64 heldUpMs() const { return m_heldUpMs; }
    bool isRunning() const { return (m_phase == Phase::LeadIn || m_phase == Phase::Hold) && !m_paused; }
    const QVector<PracticeStep>& plan() const { return m_plan; }
    // The asana on view, counted from 0; once done, the last one reached.
    int pose() const { return m_pose; }
    // 0 for the first (or only) side, 1 for the second.
    int side() const { return m_side; }
    qint64 phaseLengthMs() const;
    // As of the last call.
    qint64 remainingMs() const { return phaseLengthMs() - m_phaseElapsedMs; }
    // Asanas whose holds all ran to their end, each counted once however often it was practised.
    int posesCompleted() const { return int(m_completed.size()); }
    // Running time from start, pauses left out.
    qint64 practisedMs() const { return m_practisedMs; }
    // The whole plan, lead-ins included, as it runs untouched.
    qint64 plannedMs() const;

private:
    void advanceTo(qint64 nowMs);
    void enterLeadIn(int pose, int side);
    void enterHold();
    void finishHold();

    QVector<PracticeStep> m_plan;
    qint64 m_leadInMs;
    Phase m_phase = Phase::NotStarted;
    bool m_paused = false;
    qint64 m_heldUpMs = 0;
    int m_pose = 0;
    int m_side = 0;
    qint64 m_phaseElapsedMs = 0;
    qint64 m_lastMs = 0; // the time of the last call
    qint64 m_practisedMs = 0;
    QSet<int> m_completed;
    QVector<PracticeCue> m_pending;
};

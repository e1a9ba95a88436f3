#include "core/AsanaCatalogue.h"
#include "core/PracticeSession.h"
#include "core/PracticeSettings.h"
#include "core/PracticeWords.h"

#include <QTest>

Q_DECLARE_METATYPE(PracticeSession::Phase)

namespace {

// Held 10 s each, lead-ins of 2 s: 12 s, then 2 x 12 s for the asana done on each side, then 12 s; 48 s in all.
const QVector<PracticeStep> Plan = {{1, 10, false}, {14, 10, true}, {3, 10, false}};

const char* const CueNames[] = {"GetReady", "ChangeSides", "Begin", "Three", "Two", "One", "Relax"};

// Runs "action@ms" events, space separated, and gathers the cues that update() hands out on the way. Between events
// the session is updated every Tick, as the window's timer does; "late@ms" is an update after a gap with none.
constexpr qint64 Tick = 200;

QString run(PracticeSession& session, const QString& events)
{
    QStringList cues;
    const auto gather = [&](qint64 at) {
        for (PracticeCue cue : session.update(at))
            cues << QLatin1String(CueNames[int(cue)]);
    };
    qint64 last = 0;
    for (const QString& event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString action = event.section(QLatin1Char('@'), 0, 0);
        const qint64 at = event.section(QLatin1Char('@'), 1).toLongLong();
        if (action != QLatin1String("late") && session.phase() != PracticeSession::Phase::NotStarted) {
            for (qint64 tick = last + Tick; tick < at; tick += Tick)
                gather(tick);
        }
        last = at;
        if (action == QLatin1String("start"))
            session.start(at);
        else if (action == QLatin1String("pause"))
            session.pause(at);
        else if (action == QLatin1String("resume"))
            session.resume(at);
        else if (action == QLatin1String("next"))
            session.next(at);
        else if (action == QLatin1String("previous"))
            session.previous(at);
        else if (action == QLatin1String("stop"))
            session.stop(at);
        else if (action != QLatin1String("update") && action != QLatin1String("late"))
            qFatal("unknown event %s", qPrintable(action));
        gather(at);
    }
    return cues.join(QLatin1Char(' '));
}

} // namespace

class TestPracticeSession : public QObject
{
    Q_OBJECT
private slots:
    void followsEventsAndTime_data();
    void followsEventsAndTime();
    void planTakesTheReadingsOrderAndTheChosenHolds();
    void timesRoundUpAlike_data();
    void timesRoundUpAlike();
    void typedHoldsKeepToTheLimits_data();
    void typedHoldsKeepToTheLimits();
    void wordsSayTheSide_data();
    void wordsSayTheSide();
};

void TestPracticeSession::followsEventsAndTime_data()
{
    QTest::addColumn<int>("leadIn");
    QTest::addColumn<int>("leftOut"); // the pose left out of the plan, or -1
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("cues");
    QTest::addColumn<PracticeSession::Phase>("phase");
    QTest::addColumn<int>("pose");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("remainingMs");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("heldUpMs");
    QTest::addColumn<QString>("verdicts");
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<int>("sessionLeftMs");
    using P = PracticeSession::Phase;
    const QString none = QStringLiteral("skipped, skipped, skipped");
    const QString begun = QStringLiteral("partly held, skipped, skipped");
    const QString oneAndAHalf = QStringLiteral("held, partly held, skipped");

    QTest::newRow("lead-in counts down") << 2 << -1 << "start@0 update@1500"
                                         << "GetReady" << P::LeadIn << 0 << 0 << 500 << false << 0 << none << 0
                                         << 46500;
    QTest::newRow("hold begins as the lead-in ends")
        << 2 << -1 << "start@0 update@2000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 10000 << false << 0 << begun << 0 << 46000;
    QTest::newRow("last three seconds") << 2 << -1 << "start@0 update@8999 update@11000"
                                        << "GetReady Begin Three Two One" << P::Hold << 0 << 0 << 1000 << false << 0
                                        << begun << 9000 << 37000;
    QTest::newRow("an update 2 s late passes every point at its own time")
        << 2 << -1 << "start@0 update@22400 late@24400 update@26500"
        << "GetReady Begin Three Two One Relax GetReady Begin Three Two One ChangeSides Begin" << P::Hold << 1 << 1
        << 9500 << false << 0 << oneAndAHalf << 20500 << 21500;
    QTest::newRow("a longer gap pauses where it began")
        << 2 << -1 << "start@0 update@3000 late@38000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 9000 << true << 35000 << begun << 1000 << 45000;
    QTest::newRow("resuming after a gap goes on from there")
        << 2 << -1 << "start@0 update@3000 late@38000 resume@40000 update@41000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 8000 << false << 0 << begun << 2000 << 44000;
    QTest::newRow("pause keeps the remaining time, however long")
        << 2 << -1 << "start@0 pause@5250 late@60000 resume@60000 update@61000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 5750 << false << 0 << begun << 4250 << 41750;
    QTest::newRow("paused stays paused through next")
        << 2 << -1 << "start@0 pause@1000 next@1000 update@5000"
        << "GetReady GetReady" << P::LeadIn << 1 << 0 << 2000 << true << 0 << none << 0 << 36000;
    QTest::newRow("next skips without completing")
        << 2 << -1 << "start@0 next@3000"
        << "GetReady Begin GetReady" << P::LeadIn << 1 << 0 << 2000 << false << 0 << begun << 1000 << 36000;
    QTest::newRow("back within 2 s of a hold's start goes to the pose before; on the first, its start")
        << 2 << -1 << "start@0 update@15000 previous@15000 previous@15000"
        << "GetReady Begin Three Two One Relax GetReady Begin GetReady GetReady" << P::LeadIn << 0 << 0 << 2000 << false
        << 0 << oneAndAHalf << 11000 << 48000;
    QTest::newRow("back later in a hold starts the pose again")
        << 2 << -1 << "start@0 update@5000 previous@5000"
        << "GetReady Begin GetReady" << P::LeadIn << 0 << 0 << 2000 << false << 0 << begun << 3000 << 48000;
    QTest::newRow("back later in a second side starts that side again")
        << 2 << -1 << "start@0 update@30000 previous@30000"
        << "GetReady Begin Three Two One Relax GetReady Begin Three Two One ChangeSides Begin ChangeSides" << P::LeadIn
        << 1 << 1 << 2000 << false << 0 << oneAndAHalf << 24000 << 24000;
    QTest::newRow("back at a second side's start goes to the first side")
        << 2 << -1 << "start@0 update@27000 previous@27000"
        << "GetReady Begin Three Two One Relax GetReady Begin Three Two One ChangeSides Begin GetReady" << P::LeadIn
        << 1 << 0 << 2000 << false << 0 << oneAndAHalf << 21000 << 36000;
    QTest::newRow("no lead-in begins at once") << 0 << -1 << "start@0 update@10000"
                                               << "GetReady Begin Three Two One Relax GetReady Begin" << P::Hold << 1
                                               << 0 << 10000 << false << 0 << oneAndAHalf << 10000 << 30000;
    QTest::newRow("next after the last asana ends")
        << 2 << -1 << "start@0 next@0 next@0 next@0"
        << "GetReady GetReady GetReady" << P::Done << 2 << 0 << 0 << false << 0 << none << 0 << 0;
    QTest::newRow("ends on plan and counts no further")
        << 2 << -1 << "start@0 update@47999 update@48000 late@90000"
        << "GetReady Begin Three Two One Relax GetReady Begin Three Two One ChangeSides Begin Three Two One Relax "
           "GetReady Begin Three Two One Relax"
        << P::Done << 2 << 0 << 0 << false << 0 << "held, held, held" << 40000 << 0;
    QTest::newRow("stop keeps what was done") << 2 << -1 << "start@0 update@20000 stop@20500 update@30000"
                                              << "GetReady Begin Three Two One Relax GetReady Begin" << P::Done << 1
                                              << 0 << 0 << false << 0 << oneAndAHalf << 16500 << 0;
    QTest::newRow("resume after a stop takes up the pose where it stopped")
        << 2 << -1 << "start@0 update@20000 stop@20500 resume@30000 update@31000"
        << "GetReady Begin Three Two One Relax GetReady Begin GetReady" << P::LeadIn << 1 << 0 << 1000 << false << 0
        << oneAndAHalf << 16500 << 35000;
    QTest::newRow("a pose left out is passed over")
        << 2 << 1 << "start@0 update@12000"
        << "GetReady Begin Three Two One Relax GetReady" << P::LeadIn << 2 << 0 << 2000 << false << 0
        << "held, skipped, skipped" << 10000 << 12000;
}

void TestPracticeSession::followsEventsAndTime()
{
    QFETCH(int, leadIn);
    QFETCH(int, leftOut);
    QFETCH(QString, events);
    QFETCH(QString, cues);
    QFETCH(PracticeSession::Phase, phase);
    QFETCH(int, pose);
    QFETCH(int, side);
    QFETCH(int, remainingMs);
    QFETCH(bool, paused);
    QFETCH(int, heldUpMs);
    QFETCH(QString, verdicts);
    QFETCH(int, heldMs);
    QFETCH(int, sessionLeftMs);

    QVector<PracticeStep> plan = Plan;
    if (leftOut >= 0)
        plan[leftOut].included = false;
    PracticeSession session(plan, leadIn);
    QCOMPARE(run(session, events), cues);
    QCOMPARE(session.phase(), phase);
    QCOMPARE(session.pose(), pose);
    QCOMPARE(session.side(), side);
    QCOMPARE(session.remainingMs(), qint64(remainingMs));
    QCOMPARE(session.isPaused(), paused);
    QCOMPARE(session.heldUpMs(), qint64(heldUpMs));
    QStringList marks;
    for (int i = 0; i < plan.size(); ++i)
        marks << verdictText(session.verdict(i));
    QCOMPARE(marks.join(QStringLiteral(", ")), verdicts);
    QCOMPARE(session.posesCompleted(), int(marks.count(QStringLiteral("held"))));
    QCOMPARE(session.heldMs(), qint64(heldMs));
    QCOMPARE(session.sessionLeftMs(), qint64(sessionLeftMs));
    QCOMPARE(session.plannedMs(), qint64((leadIn + 10) * 1000 * (leftOut == 1 ? 2 : 4)));
}

void TestPracticeSession::planTakesTheReadingsOrderAndTheChosenHolds()
{
    constexpr int Garudasana = 14;
    const QString pisces = QStringLiteral("Pisces");
    const QVector<RecommendedAsana> recommended = recommendedAsanas(pisces);
    PracticeSettings settings;
    settings.holdSeconds.insert(Garudasana, 45);
    QVector<PracticeStep> plan = practicePlan(pisces, recommended, settings);
    QCOMPARE(plan.size(), recommended.size());
    for (int i = 0; i < plan.size(); ++i) {
        QCOMPARE(plan[i].asana, recommended[i].number);
        QCOMPARE(plan[i].holdSeconds, plan[i].asana == Garudasana ? 45 : asana(plan[i].asana).hold.seconds);
        QVERIFY(plan[i].included);
    }
    QVERIFY2(plan[3].eachSide && plan[3].firstSide == Side::Right, "Garudasana is held on each side, right first");
    QVERIFY(practicePlan(QStringLiteral("Ophiuchus"), {}, settings).isEmpty());

    // Shaped and remembered for the sign: two poses swapped, one left out.
    std::swap(plan[0], plan[1]);
    plan[3].included = false;
    keepPlan(settings, pisces, plan);
    QCOMPARE(practicePlan(pisces, recommended, settings), plan);
    QCOMPARE(settings.holdFor(Garudasana), 45);
    // A reading whose list has changed since goes back to its own order.
    QCOMPARE(practicePlan(pisces, recommended.mid(1), settings).first().asana, recommended[1].number);
    QCOMPARE(practicePlan(pisces, recommended, PracticeSettings {}).first().asana, recommended[0].number);
}

void TestPracticeSession::timesRoundUpAlike_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("duration");
    QTest::newRow("nothing") << 0 << "0:00"
                             << "0 s";
    QTest::newRow("a moment is a second") << 1 << "0:01"
                                          << "1 s";
    QTest::newRow("just over a minute before the end") << 59001 << "1:00"
                                                       << "1 min";
    QTest::newRow("Pisces as recommended") << 510000 << "8:30"
                                           << "8 min 30 s";
    QTest::newRow("the longest hold") << 600000 << "10:00"
                                      << "10 min";
}

void TestPracticeSession::timesRoundUpAlike()
{
    QFETCH(int, ms);
    QFETCH(QString, clock);
    QFETCH(QString, duration);
    QCOMPARE(clockText(ms), clock);
    QCOMPARE(durationText(ms), duration);
}

void TestPracticeSession::typedHoldsKeepToTheLimits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seconds"); // -1 for no time at all
    QTest::addColumn<QString>("note");
    QTest::newRow("minutes and seconds") << "1:30" << 90 << "";
    QTest::newRow("seconds alone") << " 90 " << 90 << "";
    QTest::newRow("nought") << "0" << 0 << "Set to the shortest hold, 10 s";
    QTest::newRow("far too long") << "9999" << 9999 << "Set to the longest hold, 10 min";
    QTest::newRow("not a time") << "1:3x" << -1 << "";
}

void TestPracticeSession::typedHoldsKeepToTheLimits()
{
    QFETCH(QString, typed);
    QFETCH(int, seconds);
    QFETCH(QString, note);
    QCOMPARE(parseHoldText(typed).value_or(-1), seconds);
    if (seconds >= 0)
        QCOMPARE(holdLimitNote(seconds), note);
}

void TestPracticeSession::wordsSayTheSide_data()
{
    QTest::addColumn<int>("asanaNumber");
    QTest::addColumn<bool>("leftFirst");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("words"); // the last words said
    QTest::addColumn<QString>("caption");
    QTest::newRow("one side only") << 1 << false << "start@0"
                                   << "Get ready: Sarvangasana"
                                   << "Get ready";
    QTest::newRow("right first") << 14 << false << "start@0"
                                 << "Get ready: Garudasana, right side"
                                 << "Get ready: right side";
    QTest::newRow("left first, then the right") << 14 << true << "start@0 update@11500 update@12000"
                                                << "Change sides: right side"
                                                << "Change sides: right side";
    QTest::newRow("holding the second side") << 14 << false << "start@0 update@14000"
                                             << "Begin"
                                             << "Hold: left side";
    QTest::newRow("paused") << 14 << false << "start@0 pause@1000"
                            << "Get ready: Garudasana, right side"
                            << "Paused";
}

void TestPracticeSession::wordsSayTheSide()
{
    QFETCH(int, asanaNumber);
    QFETCH(bool, leftFirst);
    QFETCH(QString, events);
    QFETCH(QString, words);
    QFETCH(QString, caption);
    PracticeSession session({{asanaNumber, 10, asanaNumber == 14, leftFirst ? Side::Left : Side::Right}}, 2);
    QVector<PracticeCue> last;
    const auto update = [&](qint64 at) {
        const QVector<PracticeCue> cues = session.update(at);
        if (!cues.isEmpty())
            last = cues;
    };
    qint64 previous = -1;
    for (const QString& event : events.split(QLatin1Char(' '))) {
        const qint64 at = event.section(QLatin1Char('@'), 1).toLongLong();
        const QString action = event.section(QLatin1Char('@'), 0, 0);
        // Ticks between the events, as in run(), but the words only of the last update that said any.
        for (qint64 tick = previous + Tick; previous >= 0 && tick < at; tick += Tick)
            update(tick);
        previous = at;
        if (action == QLatin1String("start"))
            session.start(at);
        else if (action == QLatin1String("pause"))
            session.pause(at);
        update(at);
    }
    QCOMPARE(cueWords(last, session), words);
    QCOMPARE(phaseCaption(session), caption);
}

QTEST_GUILESS_MAIN(TestPracticeSession)
#include "tst_practicesession.moc"

#include "core/AsanaCatalogue.h"
#include "core/PracticeSession.h"
#include "core/PracticeSettings.h"

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
};

void TestPracticeSession::followsEventsAndTime_data()
{
    QTest::addColumn<int>("leadIn");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("cues");
    QTest::addColumn<PracticeSession::Phase>("phase");
    QTest::addColumn<int>("pose");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("remainingMs");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("heldUpMs");
    QTest::addColumn<int>("completed");
    QTest::addColumn<int>("practisedMs");
    using P = PracticeSession::Phase;

    QTest::newRow("lead-in counts down") << 2 << "start@0 update@1500"
                                         << "GetReady" << P::LeadIn << 0 << 0 << 500 << false << 0 << 0 << 1500;
    QTest::newRow("hold begins as the lead-in ends")
        << 2 << "start@0 update@2000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 10000 << false << 0 << 0 << 2000;
    QTest::newRow("last three seconds") << 2 << "start@0 update@8999 update@11000"
                                        << "GetReady Begin Three Two One" << P::Hold << 0 << 0 << 1000 << false << 0
                                        << 0 << 11000;
    QTest::newRow("an update 2 s late passes every point at its own time")
        << 2 << "start@0 update@22400 late@24400 update@26500"
        << "GetReady Begin Three Two One Relax GetReady Begin Three Two One ChangeSides Begin" << P::Hold << 1 << 1
        << 9500 << false << 0 << 1 << 26500;
    QTest::newRow("a longer gap pauses where it began")
        << 2 << "start@0 update@3000 late@38000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 9000 << true << 35000 << 0 << 3000;
    QTest::newRow("resuming after a gap goes on from there")
        << 2 << "start@0 update@3000 late@38000 resume@40000 update@41000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 8000 << false << 0 << 0 << 4000;
    QTest::newRow("pause keeps the remaining time, however long")
        << 2 << "start@0 pause@5250 late@60000 resume@60000 update@61000"
        << "GetReady Begin" << P::Hold << 0 << 0 << 5750 << false << 0 << 0 << 6250;
    QTest::newRow("paused stays paused through next")
        << 2 << "start@0 pause@1000 next@1000 update@5000"
        << "GetReady GetReady" << P::LeadIn << 1 << 0 << 2000 << true << 0 << 0 << 1000;
    QTest::newRow("next skips without completing")
        << 2 << "start@0 next@3000"
        << "GetReady Begin GetReady" << P::LeadIn << 1 << 0 << 2000 << false << 0 << 0 << 3000;
    QTest::newRow("previous goes back, the first asana starts again")
        << 2 << "start@0 update@15000 previous@15000 previous@15000"
        << "GetReady Begin Three Two One Relax GetReady Begin GetReady GetReady" << P::LeadIn << 0 << 0 << 2000 << false
        << 0 << 1 << 15000;
    QTest::newRow("no lead-in begins at once") << 0 << "start@0 update@10000"
                                               << "GetReady Begin Three Two One Relax GetReady Begin" << P::Hold << 1
                                               << 0 << 10000 << false << 0 << 1 << 10000;
    QTest::newRow("next after the last asana ends")
        << 2 << "start@0 next@0 next@0 next@0"
        << "GetReady GetReady GetReady" << P::Done << 2 << 0 << 0 << false << 0 << 0 << 0;
    QTest::newRow("ends on plan and counts no further")
        << 2 << "start@0 update@47999 update@48000 late@90000"
        << "GetReady Begin Three Two One Relax GetReady Begin Three Two One ChangeSides Begin Three Two One Relax "
           "GetReady Begin Three Two One Relax"
        << P::Done << 2 << 0 << 0 << false << 0 << 3 << 48000;
    QTest::newRow("stop keeps what was done")
        << 2 << "start@0 update@20000 stop@20500 update@30000"
        << "GetReady Begin Three Two One Relax GetReady Begin" << P::Done << 1 << 0 << 0 << false << 0 << 1 << 20500;
}

void TestPracticeSession::followsEventsAndTime()
{
    QFETCH(int, leadIn);
    QFETCH(QString, events);
    QFETCH(QString, cues);
    QFETCH(PracticeSession::Phase, phase);
    QFETCH(int, pose);
    QFETCH(int, side);
    QFETCH(int, remainingMs);
    QFETCH(bool, paused);
    QFETCH(int, heldUpMs);
    QFETCH(int, completed);
    QFETCH(int, practisedMs);

    PracticeSession session(Plan, leadIn);
    QCOMPARE(run(session, events), cues);
    QCOMPARE(session.phase(), phase);
    QCOMPARE(session.pose(), pose);
    QCOMPARE(session.side(), side);
    QCOMPARE(session.remainingMs(), qint64(remainingMs));
    QCOMPARE(session.isPaused(), paused);
    QCOMPARE(session.heldUpMs(), qint64(heldUpMs));
    QCOMPARE(session.posesCompleted(), completed);
    QCOMPARE(session.practisedMs(), qint64(practisedMs));
    QCOMPARE(session.plannedMs(), qint64(leadIn == 2 ? 48000 : 40000));
}

void TestPracticeSession::planTakesTheReadingsOrderAndTheChosenHolds()
{
    constexpr int Garudasana = 14;
    PracticeSettings settings;
    settings.holdSeconds.insert(Garudasana, 45);
    const QVector<PracticeStep> plan = practicePlan(QStringLiteral("Pisces"), settings);
    const QVector<RecommendedAsana> recommended = recommendedAsanas(QStringLiteral("Pisces"));
    QCOMPARE(plan.size(), recommended.size());
    for (int i = 0; i < plan.size(); ++i) {
        QCOMPARE(plan[i].asana, recommended[i].number);
        QCOMPARE(plan[i].holdSeconds, plan[i].asana == Garudasana ? 45 : asana(plan[i].asana).hold.seconds);
    }
    QVERIFY2(plan[3].eachSide, "Garudasana is held on each side");
    QVERIFY(practicePlan(QStringLiteral("Ophiuchus"), settings).isEmpty());
}

QTEST_GUILESS_MAIN(TestPracticeSession)
#include "tst_practicesession.moc"

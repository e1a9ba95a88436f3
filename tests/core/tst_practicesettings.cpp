#include "FakePlatform.h"
#include "core/AsanaCatalogue.h"
#include "core/PracticeSettings.h"

#include <QTest>

namespace {

const QString App = QStringLiteral("astravida");
constexpr int Garudasana = 14;

QString practicePath(const QString& key)
{
    return FakePlatform::settingPath(App, QStringLiteral("Practice"), key);
}

} // namespace

class TestPracticeSettings : public QObject
{
    Q_OBJECT
private slots:
    void storedValuesReadBackOrFallBack_data();
    void storedValuesReadBackOrFallBack();
    void choicesSurviveASaveAndLoad();
};

void TestPracticeSettings::storedValuesReadBackOrFallBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("hold");
    QTest::addColumn<int>("leadIn");
    QTest::addColumn<bool>("speak");
    QTest::addColumn<bool>("tones");
    QTest::addColumn<QString>("shaped"); // the order remembered for the sign, a bar, the poses left out

    const int own = asana(Garudasana).hold.seconds;
    QTest::newRow("nothing stored") << ""
                                    << "" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("a chosen hold") << "HoldGarudasana"
                                   << " 45 " << 45 << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("hold not a number") << "HoldGarudasana"
                                       << "4x5" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("hold too short") << "HoldGarudasana"
                                    << "9" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("hold too long") << "HoldGarudasana"
                                   << "601" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("no lead-in") << "LeadInSeconds"
                                << "0" << own << 0 << true << true << "|";
    QTest::newRow("lead-in too long") << "LeadInSeconds"
                                      << "31" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("lead-in negative") << "LeadInSeconds"
                                      << "-1" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("speech off") << "SpeakCues"
                                << "false" << own << DefaultLeadInSeconds << false << true << "|";
    QTest::newRow("speech damaged") << "SpeakCues"
                                    << "\x01" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("tones off") << "PlayTones"
                               << "false" << own << DefaultLeadInSeconds << true << false << "|";
    QTest::newRow("an order for the sign")
        << "OrderPisces"
        << "Makarasana, Sarvangasana" << own << DefaultLeadInSeconds << true << true << "Makarasana,Sarvangasana|";
    QTest::newRow("an order naming an unknown pose")
        << "OrderPisces"
        << "Makarasana,Nowhere" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("an order naming a pose twice")
        << "OrderPisces"
        << "Makarasana,Makarasana" << own << DefaultLeadInSeconds << true << true << "|";
    QTest::newRow("a pose left out") << "LeftOutPisces"
                                     << "Garudasana" << own << DefaultLeadInSeconds << true << true << "|Garudasana";
}

void TestPracticeSettings::storedValuesReadBackOrFallBack()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, hold);
    QFETCH(int, leadIn);
    QFETCH(bool, speak);
    QFETCH(bool, tones);
    QFETCH(QString, shaped);
    FakePlatform platform;
    if (!key.isEmpty())
        platform.settings.insert(practicePath(key), stored);

    const PracticeSettings settings = loadPracticeSettings(platform, App);

    QCOMPARE(settings.holdFor(Garudasana), hold);
    QCOMPARE(settings.leadInSeconds, leadIn);
    QCOMPARE(settings.speakCues, speak);
    QCOMPARE(settings.playTones, tones);
    const auto names = [](const QVector<int>& numbers) {
        QStringList list;
        for (int number : numbers)
            list << asana(number).displayName;
        return list.join(QLatin1Char(','));
    };
    const QString pisces = QStringLiteral("Pisces");
    QCOMPARE(names(settings.order.value(pisces)) + QLatin1Char('|') + names(settings.leftOut.value(pisces)), shaped);
}

void TestPracticeSettings::choicesSurviveASaveAndLoad()
{
    FakePlatform platform;
    PracticeSettings chosen;
    chosen.holdSeconds.insert(Garudasana, 90);
    chosen.leadInSeconds = 12;
    chosen.speakCues = false;
    chosen.playTones = false;
    chosen.order.insert(QStringLiteral("Pisces"), {2, 1, 14});
    chosen.leftOut.insert(QStringLiteral("Pisces"), {14});
    savePracticeSettings(platform, App, chosen);
    QCOMPARE(loadPracticeSettings(platform, App), chosen);

    // Going back to the asana's own hold forgets the choice, so a later change to the default reaches this person.
    chosen.holdSeconds.insert(Garudasana, asana(Garudasana).hold.seconds);
    savePracticeSettings(platform, App, chosen);
    QVERIFY(platform.settings.value(practicePath(QStringLiteral("HoldGarudasana"))).isEmpty());
    QVERIFY(loadPracticeSettings(platform, App).holdSeconds.isEmpty());
}

QTEST_GUILESS_MAIN(TestPracticeSettings)
#include "tst_practicesettings.moc"

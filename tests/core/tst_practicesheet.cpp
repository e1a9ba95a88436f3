#include "CoreSupport.h"
#include "core/AsanaCatalogue.h"
#include "core/PracticeSettings.h"
#include "core/PracticeSheet.h"
#include "core/PracticeWords.h"
#include "core/SunSign.h"

#include <QTest>

namespace {

constexpr int Sarvangasana = 1;

} // namespace

class TestPracticeSheet : public QObject
{
    Q_OBJECT
private slots:
    void oneCardPerIncludedPoseInThePlansOrder_data();
    void oneCardPerIncludedPoseInThePlansOrder();
    void holdTextSaysHowLongAndOnWhichSides_data();
    void holdTextSaysHowLongAndOnWhichSides();
    void namesThePdfFile_data();
    void namesThePdfFile();
};

void TestPracticeSheet::oneCardPerIncludedPoseInThePlansOrder_data()
{
    QTest::addColumn<QString>("sign");
    for (const QString& sign : signNames())
        QTest::newRow(qPrintable(sign)) << sign;
}

void TestPracticeSheet::oneCardPerIncludedPoseInThePlansOrder()
{
    QFETCH(QString, sign);
    const Reading reading = *makeReading(firstBirthdayUnder(sign));
    PracticeSettings settings;
    settings.holdSeconds.insert(Sarvangasana, 45);
    // Shaped as a person may: the first two swapped, the last left out.
    QVector<PracticeStep> plan = practicePlan(sign, reading.asanas, settings);
    QVERIFY(plan.size() >= 3);
    std::swap(plan[0], plan[1]);
    plan.last().included = false;

    const PracticeSheet sheet = composePracticeSheet(reading, plan, QDate(2026, 1, 15));

    QCOMPARE(sheet.title, QStringLiteral("Yoga practice for ANNA, ") + sign);
    QCOMPARE(
        sheet.birthDate, QStringLiteral("Date of birth: %1 %2 1980").arg(reading.input.day).arg(reading.input.month));
    QCOMPARE(sheet.printedDate, QStringLiteral("Printed: 15 January 2026"));
    QCOMPARE(sheet.cards.size(), plan.size() - 1);
    for (int i = 0; i < sheet.cards.size(); ++i) {
        const PracticeCard& card = sheet.cards[i];
        const Asana& pose = asana(plan[i].asana);
        QCOMPARE(card.asanaNumber, plan[i].asana);
        QCOMPARE(card.name, pose.displayName);
        QCOMPARE(card.englishName, pose.englishName);
        const int seconds = card.asanaNumber == Sarvangasana ? 45 : pose.hold.seconds;
        QCOMPARE(card.hold, holdText(seconds, pose.hold.eachSide));
        QVERIFY(card.steps.first().startsWith(QLatin1String("1. ")));
        QVERIFY2(pose.procedure.endsWith(card.steps.last()), qPrintable(card.name));
        QVERIFY(pose.benefits.endsWith(card.benefits.last()));
        QCOMPARE(card.contraIndication, pose.contraIndication);
    }
}

void TestPracticeSheet::holdTextSaysHowLongAndOnWhichSides_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("eachSide");
    QTest::addColumn<QString>("text");
    QTest::newRow("seconds, each side") << 15 << true << "Hold 15 s, each side";
    QTest::newRow("seconds, once") << 30 << false << "Hold 30 s";
    QTest::newRow("a whole minute") << 60 << false << "Hold 1 min";
    QTest::newRow("minutes and seconds") << 90 << true << "Hold 1 min 30 s, each side";
    QTest::newRow("the longest") << MaxHoldSeconds << false << "Hold 10 min";
}

void TestPracticeSheet::holdTextSaysHowLongAndOnWhichSides()
{
    QFETCH(int, seconds);
    QFETCH(bool, eachSide);
    QFETCH(QString, text);
    QCOMPARE(holdText(seconds, eachSide), text);
}

void TestPracticeSheet::namesThePdfFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain name") << "ANNA"
                                << "/docs/sheet.pdf"
                                << "ANNA - Pisces practice.pdf"
                                << "/docs/sheet.pdf";
    QTest::newRow("no extension") << "ANNA LEE"
                                  << "/docs/sheet"
                                  << "ANNA LEE - Pisces practice.pdf"
                                  << "/docs/sheet.pdf";
    QTest::newRow("extension in capitals") << "ANNA"
                                           << "/docs/SHEET.PDF"
                                           << "ANNA - Pisces practice.pdf"
                                           << "/docs/SHEET.PDF";
    QTest::newRow("another extension") << "ANNA"
                                       << "/docs/sheet.txt"
                                       << "ANNA - Pisces practice.pdf"
                                       << "/docs/sheet.txt.pdf";
    QTest::newRow("separators from a reading file") << "A/B\\C"
                                                    << "/docs/sheet.pdf"
                                                    << "A-B-C - Pisces practice.pdf"
                                                    << "/docs/sheet.pdf";
}

void TestPracticeSheet::namesThePdfFile()
{
    QFETCH(QString, name);
    QFETCH(QString, chosen);
    QFETCH(QString, fileName);
    QFETCH(QString, written);
    Reading reading = *makeReading(firstBirthdayUnder(QStringLiteral("Pisces")));
    reading.input.name = name;
    QCOMPARE(practiceSheetFileName(reading), fileName);
    QCOMPARE(withPdfExtension(chosen), written);
}

QTEST_GUILESS_MAIN(TestPracticeSheet)
#include "tst_practicesheet.moc"

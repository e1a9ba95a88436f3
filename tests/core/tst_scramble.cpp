#include "core/Scramble.h"

#include <QTest>

class TestScramble : public QObject
{
    Q_OBJECT
private slots:
    void shiftsEachCodeBy85_data();
    void shiftsEachCodeBy85();
    void dropsCodesThatLeaveTheByteRange();
    void roundTripsReadingValues_data();
    void roundTripsReadingValues();
};

void TestScramble::shiftsEachCodeBy85_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("capital A") << "A" << QString(QChar(65 + 85));
    QTest::newRow("digits keep their order") << "19" << QString(QChar(49 + 85)) + QChar(57 + 85);
    QTest::newRow("space") << " " << QString(QChar(32 + 85));
    QTest::newRow("highest code that fits") << QString(QChar(170)) << QString(QChar(255));
}

void TestScramble::shiftsEachCodeBy85()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QCOMPARE(ScrambleText(plain), scrambled);
    QCOMPARE(UnscrambleText(scrambled), plain);
}

void TestScramble::dropsCodesThatLeaveTheByteRange()
{
    QCOMPARE(ScrambleText(QStringLiteral("A") + QChar(171) + QChar('B')), ScrambleText(QStringLiteral("AB")));
    // A character without a single-byte code cannot be stored at all.
    QCOMPARE(ScrambleText(QStringLiteral("A\u20acB")), ScrambleText(QStringLiteral("AB")));
    QCOMPARE(UnscrambleText(QString(QChar(84)) + QChar(150)), QString(QChar(65)));
    QCOMPARE(UnscrambleText(QStringLiteral("\r\n")), QString());
}

void TestScramble::roundTripsReadingValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("name") << "MARY ANNE";
    QTest::newRow("month") << "September";
    QTest::newRow("year") << "2050";
    QTest::newRow("date and time") << "2026-12-09 23:59:01";
}

void TestScramble::roundTripsReadingValues()
{
    QFETCH(QString, value);
    const QString scrambled = ScrambleText(value);
    QCOMPARE(scrambled.size(), value.size());
    QVERIFY(!scrambled.contains(value.left(1)));
    QCOMPARE(UnscrambleText(scrambled), value);
}

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"

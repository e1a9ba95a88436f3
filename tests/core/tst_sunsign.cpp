#include "core/SunSign.h"

#include <QTest>

class TestSunSign : public QObject
{
    Q_OBJECT
private slots:
    void mapsEveryDayOfTheYear_data();
    void mapsEveryDayOfTheYear();
    void ignoresPositionsOutsideTheLists_data();
    void ignoresPositionsOutsideTheLists();
    void namesTheSignsInZodiacOrder();
};

void TestSunSign::mapsEveryDayOfTheYear_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("lastDayOfFirst");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("January") << 0 << 19 << "Capricorn"
                             << "Aquarius";
    QTest::newRow("February") << 1 << 18 << "Aquarius"
                              << "Pisces";
    QTest::newRow("March") << 2 << 20 << "Pisces"
                           << "Aries";
    QTest::newRow("April") << 3 << 20 << "Aries"
                           << "Taurus";
    QTest::newRow("May") << 4 << 20 << "Taurus"
                         << "Gemini";
    QTest::newRow("June") << 5 << 20 << "Gemini"
                          << "Cancer";
    QTest::newRow("July") << 6 << 20 << "Cancer"
                          << "Leo";
    QTest::newRow("August") << 7 << 20 << "Leo"
                            << "Virgo";
    QTest::newRow("September") << 8 << 20 << "Virgo"
                               << "Libra";
    QTest::newRow("October") << 9 << 20 << "Libra"
                             << "Scorpio";
    QTest::newRow("November") << 10 << 20 << "Scorpio"
                              << "Sagittarius";
    QTest::newRow("December") << 11 << 20 << "Sagittarius"
                              << "Capricorn";
}

void TestSunSign::mapsEveryDayOfTheYear()
{
    QFETCH(int, month);
    QFETCH(int, lastDayOfFirst);
    QFETCH(QString, first);
    QFETCH(QString, second);
    // Every list position, the impossible 30th and 31st included: the table answers, validation judges.
    for (int day = 1; day <= 31; ++day) {
        const QString expected = day <= lastDayOfFirst ? first : second;
        const QString sign = signForPositions(month, day - 1).value_or(QStringLiteral("none"));
        QVERIFY2(
            sign == expected, qPrintable(QStringLiteral("day %1 gave %2, expected %3").arg(day).arg(sign, expected)));
    }
}

void TestSunSign::ignoresPositionsOutsideTheLists_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("no month picked") << -1 << 0;
    QTest::newRow("month past December") << 12 << 0;
    QTest::newRow("no day picked") << 0 << -1;
    QTest::newRow("day past the 31st") << 5 << 31;
}

void TestSunSign::ignoresPositionsOutsideTheLists()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QCOMPARE(signForPositions(month, day), std::nullopt);
}

void TestSunSign::namesTheSignsInZodiacOrder()
{
    QCOMPARE(signNames(),
        QStringList({"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
            "Capricorn", "Aquarius", "Pisces"}));
}

QTEST_GUILESS_MAIN(TestSunSign)
#include "tst_sunsign.moc"

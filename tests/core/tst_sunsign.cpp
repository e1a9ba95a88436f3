#include "core/SunOnBirthday.h"
#include "core/SunPosition.h"
#include "core/SunSign.h"

#include <QTest>

Q_DECLARE_METATYPE(ReadingInput)
Q_DECLARE_METATYPE(SunOnBirthday::Case)

class TestSunSign : public QObject
{
    Q_OBJECT
private slots:
    void mapsEveryDayOfTheYear_data();
    void mapsEveryDayOfTheYear();
    void ignoresPositionsOutsideTheLists_data();
    void ignoresPositionsOutsideTheLists();
    void namesTheSignsInZodiacOrder();
    void sunEntersSignsWhenTheAlmanacSays_data();
    void sunEntersSignsWhenTheAlmanacSays();
    void saysWhereTheSunDisagreesWithTheTable_data();
    void saysWhereTheSunDisagreesWithTheTable();
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

void TestSunSign::sunEntersSignsWhenTheAlmanacSays_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QDateTime>("almanac");
    const auto utc = [](int year, int month, int day, int hour, int minute) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
    };
    QTest::newRow("Aries 1980") << 0.0 << utc(1980, 3, 20, 11, 10);
    QTest::newRow("March equinox 2000") << 0.0 << utc(2000, 3, 20, 7, 35);
    QTest::newRow("June solstice 2000") << 90.0 << utc(2000, 6, 21, 1, 48);
    QTest::newRow("September equinox 2000") << 180.0 << utc(2000, 9, 22, 17, 27);
    QTest::newRow("December solstice 2000") << 270.0 << utc(2000, 12, 21, 13, 37);
    QTest::newRow("March equinox 2024") << 0.0 << utc(2024, 3, 20, 3, 6);
    QTest::newRow("June solstice 2024") << 90.0 << utc(2024, 6, 20, 20, 51);
    QTest::newRow("September equinox 2024") << 180.0 << utc(2024, 9, 22, 12, 44);
    QTest::newRow("December solstice 2024") << 270.0 << utc(2024, 12, 21, 9, 20);
}

void TestSunSign::sunEntersSignsWhenTheAlmanacSays()
{
    QFETCH(double, longitude);
    QFETCH(QDateTime, almanac);
    const QDateTime entry = sunReaches(longitude, almanac.addDays(-3));
    QVERIFY2(qAbs(entry.secsTo(almanac)) <= 120, qPrintable(entry.toString(Qt::ISODate)));
}

void TestSunSign::saysWhereTheSunDisagreesWithTheTable_data()
{
    QTest::addColumn<ReadingInput>("input");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<SunOnBirthday::Case>("verdict");
    QTest::addColumn<QString>("otherSign");
    QTest::addColumn<QString>("notice");
    const auto birthday = [](int day, const char* month, int year) {
        return ReadingInput {QStringLiteral("ANNA"), day, QLatin1String(month), year};
    };
    QTest::newRow("table agrees") << birthday(5, "March", 1980) << "Europe/Berlin" << SunOnBirthday::Case::TableAgrees
                                  << QString() << QString();
    // In the computer's own zone, whichever it is: the Sun was in Libra all day everywhere.
    QTest::newRow("table wrong all day")
        << birthday(21, "October", 1985) << "" << SunOnBirthday::Case::WrongAllDay << "Libra"
        << "On 21 October 1985 the Sun was in Libra all day; the date table gives Scorpio.";
    QTest::newRow("cusp")
        << birthday(20, "March", 1980) << "Europe/Berlin" << SunOnBirthday::Case::Cusp << "Aries"
        << "The Sun moved from Pisces into Aries on 20 March 1980 at 12:10 Central European Time (11:10 UTC).";
    // At 22:40 UTC on the 22nd: in Berlin's summer time that is already the 23rd, the table's Leo all day before.
    QTest::newRow("cusp after midnight in summer time")
        << birthday(23, "July", 1981) << "Europe/Berlin" << SunOnBirthday::Case::Cusp << "Cancer"
        << "The Sun moved from Cancer into Leo on 23 July 1981 at 00:40 Central European Time (22:40 UTC).";
}

void TestSunSign::saysWhereTheSunDisagreesWithTheTable()
{
    QFETCH(ReadingInput, input);
    QFETCH(QString, zone);
    QFETCH(SunOnBirthday::Case, verdict);
    QFETCH(QString, otherSign);
    QFETCH(QString, notice);
    const SunOnBirthday sun = sunOnBirthday(input, zone.toLatin1());
    QCOMPARE(sun.verdict, verdict);
    QCOMPARE(sun.otherSign, otherSign);
    const Reading reading = *makeReading(input);
    QCOMPARE(sunNotice(sun, reading), notice);

    // Read as the Sun's sign, the reading says so instead, and its way back is the table's.
    if (!otherSign.isEmpty()) {
        const Reading readAsSun = *makeReading(input, otherSign);
        QCOMPARE(readAsSun.sign, otherSign);
        QCOMPARE(readAsSun.tableSign, reading.sign);
        QCOMPARE(sunNotice(sun, readAsSun), "Read as " + otherSign + ", the Sun's sign on your birthday");
    }
}

QTEST_GUILESS_MAIN(TestSunSign)
#include "tst_sunsign.moc"

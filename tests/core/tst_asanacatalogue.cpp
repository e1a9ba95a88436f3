#include "core/AsanaCatalogue.h"
#include "core/PracticeSettings.h"
#include "core/SunSign.h"

#include <QMap>
#include <QSet>
#include <QtTest>

namespace {

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// Checks that text is items "1. " to "count. " joined by CR LF, each item non-empty and on one line.
void verifyNumbered(const QString& text, int count, const char* what)
{
    QVERIFY2(!text.startsWith(QLatin1String("\r\n")) && !text.endsWith(QLatin1String("\r\n")), what);
    const QStringList items = text.split(QLatin1String("\r\n"));
    QCOMPARE(items.size(), count);
    for (int i = 0; i < items.size(); ++i) {
        const QString prefix = QString::number(i + 1) + QLatin1String(". ");
        QVERIFY2(items[i].startsWith(prefix),
            qPrintable(QStringLiteral("%1 item %2: %3").arg(what).arg(i + 1).arg(items[i])));
        QVERIFY2(items[i].size() > prefix.size() + 10, what);
        QVERIFY2(
            !hasLineBreak(items[i]), qPrintable(QStringLiteral("%1 item %2 holds a lone break").arg(what).arg(i + 1)));
    }
}

void verifyLength(const QString& text, int min, int max, const char* what)
{
    QVERIFY2(text.size() >= min && text.size() <= max,
        qPrintable(QStringLiteral("%1 is %2 characters, not %3 to %4").arg(what).arg(text.size()).arg(min).arg(max)));
}

} // namespace

class TestAsanaCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void recordHasItsShape_data();
    void recordHasItsShape();
    void signListHasItsAsanasAndHeadings_data();
    void signListHasItsAsanasAndHeadings();
    void listsTogetherFollowTheRecommendationCounts();
    void lookupMatchesOnlyExactSignNames_data();
    void lookupMatchesOnlyExactSignNames();
    void introductionParagraphsAreSingleParagraphsOfTheirLength();
};

void TestAsanaCatalogue::recordHasItsShape_data()
{
    QTest::addColumn<int>("asana");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<QString>("pictureKey");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("benefitItems"); // 0: one paragraph

    QTest::newRow("1") << 1 << "Sarvangasana"
                       << "Shoulder Stand Pose"
                       << "19 Sarvangasana.jpg" << 4 << 4;
    QTest::newRow("2") << 2 << "Makarasana"
                       << "Crocodile Pose"
                       << "10 Makarasana.jpg" << 5 << 3;
    QTest::newRow("3") << 3 << "Savasana"
                       << "Corpse Pose"
                       << "21 Shavasana.jpg" << 4 << 5;
    QTest::newRow("4") << 4 << "Halasana"
                       << "Plough Posture"
                       << "08 Halasana.jpg" << 5 << 3;
    QTest::newRow("5") << 5 << "Padmasana"
                       << "Lotus Pose"
                       << "15 Padmasana.jpg" << 6 << 0;
    QTest::newRow("6") << 6 << "Dhanurasana"
                       << "Bow Pose"
                       << "05 Dhanurasana.jpg" << 8 << 4;
    QTest::newRow("7") << 7 << "Bhujangasana"
                       << "Half- Cobra Pose"
                       << "04 Bhujangasana.jpg" << 6 << 0;
    QTest::newRow("8") << 8 << "Paschimottasana"
                       << "Forward Bend Pose"
                       << "17 Paschimottanasana.jpg" << 7 << 4;
    QTest::newRow("9") << 9 << "Yoga Mudra"
                       << "Scaling Pose"
                       << "32 Yoga Mudra.jpg" << 6 << 5;
    QTest::newRow("10") << 10 << "Naukasana"
                        << "Boat Pose"
                        << "14 Noukasana.jpg" << 6 << 3;
    QTest::newRow("11") << 11 << "Mayurasana"
                        << "Feathered Peacock Pose"
                        << "13 Mayurasana.jpg" << 6 << 5;
    QTest::newRow("12") << 12 << "Vajrasana"
                        << "Thunderbolt Pose"
                        << "29 Vajrasana.jpg" << 5 << 0;
    QTest::newRow("13") << 13 << "Simhasana"
                        << "Lion Pose"
                        << "23 Simhasana.jpg" << 6 << 3;
    QTest::newRow("14") << 14 << "Garudasana"
                        << "Eagle Pose"
                        << "06 Garudasana.jpg" << 6 << 0;
}

void TestAsanaCatalogue::recordHasItsShape()
{
    QFETCH(int, asana);
    QFETCH(QString, displayName);
    QFETCH(QString, englishName);
    QFETCH(QString, pictureKey);
    QFETCH(int, steps);
    QFETCH(int, benefitItems);

    const Asana& record = ::asana(asana);
    QCOMPARE(record.displayName, displayName);
    QCOMPARE(record.picture, QStringLiteral(":/assets/") + pictureKey);
    QCOMPARE(record.englishName, englishName);

    QVERIFY2(!hasLineBreak(record.definition), "definition holds a line break");
    verifyLength(record.definition, 49, 383, "definition");

    verifyNumbered(record.procedure, steps, "procedure");
    verifyLength(record.procedure, 414, 924, "procedure");
    QVERIFY2(record.hold.seconds >= MinHoldSeconds && record.hold.seconds <= MaxHoldSeconds,
        "the hold is outside what a practice plan can set");

    if (benefitItems == 0) {
        QVERIFY2(!hasLineBreak(record.benefits), "one-paragraph benefits hold a line break");
        QVERIFY2(!record.benefits.startsWith(QLatin1String("1. ")), "one-paragraph benefits are numbered");
        verifyLength(record.benefits, 116, 176, "benefits paragraph");
    } else {
        verifyNumbered(record.benefits, benefitItems, "benefits");
    }

    QVERIFY2(!hasLineBreak(record.contraIndication), "contra-indication holds a line break");
    verifyLength(record.contraIndication, 58, 267, "contra-indication");

    for (const QString& text :
        {record.englishName, record.definition, record.procedure, record.benefits, record.contraIndication})
        QCOMPARE(text, text.trimmed());
}

void TestAsanaCatalogue::signListHasItsAsanasAndHeadings_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QVector<int>>("asanas");
    QTest::addColumn<QStringList>("headings");

    // The headings as the report spells them, which differ from sign to sign for the same asana.
    const auto row = [](const char* sign, QVector<int> asanas, const char* headings) {
        QTest::newRow(sign) << QString::fromLatin1(sign) << asanas
                            << QString::fromLatin1(headings).split(QLatin1Char('|'));
    };
    row("Aries", {1, 2, 3}, "Sarvaangaasanaa|Makaraasanaa|Savaasanaa");
    row("Taurus", {1, 4, 3}, "Sarvaangaasanaa|Haalaasanaa|Savaasanaa");
    row("Gemini", {5, 2, 6, 1, 3}, "Padmaasanaa|Makaraasanaa|Dhanuraasanaa|Sarvaangaasanaa|Savaasanaa");
    row("Cancer", {7, 8, 6, 5, 3}, "Bhujangaasanaa|Paschimottasanaa|Dhanuraasanaa|Padmaasanaa|Savaasanaa");
    row("Leo", {9, 7, 10, 3}, "Yoga Mudra|Bhujangaasaana|Naukaasanaa|Savaasanaa");
    row("Virgo", {1, 4, 6, 7, 3}, "Sarvaangaasanaa|Haalaasanaa|Dhanuraasanaa|Bhujangaasanaa|Savaasanaa");
    row("Libra", {1, 5, 9, 3}, "Sarvaangaasanaa|Padmaasanaa|Yoga Mudra|Savaasanaa");
    row("Scorpio", {1, 7, 11, 6, 3}, "Sarvaangaasanaa|Bhujangaasanaa|Mayuraasanaa|Dhanuraasanaa|Savaasanaa");
    row("Sagittarius", {1, 12, 11, 7, 3}, "Sarvaangaasanaa|Vajraasanaa|Mayuraasanaa|Bhujangaasanaa|Savaasanaa");
    row("Capricorn", {1, 6, 8, 7, 13, 5, 3},
        "Sarvaangaasanaa|Dhanuraasanaa|Paschimottaasanaa|Bhujangaasanaa|Simhaasanaa|Padmaasanaa|Savaasanaa");
    row("Aquarius", {1, 6, 8, 7, 5, 3},
        "Sarvaangaasanaa|Dhanuraasanaa|Paschimottaasanaa|Bhujangaasanaa|Padmaasanaa|Savaasanaa");
    row("Pisces", {1, 2, 7, 14, 11, 9, 3},
        "Sarvaangaasanaa|Makaraasanaa|Bhujangaasanaa|Garudaasanaa|Mayuraasanaa|Yoga Mudraa|Savaasanaa");
}

void TestAsanaCatalogue::signListHasItsAsanasAndHeadings()
{
    QFETCH(QString, sign);
    QFETCH(QVector<int>, asanas);
    QFETCH(QStringList, headings);

    QVector<int> numbers;
    QStringList spellings;
    for (const RecommendedAsana& entry : recommendedAsanas(sign)) {
        numbers << entry.number;
        spellings << entry.heading;
    }
    QCOMPARE(numbers, asanas);
    QCOMPARE(asanas.last(), 3);
    QCOMPARE(spellings, headings);
}

void TestAsanaCatalogue::listsTogetherFollowTheRecommendationCounts()
{
    // Savasana 12, Sarvangasana 10, Bhujangasana 8, Dhanurasana 6, Padmasana 5, four asanas 3, Halasana 2, four 1.
    const QMap<int, int> expected = {{1, 10}, {2, 3}, {3, 12}, {4, 2}, {5, 5}, {6, 6}, {7, 8}, {8, 3}, {9, 3}, {10, 1},
        {11, 3}, {12, 1}, {13, 1}, {14, 1}};
    QMap<int, int> counts;
    QStringList withoutShoulderStand;
    for (const QString& sign : signNames()) {
        QSet<int> list;
        for (const RecommendedAsana& entry : recommendedAsanas(sign)) {
            ++counts[entry.number];
            QVERIFY2(!list.contains(entry.number), qPrintable(sign));
            list.insert(entry.number);
        }
        if (!list.contains(1))
            withoutShoulderStand << sign;
    }
    QCOMPARE(counts, expected);
    QCOMPARE(withoutShoulderStand, QStringList({QStringLiteral("Cancer"), QStringLiteral("Leo")}));
}

void TestAsanaCatalogue::lookupMatchesOnlyExactSignNames_data()
{
    QTest::addColumn<QString>("sign");
    QTest::newRow("lower case") << "aries";
    QTest::newRow("upper case") << "PISCES";
    QTest::newRow("leading space") << " Leo";
    QTest::newRow("trailing space") << "Leo ";
    QTest::newRow("empty") << "";
    QTest::newRow("not a sign") << "Ophiuchus";
}

void TestAsanaCatalogue::lookupMatchesOnlyExactSignNames()
{
    QFETCH(QString, sign);
    QVERIFY(recommendedAsanas(sign).isEmpty());
}

void TestAsanaCatalogue::introductionParagraphsAreSingleParagraphsOfTheirLength()
{
    // The length each paragraph is written to, give or take a tenth.
    const int expected[YogaIntroductionCount] = {260, 560, 390, 430};
    for (int i = 0; i < YogaIntroductionCount; ++i) {
        const QString text = yogaIntroduction(i);
        QVERIFY(!hasLineBreak(text));
        QVERIFY2(qAbs(text.size() - expected[i]) <= expected[i] / 10,
            qPrintable(QStringLiteral("paragraph %1 is %2 characters").arg(i).arg(text.size())));
    }
}

QTEST_GUILESS_MAIN(TestAsanaCatalogue)
#include "tst_asanacatalogue.moc"

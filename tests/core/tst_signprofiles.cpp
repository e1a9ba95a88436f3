#include "CoreSupport.h"
#include "core/ElementConstitutions.h"
#include "core/Reading.h"
#include "core/SignProfiles.h"
#include "core/SunSign.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

Reading readingOf(const QString& sign)
{
    return makeReading(firstBirthdayUnder(sign)).value_or(Reading());
}

// The reading's values by the name of the member that holds them.
QMap<QString, QString> fieldsOf(const QString& sign)
{
    const Reading reading = readingOf(sign);
    QMap<QString, QString> values;
    for (const ReadingText& member : ReadingTexts)
        values.insert(QLatin1String(member.name), reading.*member.field);
    return values;
}

} // namespace

class tst_SignProfiles : public QObject
{
    Q_OBJECT

private slots:
    void characteristics_data();
    void characteristics();
    void fitnessRatings_data();
    void fitnessRatings();
    void readingShowsItsSignsProfileAndConstitution();
    void lookupIsExactAndCaseSensitive_data();
    void lookupIsExactAndCaseSensitive();
    void writtenParagraphsHaveTheirShape_data();
    void writtenParagraphsHaveTheirShape();
    void famousPeopleAreAListOfFullNames();
    void eightRequiredDietsNameTheCellSalt();
};

// One row per sign as "sign|value|value|...", in the columns' order.
void addTableRows(const QStringList& rows)
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QStringList>("values");
    for (const QString& row : rows) {
        const QStringList cells = row.split('|');
        QTest::newRow(qPrintable(cells[0])) << cells[0] << cells.mid(1);
    }
}

void checkRow(const QStringList& members)
{
    QFETCH(QString, sign);
    QFETCH(QStringList, values);
    const QMap<QString, QString> fields = fieldsOf(sign);
    QCOMPARE(values.size(), members.size());
    for (int i = 0; i < members.size(); ++i)
        QCOMPARE(fields.value(members[i]), values[i]);
}

void tst_SignProfiles::characteristics_data()
{
    addTableRows({
        "Aries|Fire|9|Red|Tuesday|Leo and Sagittarius|Diamond|Cardinal|Head, Face",
        "Taurus|Earth|6|Green|Friday|Capricorn and Virgo|Emerald|Fixed|Throat, Neck",
        "Gemini|Air|5|Yellow|Wednesday|Aquarius and Libra|Agate|Mutable|Lungs, Arms, Hands",
        "Cancer|Water|2|Silver|Monday|Pisces and Scorpio|Pearl|Cardinal|Breast, Chest, Stomach",
        "Leo|Fire|8 and 9|Gold|Sunday|Aries and Sagittarius|Ruby|Fixed|Heart, Spine",
        "Virgo|Earth|3 and 5|Blue|Wednesday|Capricorn and Taurus|Sapphire|Mutable|Intestines, Pancreas",
        "Libra|Air|6 and 9|Blue|Friday|Aquarius and Gemini|Opal|Cardinal|Loins, Kidneys",
        "Scorpio|Water|2 and 4|Burgundy and Black|Tuesday|Cancer and Pisces|Topaz|Fixed|Reproductive Organs",
        "Sagittarius|Fire|5 and 7|Purple|Thursday|Aries and Leo|Turquoise|Mutable|Thighs",
        "Capricorn|Earth|8 and 2|Brown|Saturday|Taurus and Virgo|Garnet|Cardinal|Knees",
        "Aquarius|Air|1 and 7|Blue, Violet|Wednesday|Taurus and Virgo|Amethyst|Fixed|Ankles, Blood",
        "Pisces|Water|2 and 6|Sea green|Friday|Taurus and Virgo|Aquamarine|Mutable|Feet",
    });
}

void tst_SignProfiles::characteristics()
{
    checkRow(
        {"element", "luckyNumber", "luckyColor", "luckyDay", "compatibility", "birthStone", "quality", "bodyParts"});
}

void tst_SignProfiles::fitnessRatings_data()
{
    addTableRows({
        "Aries|Highly Athletic|Low Endurance|Medium Flexibility|Zero Focus|Highly Motivated|No Routine|Zero Team-Work|"
        "Needs variety",
        "Taurus|Low Athletic Ability|High Endurance|Low Flexibility|High Focus|Moderately Motivated|Belief Routine|"
        "Moderate Team-Work|No Belief in Variety",
        "Gemini|Moderately Athletic|Low Endurance|High Flexibility|Zero Focus|Zero Motivation|No Routine|Good "
        "Team-Work|"
        "Needs variety",
        "Cancer|Low Athletic Ability|Low Endurance|Medium Flexibility|High Focus|Moderately Motivated|Belief Routine|"
        "Good Team-Work|Moderate Variety",
        "Leo|Highly Athletic|High Endurance|Low Flexibility|High Focus|Highly Motivated|Moderate Routine|"
        "Moderate Team-Work|Moderate Variety",
        "Virgo|Low Athletic Ability|Medium Endurance|High Flexibility|Good Focus|Highly Motivated|Belief Routine|"
        "Good Team-Work|Needs variety",
        "Libra|Moderately Athletic|Low Endurance|Medium Flexibility|Zero Focus|Moderately Motivated|Moderate Routine|"
        "Good Team-Work|Moderate Variety",
        "Scorpio|Moderately Athletic|High Endurance|Low Flexibility|High Focus|Highly Motivated|Moderate Routine|"
        "Moderate Team-Work|No Belief in Variety",
        "Sagittarius|Highly Athletic|Low Endurance|High Flexibility|Zero Focus|Highly Motivated|No Routine|"
        "Zero Team-Work|Needs variety",
        "Capricorn|Moderately Athletic|High Endurance|Medium Flexibility|High Focus|Highly Motivated|Moderate Routine|"
        "Moderate Team-Work|No Belief in Variety",
        "Aquarius|Highly Athletic|High Endurance|Low Flexibility|High Focus|Moderately Motivated|No Routine|"
        "Good Team-Work|Needs variety",
        "Pisces|Low Athletic Ability|Low Endurance|High Flexibility|Zero Focus|Moderately Motivated|No Routine|"
        "Good Team-Work|Needs variety",
    });
}

void tst_SignProfiles::fitnessRatings()
{
    checkRow({"athletic", "endurance", "flexibility", "focus", "motivated", "routine", "teamWork", "variety"});
}

void tst_SignProfiles::readingShowsItsSignsProfileAndConstitution()
{
    QCOMPARE(int(signProfiles().size()), signNames().size());
    for (int n = 0; n < SignCount; ++n) {
        const SignProfile& profile = signProfiles()[std::size_t(n)];
        const QString sign = signNames()[n];
        QCOMPARE(profile.sign(), sign);
        QCOMPARE(profile.number, n + 1);
        QCOMPARE(QString(profile.ratings.sign), sign);
        QCOMPARE(QString(profile.writing.sign), sign);

        const Reading reading = readingOf(sign);
        QCOMPARE(reading.sign, sign);
        QCOMPARE(reading.picture, ":/assets/" + sign + ".jpg");
        for (const ReadingText& member : ReadingTexts)
            QVERIFY2(!(reading.*member.field).isEmpty(), qPrintable(sign + ": " + member.name + " is empty"));
        const ElementConstitution* constitution = findElementConstitution(reading.element);
        QVERIFY2(constitution, qPrintable(reading.element));
        QCOMPARE(reading.constitution, QString(constitution->description));
        QCOMPARE(reading.excessRemedy, QString(constitution->excessRemedy));
        QCOMPARE(reading.lowEffects, QString(constitution->lowEffects));
        QCOMPARE(reading.asanas, recommendedAsanas(sign));
    }
}

void tst_SignProfiles::lookupIsExactAndCaseSensitive_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("Aries") << "Aries" << 1;
    QTest::newRow("Capricorn") << "Capricorn" << 10;
    QTest::newRow("Pisces") << "Pisces" << 12;
    QTest::newRow("lower case") << "aries" << 0;
    QTest::newRow("upper case") << "PISCES" << 0;
    QTest::newRow("leading space") << " Leo" << 0;
    QTest::newRow("trailing space") << "Leo " << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a sign") << "Ophiuchus" << 0;
    QTest::newRow("element") << "Fire" << 0;
}

void tst_SignProfiles::lookupIsExactAndCaseSensitive()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    const SignProfile* profile = findSignProfile(name);
    QCOMPARE(profile ? profile->number : 0, number);
    QCOMPARE(sunSignPicture(number).isEmpty(), number == 0);
}

void tst_SignProfiles::writtenParagraphsHaveTheirShape_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::addColumn<bool>("secondPerson");
    QTest::newRow("positive traits") << "positiveTraits" << 510 << 1000 << true;
    QTest::newRow("negative traits") << "negativeTraits" << 330 << 660 << true;
    QTest::newRow("health problems") << "healthProblems" << 170 << 500 << false;
    QTest::newRow("required diet") << "requiredDiet" << 270 << 530 << false;
    QTest::newRow("diet to avoid") << "dietToAvoid" << 35 << 190 << false;
    QTest::newRow("diet advice") << "dietAdvice" << 65 << 150 << false;
    QTest::newRow("fitness") << "fitnessAdvice" << 350 << 560 << false;
}

void tst_SignProfiles::writtenParagraphsHaveTheirShape()
{
    QFETCH(QString, member);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QFETCH(bool, secondPerson);
    QSet<QString> seen;
    for (const SignProfile& profile : signProfiles()) {
        const QString text = fieldsOf(profile.sign()).value(member);
        const QString where = profile.sign() + " " + member + ": ";
        QVERIFY2(text.size() >= shortest && text.size() <= longest,
            qPrintable(where + QString::number(text.size()) + " characters"));
        QVERIFY2(!text.contains('\r') && !text.contains('\n'), qPrintable(where + "has a line break"));
        QVERIFY2(text == text.trimmed() && !text.contains("  "), qPrintable(where + "has stray spaces"));
        QVERIFY2(text.at(0).isUpper() && text.endsWith('.'), qPrintable(where + "is not a sentence"));
        if (secondPerson)
            QVERIFY2(text.startsWith("You "), qPrintable(where + "does not address the reader"));
        QVERIFY2(!seen.contains(text), qPrintable(where + "repeats another sign's text"));
        seen.insert(text);
    }
}

void tst_SignProfiles::famousPeopleAreAListOfFullNames()
{
    QSet<QString> everyone;
    const QRegularExpression fullName("^[A-Z][A-Za-z']+( [A-Za-z][A-Za-z']+)+$");
    for (const SignProfile& profile : signProfiles()) {
        const QString list = fieldsOf(profile.sign()).value("famousPeople");
        const QString where = profile.sign() + ": " + list;
        QVERIFY2(list.size() >= 70 && list.size() <= 110, qPrintable(where));
        QVERIFY2(!list.endsWith('.'), qPrintable(where));
        const QStringList names = list.split(", ");
        QVERIFY2(names.size() >= 5 && names.size() <= 7, qPrintable(where));
        for (const QString& name : names) {
            QVERIFY2(fullName.match(name).hasMatch(), qPrintable(where + " / " + name));
            QVERIFY2(!everyone.contains(name), qPrintable(name + " is named twice"));
            everyone.insert(name);
        }
    }
}

void tst_SignProfiles::eightRequiredDietsNameTheCellSalt()
{
    int withCellSalt = 0;
    for (const SignProfile& profile : signProfiles()) {
        const QString diet = fieldsOf(profile.sign()).value("requiredDiet");
        if (diet.contains("cell salt")) {
            QVERIFY2(diet.startsWith("The cell salt of " + profile.sign() + " is "), qPrintable(diet));
            ++withCellSalt;
        }
    }
    QCOMPARE(withCellSalt, 8);
}

QTEST_GUILESS_MAIN(tst_SignProfiles)
#include "tst_signprofiles.moc"

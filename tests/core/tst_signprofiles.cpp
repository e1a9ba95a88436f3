#include "core/SignProfiles.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QMap<QString, QString> fieldsByControl(const QString& sign)
{
    QMap<QString, QString> values;
    const SignProfile* profile = findSignProfile(sign);
    if (!profile)
        return values;
    for (const ReadingField& field : signProfileFields(*profile, sign))
        values.insert(field.control, field.value);
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
    void everySignFillsThirtyFieldsInOrder();
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

void checkRow(const QStringList& controls)
{
    QFETCH(QString, sign);
    QFETCH(QStringList, values);
    const QMap<QString, QString> fields = fieldsByControl(sign);
    QCOMPARE(values.size(), controls.size());
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(fields.value(controls[i]), values[i]);
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
    checkRow({"lblSunSignElement", "lblSunSignNumber", "lblSunSignColor", "lblSunSignDay", "lblSunSignCompatibility",
        "lblSunSignBirthStone", "lblSunSignQuality", "lblBodyPartBySunSign"});
    // The constitution block is headed by the sign's element.
    QFETCH(QString, sign);
    QFETCH(QStringList, values);
    const QMap<QString, QString> fields = fieldsByControl(sign);
    for (const char* control : {"lblConstitutionType", "lblConstitutionTypeExcess", "lblConstitutionTypeLow"})
        QCOMPARE(fields.value(control), values[0]);
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
    checkRow({"lblAthletic", "lblEndurance", "lblFlexibility", "lblFocus", "lblMotivated", "lblRoutine", "lblTeamWork",
        "lblvariety"});
}

void tst_SignProfiles::everySignFillsThirtyFieldsInOrder()
{
    const QStringList order
        = {"lblSunSign", "lblSunSignElement", "lblSunSignNumber", "lblSunSignColor", "lblSunSignDay",
            "lblSunSignCompatibility", "lblSunSignBirthStone", "lblSunSignQuality", "lblSunSignFamousPersonBorn",
            "txtSunSignPositiveTraits", "txtSunSignNegativeTraits", "picSunSign", "lblSunSignYourSunSign",
            "lblBodyPartBySunSign", "txtHealthProblems", "txtRequiredDiet", "txtDiettoAvoid", "txtDietAdvice",
            "lblConstitutionType", "lblConstitutionTypeExcess", "lblConstitutionTypeLow", "lblAthletic", "lblEndurance",
            "lblFlexibility", "lblFocus", "lblMotivated", "lblRoutine", "lblTeamWork", "lblvariety", "txtSunSignDesc"};
    const QStringList signs = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
        "Capricorn", "Aquarius", "Pisces"};
    QCOMPARE(int(signProfiles().size()), signs.size());
    for (int n = 0; n < signs.size(); ++n) {
        const SignProfile& profile = signProfiles()[n];
        QCOMPARE(profile.sign(), signs[n]);
        QCOMPARE(profile.number, n + 1);
        QCOMPARE(QString(profile.ratings.sign), signs[n]);
        QCOMPARE(QString(profile.writing.sign), signs[n]);

        const QList<ReadingField> fields = signProfileFields(profile, signs[n]);
        QStringList controls;
        for (const ReadingField& field : fields) {
            controls << field.control;
            QVERIFY2(!field.value.isEmpty(), qPrintable(signs[n] + ": " + field.control + " is empty"));
            const bool isText = field.control.startsWith("txt");
            QCOMPARE(field.kind == ReadingField::Kind::Text, isText);
        }
        QCOMPARE(controls, order);
        QCOMPARE(fields[0].value, signs[n]);
        QCOMPARE(fields[11].kind, ReadingField::Kind::Picture);
        QCOMPARE(fields[11].value, ":/assets/" + signs[n] + ".jpg");
        QCOMPARE(fields[12].value, signs[n]);
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
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::addColumn<bool>("secondPerson");
    QTest::newRow("positive traits") << "txtSunSignPositiveTraits" << 510 << 1000 << true;
    QTest::newRow("negative traits") << "txtSunSignNegativeTraits" << 330 << 660 << true;
    QTest::newRow("health problems") << "txtHealthProblems" << 170 << 500 << false;
    QTest::newRow("required diet") << "txtRequiredDiet" << 270 << 530 << false;
    QTest::newRow("diet to avoid") << "txtDiettoAvoid" << 35 << 190 << false;
    QTest::newRow("diet advice") << "txtDietAdvice" << 65 << 150 << false;
    QTest::newRow("fitness") << "txtSunSignDesc" << 350 << 560 << false;
}

void tst_SignProfiles::writtenParagraphsHaveTheirShape()
{
    QFETCH(QString, control);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QFETCH(bool, secondPerson);
    QSet<QString> seen;
    for (const SignProfile& profile : signProfiles()) {
        const QString text = fieldsByControl(profile.sign()).value(control);
        const QString where = profile.sign() + " " + control + ": ";
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
        const QString list = fieldsByControl(profile.sign()).value("lblSunSignFamousPersonBorn");
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
        const QString diet = fieldsByControl(profile.sign()).value("txtRequiredDiet");
        if (diet.contains("cell salt")) {
            QVERIFY2(diet.startsWith("The cell salt of " + profile.sign() + " is "), qPrintable(diet));
            ++withCellSalt;
        }
    }
    QCOMPARE(withCellSalt, 8);
}

QTEST_GUILESS_MAIN(tst_SignProfiles)
#include "tst_signprofiles.moc"

#include "core/ElementConstitutions.h"
#include "core/SignProfiles.h"

#include <QMap>
#include <QTest>

namespace {

// The element's texts by the name of the member that holds them.
QMap<QString, QString> textsOf(const QString& element)
{
    const ElementConstitution* c = findElementConstitution(element);
    if (!c)
        return {};
    return {{"description", c->description}, {"excessEffects", c->excessEffects},
        {"excessItemToTake", c->excessItemToTake}, {"excessItemToAvoid", c->excessItemToAvoid},
        {"excessRemedy", c->excessRemedy}, {"lowEffects", c->lowEffects}, {"lowItemToTake", c->lowItemToTake},
        {"lowItemToAvoid", c->lowItemToAvoid}, {"lowRemedy", c->lowRemedy}};
}

} // namespace

class tst_ElementConstitutions : public QObject
{
    Q_OBJECT

private slots:
    void itemsAndRemedies_data();
    void itemsAndRemedies();
    void lookupIsExactAndCaseSensitive();
    void paragraphsHaveTheirShape_data();
    void paragraphsHaveTheirShape();
    void everySignsElementHasAConstitution();
};

void tst_ElementConstitutions::itemsAndRemedies_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("text");
    const char* rows[][3] = {
        {"Fire", "excessItemToTake", "Grains and root vegetables like beet, carrot and potatoes"},
        {"Fire", "excessItemToAvoid", "Gravy and spicy food and red meat"},
        {"Fire", "excessRemedy", "Chamomile, lemon balm, skull cap and valerian."},
        {"Fire", "lowItemToTake", "Lemon, yoghurt, bitter green food items like kale and mustard."},
        {"Fire", "lowItemToAvoid", "Milk, cheese, yoghurt, butter and other diary products and meat"},
        {"Fire", "lowRemedy", "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
        {"Air", "excessItemToTake", "Steamed vegetable, nuts and croutons."},
        {"Air", "excessItemToAvoid", "Raw foods, grains, yeasty foods and refined sugar."},
        {"Air", "excessRemedy", "Enzymes that enables proper absorption of food items and nutrients."},
        {"Air", "lowItemToTake", "Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices."},
        {"Air", "lowItemToAvoid", "Nothing to Avoid"},
        {"Air", "lowRemedy", "Dandelion root and/or angostura bitters."},
        {"Water", "excessItemToTake", "Steamed vegetable, beans of all kind and fruits."},
        {"Water", "excessItemToAvoid", "Spicy and oily foods, diary products, yeasty food, breads and salt."},
        {"Water", "excessRemedy", "Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf."},
        {"Water", "lowItemToTake", "Wheat, rice, oats, seaweed, dairy products and natural sugars."},
        {"Water", "lowItemToAvoid", "All kinds of root vegetables."},
        {"Water", "lowRemedy", "Sweetened honey and fruit juices."},
        {"Earth", "excessItemToTake",
            "Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas."},
        {"Earth", "excessItemToAvoid", "Heavy and spicy food items."},
        {"Earth", "excessRemedy",
            "Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper and cayenne."},
        {"Earth", "lowItemToTake",
            "Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, sugar and oil."},
        {"Earth", "lowItemToAvoid", "Fruits."},
        {"Earth", "lowRemedy",
            "Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, ahashwaganda."},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << row[2];
}

void tst_ElementConstitutions::itemsAndRemedies()
{
    QFETCH(QString, element);
    QFETCH(QString, member);
    QFETCH(QString, text);
    QCOMPARE(textsOf(element).value(member), text);
}

void tst_ElementConstitutions::lookupIsExactAndCaseSensitive()
{
    QCOMPARE(findElementConstitution("Water"), &elementConstitutions()[2]);
    for (const char* name : {"fire", "AIR", " Water", "Earth ", "", "Aries", "Metal"})
        QVERIFY2(!findElementConstitution(name), name);
}

void tst_ElementConstitutions::paragraphsHaveTheirShape_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("what the element governs") << "description" << 220 << 350;
    QTest::newRow("excess") << "excessEffects" << 165 << 315;
    QTest::newRow("shortage") << "lowEffects" << 185 << 335;
}

void tst_ElementConstitutions::paragraphsHaveTheirShape()
{
    QFETCH(QString, member);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    for (const ElementConstitution& record : elementConstitutions()) {
        const QString element = record.element;
        const QString text = textsOf(element).value(member);
        const QString where = element + " " + member + ": ";
        QVERIFY2(text.size() >= shortest && text.size() <= longest,
            qPrintable(where + QString::number(text.size()) + " characters"));
        QVERIFY2(!text.contains('\r') && !text.contains('\n'), qPrintable(where + "has a line break"));
        QVERIFY2(text == text.trimmed() && text.endsWith('.'), qPrintable(where + "is not a paragraph"));
        QVERIFY2(text.contains(element), qPrintable(where + "does not name its element"));
    }
}

void tst_ElementConstitutions::everySignsElementHasAConstitution()
{
    for (const SignProfile& profile : signProfiles()) {
        const ElementConstitution* record = findElementConstitution(profile.characteristics.element);
        QVERIFY2(record, profile.characteristics.element);
    }
}

QTEST_GUILESS_MAIN(tst_ElementConstitutions)
#include "tst_elementconstitutions.moc"

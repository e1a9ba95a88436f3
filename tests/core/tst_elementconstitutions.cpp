#include "core/ElementConstitutions.h"
#include "core/SignProfiles.h"

#include <QMap>
#include <QTest>

namespace {

QMap<QString, QString> fieldsByControl(const QString& element)
{
    QMap<QString, QString> values;
    if (const ElementConstitution* record = findElementConstitution(element)) {
        for (const ReadingField& field : constitutionFields(*record))
            values.insert(field.control, field.value);
    }
    return values;
}

} // namespace

class tst_ElementConstitutions : public QObject
{
    Q_OBJECT

private slots:
    void itemsAndRemedies_data();
    void itemsAndRemedies();
    void fillsNineFieldsInOrder();
    void lookupIsExactAndCaseSensitive();
    void paragraphsHaveTheirShape_data();
    void paragraphsHaveTheirShape();
    void everySignsElementHasAConstitution();
};

void tst_ElementConstitutions::itemsAndRemedies_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const char* rows[][3] = {
        {"Fire", "lblExcessItemToBeTaken", "Grains and root vegetables like beet, carrot and potatoes"},
        {"Fire", "lblExcessItemToAvoid", "Gravy and spicy food and red meat"},
        {"Fire", "lblExcessRemedy", "Chamomile, lemon balm, skull cap and valerian."},
        {"Fire", "lblLowItemToBeTaken", "Lemon, yoghurt, bitter green food items like kale and mustard."},
        {"Fire", "lblLowItemToAvoid", "Milk, cheese, yoghurt, butter and other diary products and meat"},
        {"Fire", "lblLowRemedy", "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
        {"Air", "lblExcessItemToBeTaken", "Steamed vegetable, nuts and croutons."},
        {"Air", "lblExcessItemToAvoid", "Raw foods, grains, yeasty foods and refined sugar."},
        {"Air", "lblExcessRemedy", "Enzymes that enables proper absorption of food items and nutrients."},
        {"Air", "lblLowItemToBeTaken",
            "Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices."},
        {"Air", "lblLowItemToAvoid", "Nothing to Avoid"},
        {"Air", "lblLowRemedy", "Dandelion root and/or angostura bitters."},
        {"Water", "lblExcessItemToBeTaken", "Steamed vegetable, beans of all kind and fruits."},
        {"Water", "lblExcessItemToAvoid", "Spicy and oily foods, diary products, yeasty food, breads and salt."},
        {"Water", "lblExcessRemedy", "Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf."},
        {"Water", "lblLowItemToBeTaken", "Wheat, rice, oats, seaweed, dairy products and natural sugars."},
        {"Water", "lblLowItemToAvoid", "All kinds of root vegetables."},
        {"Water", "lblLowRemedy", "Sweetened honey and fruit juices."},
        {"Earth", "lblExcessItemToBeTaken",
            "Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas."},
        {"Earth", "lblExcessItemToAvoid", "Heavy and spicy food items."},
        {"Earth", "lblExcessRemedy",
            "Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper and cayenne."},
        {"Earth", "lblLowItemToBeTaken",
            "Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, sugar and oil."},
        {"Earth", "lblLowItemToAvoid", "Fruits."},
        {"Earth", "lblLowRemedy",
            "Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, ahashwaganda."},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << row[2];
}

void tst_ElementConstitutions::itemsAndRemedies()
{
    QFETCH(QString, element);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QCOMPARE(fieldsByControl(element).value(control), text);
}

void tst_ElementConstitutions::fillsNineFieldsInOrder()
{
    const QStringList order = {"lblConstitutionTypeDesc", "txtConstitutionTypeExcessDesc", "lblExcessItemToBeTaken",
        "lblExcessItemToAvoid", "lblExcessRemedy", "txtConstitutionTypeLowDesc", "lblLowItemToBeTaken",
        "lblLowItemToAvoid", "lblLowRemedy"};
    const QStringList elements = {"Fire", "Air", "Water", "Earth"};
    QCOMPARE(int(elementConstitutions().size()), elements.size());
    for (int i = 0; i < elements.size(); ++i) {
        QCOMPARE(QString(elementConstitutions()[i].element), elements[i]);
        QStringList controls;
        for (const ReadingField& field : constitutionFields(elementConstitutions()[i])) {
            controls << field.control;
            QCOMPARE(field.kind == ReadingField::Kind::Text, field.control.startsWith("txt"));
        }
        QCOMPARE(controls, order);
    }
}

void tst_ElementConstitutions::lookupIsExactAndCaseSensitive()
{
    QCOMPARE(findElementConstitution("Water"), &elementConstitutions()[2]);
    for (const char* name : {"fire", "AIR", " Water", "Earth ", "", "Aries", "Metal"})
        QVERIFY2(!findElementConstitution(name), name);
}

void tst_ElementConstitutions::paragraphsHaveTheirShape_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("what the element governs") << "lblConstitutionTypeDesc" << 220 << 350;
    QTest::newRow("excess") << "txtConstitutionTypeExcessDesc" << 165 << 315;
    QTest::newRow("shortage") << "txtConstitutionTypeLowDesc" << 185 << 335;
}

void tst_ElementConstitutions::paragraphsHaveTheirShape()
{
    QFETCH(QString, control);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    for (const ElementConstitution& record : elementConstitutions()) {
        const QString element = record.element;
        const QString text = fieldsByControl(element).value(control);
        const QString where = element + " " + control + ": ";
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

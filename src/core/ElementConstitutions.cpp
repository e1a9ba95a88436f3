#include "core/ElementConstitutions.h"

#include <iterator>

namespace {

// Foods and remedies, one row per element in lookup order.
struct ConstitutionItems
{
    const char* element;
    const char* excessItemToTake;
    const char* excessItemToAvoid;
    const char* excessRemedy;
    const char* lowItemToTake;
    const char* lowItemToAvoid;
    const char* lowRemedy;
};

constexpr ConstitutionItems Items[] = {
    {"Fire", "Grains and root vegetables like beet, carrot and potatoes", "Gravy and spicy food and red meat",
        "Chamomile, lemon balm, skull cap and valerian.",
        "Lemon, yoghurt, bitter green food items like kale and mustard.",
        "Milk, cheese, yoghurt, butter and other diary products and meat",
        "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
    {"Air", "Steamed vegetable, nuts and croutons.", "Raw foods, grains, yeasty foods and refined sugar.",
        "Enzymes that enables proper absorption of food items and nutrients.",
        "Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices.", "Nothing to Avoid",
        "Dandelion root and/or angostura bitters."},
    {"Water", "Steamed vegetable, beans of all kind and fruits.",
        "Spicy and oily foods, diary products, yeasty food, breads and salt.",
        "Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf.",
        "Wheat, rice, oats, seaweed, dairy products and natural sugars.", "All kinds of root vegetables.",
        "Sweetened honey and fruit juices."},
    {"Earth", "Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas.",
        "Heavy and spicy food items.",
        "Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper and cayenne.",
        "Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, sugar and oil.",
        "Fruits.",
        "Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, ahashwaganda."},
};

struct ConstitutionWriting
{
    const char* element;
    const char* description;
    const char* excessEffects;
    const char* lowEffects;
};

// Written paragraphs, one row per element in lookup order.
constexpr ConstitutionWriting Writing[] = {
    {"Fire",
        "The Fire element governs digestion and metabolism. Like a flame it burns up the food we eat and turns it into "
        "energy and warmth, improves the absorption of nutrients and helps to purify the system of toxins. When Fire "
        "is in balance, the appetite and digestion are strong, the mind is sharp and the body resists infection well.",
        "An excess of Fire makes the native short-tempered, impatient and easily irritated. In the body it may show as "
        "hypertension, heart problems, ulcers, acidity, skin rashes or inflammations.",
        "When Fire is low, the body finds it hard to fight off diseases and bacteria, and the native may feel cold and "
        "lack energy. Digestion becomes weak and slow, with gas troubles, bloating and indigestion after meals. Hot, "
        "freshly cooked food and warming spices are advised to rekindle the digestive fire."},
    {"Air",
        "The Air element governs the nervous and circulatory systems and all movement in the body: the flow of blood "
        "and nerve impulses, the peristalsis of the gut, urination and breathing itself. Air natives are sensitive, "
        "quick and lively, and easily affected by their surroundings.",
        "An excess of Air brings over-activity, restlessness and nervousness; the native finds it hard to settle, "
        "sleeps poorly and may feel anxious or scattered. The body tends to dryness, with dry skin, dry hair and dry "
        "membranes, and the joints may crack and ache.",
        "When Air is low, the flow of energy through the body suffers and the native feels dull, tired and sluggish. "
        "The nervous system is weak, the circulation may be poor, and back problems are common."},
    {"Water",
        "The Water element rules the reproductive and lymphatic systems and all the liquids of the body, such as "
        "blood, mucus, lymph and the fluids that lubricate the joints. It keeps the tissues moist and supple, carries "
        "nourishment to the cells and gives the body its capacity to nurture, heal and protect itself.",
        "An excess of Water makes digestion sluggish and assimilation poor, and the metabolism slows down. The native "
        "may feel heavy, tired and congested, with a tendency to colds and catarrh. Fluid is held in the tissues, "
        "causing swellings and puffiness, especially of the ankles and face, and weight problems may follow.",
        "When Water is low, the native tends to be stiff and dehydrated, with aching joints and muscles that lack "
        "suppleness. Sleeping disorders are common and the mind may feel restless and tense. The body flushes out "
        "toxins poorly, so waste builds up in the system, and the skin and hair become dry and lose their natural "
        "shine."},
    {"Earth",
        "The Earth element rules the skeletal and eliminatory systems and governs the growth, reproduction and repair "
        "of the tissues. It gives the body its structure, strength and stability. Earth natives have sturdy frames and "
        "good stamina, but they are prone to weight problems when they eat too much or move too little.",
        "An excess of Earth leads to heaviness and sluggishness of both body and mind. The native may feel tired, dull "
        "and unwilling to move, and digestion becomes slow, with constipation and a feeling of fullness after meals. A "
        "slow metabolism makes it easy to gain weight and hard to lose it again.",
        "When Earth is low, natives tend to ignore the needs of their body, forgetting meals and rest while they chase "
        "their work. They should follow a daily schedule for eating and exercise, and above all they need enough "
        "sleep."},
};

static_assert(std::size(Items) == ElementCount && std::size(Writing) == ElementCount,
    "every element table has one row per element");

std::array<ElementConstitution, ElementCount> buildConstitutions()
{
    std::array<ElementConstitution, ElementCount> records {};
    for (int i = 0; i < ElementCount; ++i) {
        const ConstitutionItems& items = Items[i];
        const ConstitutionWriting& writing = Writing[i];
        records[i] = ElementConstitution {items.element, writing.description, writing.excessEffects,
            items.excessItemToTake, items.excessItemToAvoid, items.excessRemedy, writing.lowEffects,
            items.lowItemToTake, items.lowItemToAvoid, items.lowRemedy};
    }
    return records;
}

} // namespace

const std::array<ElementConstitution, ElementCount>& elementConstitutions()
{
    static const std::array<ElementConstitution, ElementCount> records = buildConstitutions();
    return records;
}

const ElementConstitution* findElementConstitution(const QString& element)
{
    for (const ElementConstitution& record : elementConstitutions()) {
        if (element.compare(QLatin1String(record.element), Qt::CaseSensitive) == 0)
            return &record;
    }
    return nullptr;
}

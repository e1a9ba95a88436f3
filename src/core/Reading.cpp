#include "core/Reading.h"

#include "core/ElementConstitutions.h"
#include "core/SignProfiles.h"
#include "core/SunSign.h"

namespace {

QString text(const char* value)
{
    return QString::fromLatin1(value);
}

} // namespace

std::optional<Reading> makeReading(const ReadingInput& input)
{
    const std::optional<QString> sign = signForPositions(monthNames().indexOf(input.month), input.day - 1);
    if (!sign)
        return std::nullopt;
    return makeReading(input, *sign);
}

std::optional<Reading> makeReading(const ReadingInput& input, const QString& sign)
{
    const std::optional<QString> tableSign = signForPositions(monthNames().indexOf(input.month), input.day - 1);
    const SignProfile* profile = tableSign ? findSignProfile(sign) : nullptr;
    const ElementConstitution* constitution
        = profile ? findElementConstitution(text(profile->characteristics.element)) : nullptr;
    if (!profile || !constitution)
        return std::nullopt;

    const SignCharacteristics& c = profile->characteristics;
    const SignFitnessRatings& r = profile->ratings;
    const SignWriting& w = profile->writing;
    const ElementConstitution& e = *constitution;
    Reading reading;
    reading.input = input;
    reading.sign = sign;
    reading.tableSign = *tableSign;
    reading.picture = sunSignPicture(profile->number);
    reading.element = text(c.element);
    reading.luckyNumber = text(c.luckyNumber);
    reading.luckyColor = text(c.luckyColor);
    reading.luckyDay = text(c.luckyDay);
    reading.compatibility = text(c.compatibility);
    reading.birthStone = text(c.birthStone);
    reading.quality = text(c.quality);
    reading.famousPeople = text(w.famousPeople);
    reading.positiveTraits = text(w.positiveTraits);
    reading.negativeTraits = text(w.negativeTraits);
    reading.bodyParts = text(c.bodyParts);
    reading.healthProblems = text(w.healthProblems);
    reading.requiredDiet = text(w.requiredDiet);
    reading.dietToAvoid = text(w.dietToAvoid);
    reading.dietAdvice = text(w.dietAdvice);
    reading.constitution = text(e.description);
    reading.excessEffects = text(e.excessEffects);
    reading.excessItemsToTake = text(e.excessItemToTake);
    reading.excessItemsToAvoid = text(e.excessItemToAvoid);
    reading.excessRemedy = text(e.excessRemedy);
    reading.lowEffects = text(e.lowEffects);
    reading.lowItemsToTake = text(e.lowItemToTake);
    reading.lowItemsToAvoid = text(e.lowItemToAvoid);
    reading.lowRemedy = text(e.lowRemedy);
    reading.athletic = text(r.athletic);
    reading.motivated = text(r.motivated);
    reading.endurance = text(r.endurance);
    reading.flexibility = text(r.flexibility);
    reading.routine = text(r.routine);
    reading.teamWork = text(r.teamWork);
    reading.focus = text(r.focus);
    reading.variety = text(r.variety);
    reading.fitnessAdvice = text(w.fitness);
    reading.asanas = recommendedAsanas(sign);
    return reading;
}

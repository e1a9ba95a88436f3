#pragma once

#include "core/ReadingField.h"

#include <QList>
#include <QString>

#include <array>

// Characteristics of a sign, fixed texts shown on the reading window's first tab and the diet page.
struct SignCharacteristics
{
    const char* sign;
    const char* element; // lblSunSignElement, also the constitution type
    const char* luckyNumber; // lblSunSignNumber
    const char* luckyColor; // lblSunSignColor
    const char* luckyDay; // lblSunSignDay
    const char* compatibility; // lblSunSignCompatibility
    const char* birthStone; // lblSunSignBirthStone
    const char* quality; // lblSunSignQuality
    const char* bodyParts; // lblBodyPartBySunSign
};

// Fitness ratings of a sign, each one of three fixed phrases.
struct SignFitnessRatings
{
    const char* sign;
    const char* athletic; // lblAthletic
    const char* endurance; // lblEndurance
    const char* flexibility; // lblFlexibility
    const char* focus; // lblFocus
    const char* motivated; // lblMotivated
    const char* routine; // lblRoutine
    const char* teamWork; // lblTeamWork
    const char* variety; // lblvariety
};

// The written paragraphs of a sign.
struct SignWriting
{
    const char* sign;
    const char* famousPeople; // lblSunSignFamousPersonBorn
    const char* positiveTraits; // txtSunSignPositiveTraits
    const char* negativeTraits; // txtSunSignNegativeTraits
    const char* healthProblems; // txtHealthProblems
    const char* requiredDiet; // txtRequiredDiet
    const char* dietToAvoid; // txtDiettoAvoid
    const char* dietAdvice; // txtDietAdvice
    const char* fitness; // txtSunSignDesc
};

struct SignProfile
{
    int number; // 1 to 12 in zodiac order, also the picture number
    SignCharacteristics characteristics;
    SignFitnessRatings ratings;
    SignWriting writing;

    QString sign() const { return QString::fromLatin1(characteristics.sign); }
};

constexpr int SignCount = 12;

// The twelve profiles in zodiac order, Aries first.
const std::array<SignProfile, SignCount>& signProfiles();

// Exact, case-sensitive match in zodiac order; nullptr when no sign has this name.
const SignProfile* findSignProfile(const QString& sign);

// Resource path of picture n (1 to 12) of the sign picture list; empty outside 1 to 12.
QString sunSignPicture(int number);

// The reading fields a profile fills, in filling order; lblSunSign shows currentSign as given.
QList<ReadingField> signProfileFields(const SignProfile& profile, const QString& currentSign);

#pragma once

#include <QString>

#include <array>

// Characteristics of a sign, fixed texts shown on the reading window's first tab and the diet page.
struct SignCharacteristics
{
    const char* sign;
    const char* element; // also the constitution type
    const char* luckyNumber;
    const char* luckyColor;
    const char* luckyDay;
    const char* compatibility;
    const char* birthStone;
    const char* quality;
    const char* bodyParts;
};

// Fitness ratings of a sign, each one of three fixed phrases.
struct SignFitnessRatings
{
    const char* sign;
    const char* athletic;
    const char* endurance;
    const char* flexibility;
    const char* focus;
    const char* motivated;
    const char* routine;
    const char* teamWork;
    const char* variety;
};

// The written paragraphs of a sign.
struct SignWriting
{
    const char* sign;
    const char* famousPeople;
    const char* positiveTraits;
    const char* negativeTraits;
    const char* healthProblems;
    const char* requiredDiet;
    const char* dietToAvoid;
    const char* dietAdvice;
    const char* fitness;
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

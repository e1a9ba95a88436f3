#pragma once

#include "core/AsanaCatalogue.h"

#include <QString>
#include <QVector>

#include <optional>

// What a person typed and picked; also all that a reading file keeps of a reading.
struct ReadingInput
{
    QString name;
    int day = 0;
    QString month; // as the month list names it
    int year = 0;

    friend bool operator==(const ReadingInput& a, const ReadingInput& b)
    {
        return a.name == b.name && a.day == b.day && a.month == b.month && a.year == b.year;
    }
};

// Everything one reading shows: in the reading window, on its asana pages and in the report.
struct Reading
{
    ReadingInput input;
    QString sign;
    // The sign the date table gives the input's date. Another sign is read only at the person's asking, when the
    // Sun was in it on the birthday.
    QString tableSign;
    QString picture; // resource path of the sign's picture

    QString element; // also the constitution type
    QString luckyNumber;
    QString luckyColor;
    QString luckyDay;
    QString compatibility;
    QString birthStone;
    QString quality;
    QString famousPeople;
    QString positiveTraits;
    QString negativeTraits;

    QString bodyParts;
    QString healthProblems;
    QString requiredDiet;
    QString dietToAvoid;
    QString dietAdvice;
    QString constitution; // what the element governs in the body
    // What the element does in the body when it is in excess, and when it is low.
    QString excessEffects;
    QString excessItemsToTake;
    QString excessItemsToAvoid;
    QString excessRemedy;
    QString lowEffects;
    QString lowItemsToTake;
    QString lowItemsToAvoid;
    QString lowRemedy;

    QString athletic;
    QString motivated;
    QString endurance;
    QString flexibility;
    QString routine;
    QString teamWork;
    QString focus;
    QString variety;
    QString fitnessAdvice;

    QVector<RecommendedAsana> asanas;

    bool readAsSunSign() const { return !tableSign.isEmpty() && sign != tableSign; }
};

// The reading of the sign the input's month and day fall under; nothing when they name no day of the year.
std::optional<Reading> makeReading(const ReadingInput& input);
// The same name and date read as the sign chosen, one of the twelve; nothing for any other name.
std::optional<Reading> makeReading(const ReadingInput& input, const QString& sign);

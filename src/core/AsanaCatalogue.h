#pragma once

#include <QString>
#include <QVector>

#include <array>

// The side of the body a pose done on each side is held on.
enum class Side { Right, Left };

// How long a guided practice holds an asana by default, whether it is done once on each side, and which side its
// procedure takes first.
struct Hold
{
    int seconds;
    bool eachSide;
    Side firstSide = Side::Right;
};

// One asana as its detail page and the report show it.
struct Asana
{
    QString displayName; // on the sign frames and the name plate
    QString picture; // resource path
    QString englishName;
    QString definition;
    QString procedure; // numbered steps, lines ended by CR LF
    Hold hold;
    QString benefits; // a paragraph, or numbered items like the procedure
    QString contraIndication;
};

constexpr int AsanaCount = 14;

// Indexed by catalogue number minus one; the number is also the picture's.
const std::array<Asana, AsanaCount>& asanaCatalogue();
// By catalogue number, 1 to AsanaCount.
const Asana& asana(int number);

// One entry of a sign's list, headed as the report spells the asana for that sign (the spellings differ from sign
// to sign for the same asana).
struct RecommendedAsana
{
    int number;
    QString heading;

    friend bool operator==(const RecommendedAsana& a, const RecommendedAsana& b)
    {
        return a.number == b.number && a.heading == b.heading;
    }
};

// The sign's list in display order; empty unless sign is exactly one of the twelve names.
QVector<RecommendedAsana> recommendedAsanas(const QString& sign);

constexpr int YogaIntroductionCount = 4;
// The yoga tab's introduction, top to bottom and left to right.
QString yogaIntroduction(int paragraph);

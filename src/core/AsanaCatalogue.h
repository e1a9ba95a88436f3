#pragma once

#include "core/AsanaRecord.h"

#include <QString>
#include <QVector>

#include <array>

// One entry of a sign's recommendation list: the label that shows it in the sign's frame.
struct AsanaRecommendation
{
    const char* sign;
    int asana; // catalogue number, 1 to AsanaCount
    const char* labelName;
};

constexpr int AsanaRecommendationCount = 59;

// All twelve lists in sign order, each in display order.
const std::array<AsanaRecommendation, AsanaRecommendationCount>& AsanaRecommendations();

// Catalogue numbers recommended for sign; empty unless sign is exactly one of the twelve names.
QVector<int> RecommendedAsanas(const QString& sign);

// Both take a catalogue number 1 to AsanaCount and give an empty string outside it.
QString AsanaDisplayName(int asana);
QString AsanaPictureKey(int asana);

// Fills all fourteen records, replacing what they held.
void BuildAsanaCatalogue(AsanaCatalogue& catalogue);

struct YogaIntroParagraph
{
    const char* labelName;
    const char* text;
};

// The yoga tab's introduction, Label33 to Label36, top to bottom and left to right.
const std::array<YogaIntroParagraph, 4>& YogaIntroduction();

#pragma once

#include "core/ReadingField.h"

#include <QList>
#include <QString>

#include <array>

// What an element does in the body when it is in excess or short, with its food lists and remedies.
struct ElementConstitution
{
    const char* element;
    const char* description; // lblConstitutionTypeDesc
    const char* excessEffects; // txtConstitutionTypeExcessDesc
    const char* excessItemToTake; // lblExcessItemToBeTaken
    const char* excessItemToAvoid; // lblExcessItemToAvoid
    const char* excessRemedy; // lblExcessRemedy
    const char* lowEffects; // txtConstitutionTypeLowDesc
    const char* lowItemToTake; // lblLowItemToBeTaken
    const char* lowItemToAvoid; // lblLowItemToAvoid
    const char* lowRemedy; // lblLowRemedy
};

constexpr int ElementCount = 4;

// The four constitutions in lookup order: Fire, Air, Water, Earth.
const std::array<ElementConstitution, ElementCount>& elementConstitutions();

// Exact, case-sensitive match in lookup order; nullptr when no element has this name.
const ElementConstitution* findElementConstitution(const QString& element);

// The nine reading fields a constitution fills, in filling order.
QList<ReadingField> constitutionFields(const ElementConstitution& constitution);

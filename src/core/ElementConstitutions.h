#pragma once

#include <QString>

#include <array>

// What an element does in the body when it is in excess or short, with its food lists and remedies.
struct ElementConstitution
{
    const char* element;
    const char* description;
    const char* excessEffects;
    const char* excessItemToTake;
    const char* excessItemToAvoid;
    const char* excessRemedy;
    const char* lowEffects;
    const char* lowItemToTake;
    const char* lowItemToAvoid;
    const char* lowRemedy;
};

constexpr int ElementCount = 4;

// The four constitutions in lookup order: Fire, Air, Water, Earth.
const std::array<ElementConstitution, ElementCount>& elementConstitutions();

// Exact, case-sensitive match in lookup order; nullptr when no element has this name.
const ElementConstitution* findElementConstitution(const QString& element);

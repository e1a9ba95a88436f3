#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The twelve sign names in zodiac order; the exact text is each sign's identifier.
const QStringList& signNames();

// The sign for zero-based list positions (month 0..11, day 0..30); nothing outside those ranges.
std::optional<QString> signForPositions(int monthPosition, int dayPosition);

// January to December, as the month list shows them and reading files keep them.
const QStringList& monthNames();

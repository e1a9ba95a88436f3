#pragma once

#include <QString>

#include <array>

// Readers address a text by one of these constant slots, never by a computed number.
enum AsanaSlot { EnglishName = 0, Definition = 1, Procedure = 2, Benefits = 3, ContraIndication = 4 };

using AsanaRecord = std::array<QString, 5>;

constexpr int AsanaCount = 14;
// Indexed by catalogue number minus one; the catalogue number is also the picture's number.
using AsanaCatalogue = std::array<AsanaRecord, AsanaCount>;

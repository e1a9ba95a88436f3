#pragma once

#include "core/Reading.h"

#include <QChar>
#include <QString>

#include <optional>

// The days and years the main window's lists offer, first to last, between the days and the twelve months; a list
// position counts from the list's first entry.
constexpr int FirstDay = 1;
constexpr int LastDay = 31;
constexpr int FirstYear = 1900;
constexpr int LastYear = 2050;

// The main window's input as the checks see it: the raw name text and the list positions.
struct InputFields
{
    QString name;
    int dayPosition = 0;
    int monthPosition = 0;
    int yearPosition = 0;
};

// Which input a refusal is about, so that the window can put the keyboard there.
enum class InputField { Name, Date };
struct InputProblem
{
    InputField field;
    QString message;
};

// What refuses the input, or nothing when the input may be read.
std::optional<InputProblem> inputProblem(const InputFields& fields);
// The input the reading is made of: the name without its outer spaces, the date the positions name.
ReadingInput readingInput(const InputFields& fields);

enum class NameKeyVerdict { Insert, PassThrough, Refuse };
struct NameKey
{
    NameKeyVerdict verdict;
    QChar character; // what to insert when the verdict is Insert
};
// Names are capitals and spaces: letters are upper-cased, editing keys pass, anything else is refused.
NameKey filterNameKey(QChar typed);

inline const QString NameMissingMessage = QStringLiteral("Please Enter Your Name");
inline const QString RefusedNameKeyMessage = QStringLiteral("Please Enter only Letters");

#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The main window's input as the checks see it: the raw name text, the year text and the list positions.
struct InputFields
{
    QString name;
    QString yearText;
    int monthPosition = 0;
    int dayPosition = 0;
};

// The message that refuses the input, or nothing when the input may be read.
std::optional<QString> inputProblem(const InputFields& fields);

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

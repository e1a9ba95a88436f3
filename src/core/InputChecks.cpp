#include "core/InputChecks.h"

#include "core/SunSign.h"
#include "core/TrimSpaces.h"

namespace {

constexpr int February = 1;
constexpr bool isThirtyDayMonth(int monthPosition)
{
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

constexpr bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

std::optional<InputProblem> inputProblem(const InputFields& fields)
{
    // A name of spaces alone would give a reading of nobody, and a saved file that cannot be opened again.
    if (trimSpaces(fields.name).isEmpty())
        return InputProblem {InputField::Name, NameMissingMessage};

    const bool leapYear = isLeapYear(FirstYear + fields.yearPosition);
    if (fields.monthPosition == February) {
        const int firstRefusedPosition = leapYear ? 29 : 28;
        if (fields.dayPosition >= firstRefusedPosition && fields.dayPosition <= 30)
            return InputProblem {InputField::Date, QStringLiteral("Please Enter Correct Date Or Month!")};
    }
    if (isThirtyDayMonth(fields.monthPosition) && fields.dayPosition == 30)
        return InputProblem {InputField::Date, QStringLiteral("Please Enter Correct Date Or Month !")};
    return std::nullopt;
}

ReadingInput readingInput(const InputFields& fields)
{
    return {trimSpaces(fields.name), FirstDay + fields.dayPosition, monthNames().value(fields.monthPosition),
        FirstYear + fields.yearPosition};
}

NameKey filterNameKey(QChar typed)
{
    const char16_t code = typed.unicode();
    if (code >= u'a' && code <= u'z')
        return {NameKeyVerdict::Insert, QChar(char16_t(code - u'a' + u'A'))};
    if (code >= u'A' && code <= u'Z')
        return {NameKeyVerdict::Insert, typed};
    if (code == 8 || code == 13 || code == 32)
        return {NameKeyVerdict::PassThrough, typed};
    return {NameKeyVerdict::Refuse, QChar()};
}

#include "shell/InputChecks.h"

namespace {

constexpr int February = 1;
constexpr bool isThirtyDayMonth(int monthPosition)
{
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

} // namespace

std::optional<QString> inputProblem(const InputFields& fields)
{
    if (fields.name.isEmpty())
        return QStringLiteral("Please Enter Your Name");

    // Every fourth year counts as a leap year, 1900 included: the reading has always judged dates this way.
    const bool leapYear = fields.yearText.trimmed().toInt() % 4 == 0;
    if (fields.monthPosition == February) {
        const int firstRefusedPosition = leapYear ? 29 : 28;
        if (fields.dayPosition >= firstRefusedPosition && fields.dayPosition <= 30)
            return QStringLiteral("Please Enter Correct Date Or Month!");
    }
    if (isThirtyDayMonth(fields.monthPosition) && fields.dayPosition == 30)
        return QStringLiteral("Please Enter Correct Date Or Month !");
    return std::nullopt;
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

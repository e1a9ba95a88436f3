#include "core/SunSign.h"

#include <array>

namespace {

struct MonthSplit
{
    int lastDayOfFirstSign;
    const char* firstSign;
    const char* secondSign;
};

// One row per month: the days up to the split belong to the first sign, the rest to the second.
constexpr std::array<MonthSplit, 12> Months {{
    {19, "Capricorn", "Aquarius"},
    {18, "Aquarius", "Pisces"},
    {20, "Pisces", "Aries"},
    {20, "Aries", "Taurus"},
    {20, "Taurus", "Gemini"},
    {20, "Gemini", "Cancer"},
    {20, "Cancer", "Leo"},
    {20, "Leo", "Virgo"},
    {20, "Virgo", "Libra"},
    {20, "Libra", "Scorpio"},
    {20, "Scorpio", "Sagittarius"},
    {20, "Sagittarius", "Capricorn"},
}};

constexpr int LastDayPosition = 30;

} // namespace

const QStringList& signNames()
{
    static const QStringList names {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
        "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    return names;
}

std::optional<QString> signForPositions(int monthPosition, int dayPosition)
{
    if (monthPosition < 0 || monthPosition >= int(Months.size()))
        return std::nullopt;
    const MonthSplit& month = Months[monthPosition];
    const int splitPosition = month.lastDayOfFirstSign - 1;
    if (dayPosition >= 0 && dayPosition <= splitPosition)
        return QString::fromLatin1(month.firstSign);
    if (dayPosition > splitPosition && dayPosition <= LastDayPosition)
        return QString::fromLatin1(month.secondSign);
    return std::nullopt;
}

const QStringList& monthNames()
{
    static const QStringList names {"January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December"};
    return names;
}

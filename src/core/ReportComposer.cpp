#include "core/ReportComposer.h"

#include "core/SitePages.h"

#include <optional>

namespace {

using namespace ReportColours;

constexpr double SectionSize = 11.0;

struct LabelledField
{
    const char* label;
    const char* field;
    int breaks;
};

constexpr LabelledField Characteristics[] = {
    {"Your Sun Sign :-", "lblSunSign", 2},
    {"Element :-", "lblSunSignElement", 2},
    {"Lucky Number :-", "lblSunSignNumber", 2},
    {"Lucky Color :-", "lblSunSignColor", 2},
    {"Lucky Day :-", "lblSunSignDay", 2},
    {"Compatibility :-", "lblSunSignCompatibility", 2},
    {"Birth Stone :-", "lblSunSignBirthStone", 2},
    {"Quality :-", "lblSunSignQuality", 2},
    {"Famous Personalities born under this sign :-", "lblSunSignFamousPersonBorn", 2},
    {"Positive Traits :-", "txtSunSignPositiveTraits", 2},
    {"Negative Traits :-", "txtSunSignNegativeTraits", 2},
};

constexpr LabelledField Health[] = {
    {"Your Sun Sign :- ", "lblSunSignYourSunSign", 2},
    {"Body Part Ruled By Sun Sign :- ", "lblBodyPartBySunSign", 2},
    {"Health Problems :- ", "txtHealthProblems", 2},
    {"Required Diet :- ", "txtRequiredDiet", 2},
    {"Diet to Avoid :- ", "txtDiettoAvoid", 2},
    {"Diet Advice :- ", "txtDietAdvice", 2},
    {"Constitution Type :- ", "lblConstitutionType", 1},
};

struct ConstitutionBlock
{
    const char* heading;
    const char* element;
    const char* description;
    LabelledField items[3];
};

constexpr ConstitutionBlock ConstitutionBlocks[] = {
    {"Excess ", "lblConstitutionTypeExcess", "txtConstitutionTypeExcessDesc",
        {{"Items to be taken :- ", "lblExcessItemToBeTaken", 2}, {"Items to Avoid :- ", "lblExcessItemToAvoid", 2},
            {"Remedy :- ", "lblExcessRemedy", 2}}},
    {"Low ", "lblConstitutionTypeLow", "txtConstitutionTypeLowDesc",
        {{"Items to be taken :- ", "lblLowItemToBeTaken", 2}, {"Items to Avoid :- ", "lblLowItemToAvoid", 2},
            {"Remedy :- ", "lblLowRemedy", 2}}},
};

constexpr const char* ActivityRatings[] = {"lblAthletic", "lblMotivated", "lblEndurance", "lblFlexibility",
    "lblRoutine", "lblTeamWork", "lblFocus", "lblvariety"};

struct AsanaHeading
{
    const char* sign;
    const char* heading;
    int asana;
};

// The headings are the report's own spellings, which differ from sign to sign for the same asana.
constexpr AsanaHeading AsanaHeadings[] = {
    {"Aries", "Sarvaangaasanaa :-", 1},
    {"Aries", "Makaraasanaa :-", 2},
    {"Aries", "Savaasanaa :-", 3},
    {"Taurus", "Sarvaangaasanaa :-", 1},
    {"Taurus", "Haalaasanaa :-", 4},
    {"Taurus", "Savaasanaa :-", 3},
    {"Gemini", "Padmaasanaa :-", 5},
    {"Gemini", "Makaraasanaa :-", 2},
    {"Gemini", "Dhanuraasanaa :-", 6},
    {"Gemini", "Sarvaangaasanaa :-", 1},
    {"Gemini", "Savaasanaa :-", 3},
    {"Cancer", "Bhujangaasanaa :-", 7},
    {"Cancer", "Paschimottasanaa :-", 8},
    {"Cancer", "Dhanuraasanaa :-", 6},
    {"Cancer", "Padmaasanaa :-", 5},
    {"Cancer", "Savaasanaa :-", 3},
    {"Leo", "Yoga Mudra :-", 9},
    {"Leo", "Bhujangaasaana :-", 7},
    {"Leo", "Naukaasanaa :-", 10},
    {"Leo", "Savaasanaa :-", 3},
    {"Virgo", "Sarvaangaasanaa :-", 1},
    {"Virgo", "Haalaasanaa :-", 4},
    {"Virgo", "Dhanuraasanaa :-", 6},
    {"Virgo", "Bhujangaasanaa :-", 7},
    {"Virgo", "Savaasanaa :-", 3},
    {"Libra", "Sarvaangaasanaa :-", 1},
    {"Libra", "Padmaasanaa :-", 5},
    {"Libra", "Yoga Mudra :-", 9},
    {"Libra", "Savaasanaa :-", 3},
    {"Scorpio", "Sarvaangaasanaa :-", 1},
    {"Scorpio", "Bhujangaasanaa :-", 7},
    {"Scorpio", "Mayuraasanaa :-", 11},
    {"Scorpio", "Dhanuraasanaa :-", 6},
    {"Scorpio", "Savaasanaa :-", 3},
    {"Sagittarius", "Sarvaangaasanaa :-", 1},
    {"Sagittarius", "Vajraasanaa :-", 12},
    {"Sagittarius", "Mayuraasanaa :-", 11},
    {"Sagittarius", "Bhujangaasanaa :-", 7},
    {"Sagittarius", "Savaasanaa :-", 3},
    {"Capricorn", "Sarvaangaasanaa :-", 1},
    {"Capricorn", "Dhanuraasanaa :-", 6},
    {"Capricorn", "Paschimottaasanaa :-", 8},
    {"Capricorn", "Bhujangaasanaa :-", 7},
    {"Capricorn", "Simhaasanaa :-", 13},
    {"Capricorn", "Padmaasanaa :-", 5},
    {"Capricorn", "Savaasanaa :-", 3},
    {"Aquarius", "Sarvaangaasanaa :-", 1},
    {"Aquarius", "Dhanuraasanaa :-", 6},
    {"Aquarius", "Paschimottaasanaa :-", 8},
    {"Aquarius", "Bhujangaasanaa :-", 7},
    {"Aquarius", "Padmaasanaa :-", 5},
    {"Aquarius", "Savaasanaa :-", 3},
    {"Pisces", "Sarvaangaasanaa :-", 1},
    {"Pisces", "Makaraasanaa :-", 2},
    {"Pisces", "Bhujangaasanaa :-", 7},
    {"Pisces", "Garudaasanaa :-", 14},
    {"Pisces", "Mayuraasanaa :-", 11},
    {"Pisces", "Yoga Mudraa :-", 9},
    {"Pisces", "Savaasanaa :-", 3},
};

QString breaks(int count)
{
    return QStringLiteral("\r\n").repeated(count);
}

// Keeps one current format, as the report box does: a change applies to the text appended after it.
class Composition
{
public:
    explicit Composition(const ReportSnapshot& snapshot)
        : m_snapshot(snapshot)
    { }

    void setStyle(bool bold, ReportColour colour)
    {
        m_format.bold = bold;
        m_format.colour = colour;
    }
    void setSize(double pointSize) { m_format.pointSize = pointSize; }
    void label(const QString& text, int breakCount = 0)
    {
        setStyle(true, black);
        append(text, breakCount);
    }
    void value(const QString& text, int breakCount)
    {
        setStyle(false, magenta);
        append(text, breakCount);
    }
    // A field that could not be read leaves its piece out; the rest of the report still comes.
    void fieldValue(const char* field, int breakCount)
    {
        if (const std::optional<QString> text = fieldText(field))
            value(*text, breakCount);
    }
    void append(const QString& text, int breakCount) { m_runs.append({text + breaks(breakCount), m_format}); }

    std::optional<QString> fieldText(const char* field) const
    {
        const auto found = m_snapshot.fields.constFind(QLatin1String(field));
        if (found == m_snapshot.fields.constEnd())
            return std::nullopt;
        return *found;
    }

    QVector<ReportRun> takeRuns() { return std::move(m_runs); }

private:
    const ReportSnapshot& m_snapshot;
    ReportFormat m_format;
    QVector<ReportRun> m_runs;
};

void sectionHeading(Composition& report, const char* text)
{
    report.setStyle(true, green);
    report.setSize(SectionSize);
    report.append(QLatin1String(text), 2);
}

void labelledFields(Composition& report, const LabelledField* first, const LabelledField* last)
{
    for (const LabelledField* row = first; row != last; ++row) {
        report.label(QLatin1String(row->label));
        report.fieldValue(row->field, row->breaks);
    }
}

void constitutionBlock(Composition& report, const ConstitutionBlock& block)
{
    if (const std::optional<QString> element = report.fieldText(block.element)) {
        report.setStyle(true, darkCyan);
        report.append(QLatin1String(block.heading) + *element + QStringLiteral(" :-"), 1);
    }
    report.fieldValue(block.description, 2);
    for (const LabelledField& item : block.items) {
        report.setStyle(true, olive);
        report.append(QLatin1String(item.label), 0);
        report.fieldValue(item.field, item.breaks);
    }
}

void asanaSection(Composition& report, const ReportAsanaSection& section)
{
    const auto subHeading = [&report](const char* text, int breakCount) {
        report.setStyle(true, darkBlue);
        report.append(QLatin1String(text), breakCount);
    };
    report.setStyle(true, red);
    report.append(section.heading, 2);
    subHeading("English Name :-", 0);
    report.value(section.record[EnglishName], 2);
    report.value(section.record[Definition], 2);
    subHeading("Procedure :-", 1);
    report.value(section.record[Procedure], 2);
    subHeading("Benefits :-", 1);
    report.value(section.record[Benefits], 2);
    subHeading("Contradiction :-", 1);
    report.value(section.record[ContraIndication], 2);
}

} // namespace

const QStringList& reportFieldNames()
{
    static const QStringList names = [] {
        QStringList result {QStringLiteral("cboDate"), QStringLiteral("cboMonth"), QStringLiteral("cboYear")};
        for (const LabelledField& row : Characteristics)
            result.append(QLatin1String(row.field));
        for (const LabelledField& row : Health)
            result.append(QLatin1String(row.field));
        result.append(QStringLiteral("lblConstitutionTypeDesc"));
        for (const ConstitutionBlock& block : ConstitutionBlocks) {
            result.append(QLatin1String(block.element));
            result.append(QLatin1String(block.description));
            for (const LabelledField& item : block.items)
                result.append(QLatin1String(item.field));
        }
        for (const char* rating : ActivityRatings)
            result.append(QLatin1String(rating));
        result.append(QStringLiteral("txtSunSignDesc"));
        return result;
    }();
    return names;
}

QVector<QPair<QString, int>> reportAsanaHeadings(const QString& sign)
{
    QVector<QPair<QString, int>> headings;
    for (const AsanaHeading& row : AsanaHeadings) {
        if (sign == QLatin1String(row.sign))
            headings.append({QLatin1String(row.heading), row.asana});
    }
    return headings;
}

QVector<ReportAsanaSection> reportAsanaSections(const QString& sign, const AsanaCatalogue& catalogue)
{
    QVector<ReportAsanaSection> sections;
    for (const auto& [heading, asana] : reportAsanaHeadings(sign))
        sections.append({heading, catalogue[std::size_t(asana - 1)]});
    return sections;
}

QVector<ReportRun> composeReport(const ReportSnapshot& snapshot)
{
    Composition report(snapshot);

    report.append(QStringLiteral("Report Generated By ") + SiteRoot, 2);
    report.label(QStringLiteral("Name :- "));
    report.value(snapshot.name, 2);
    report.label(QStringLiteral("Date Of Birth :- "));
    const std::optional<QString> day = report.fieldText("cboDate");
    const std::optional<QString> month = report.fieldText("cboMonth");
    const std::optional<QString> year = report.fieldText("cboYear");
    if (day && month && year)
        report.value(*month + QLatin1Char('/') + *day + QLatin1Char('/') + *year, 2);

    sectionHeading(report, "Sun Sign Characteristics");
    labelledFields(report, std::begin(Characteristics), std::end(Characteristics));

    sectionHeading(report, "Health Ailments");
    labelledFields(report, std::begin(Health), std::end(Health));
    report.fieldValue("lblConstitutionTypeDesc", 2);
    for (const ConstitutionBlock& block : ConstitutionBlocks)
        constitutionBlock(report, block);

    report.label(QStringLiteral("Characteristics :- "), 1);
    report.setStyle(false, blue);
    for (std::size_t i = 0; i < std::size(ActivityRatings); ++i) {
        if (const std::optional<QString> rating = report.fieldText(ActivityRatings[i]))
            report.append(*rating, i + 1 == std::size(ActivityRatings) ? 2 : 1);
    }
    report.label(QStringLiteral("More About Your Sun Sign :- "));
    report.fieldValue("txtSunSignDesc", 2);

    sectionHeading(report, "Yoga Asanas :-");
    report.setStyle(true, darkBlue);
    report.append(QStringLiteral("Recommended yoga Asanas For ") + snapshot.currentSign, 2);
    for (const ReportAsanaSection& section : snapshot.asanas)
        asanaSection(report, section);

    report.append(QStringLiteral("Report Generated By ") + SiteRoot, 1);
    return report.takeRuns();
}

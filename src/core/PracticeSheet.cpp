#include "core/PracticeSheet.h"

#include "core/AsanaCatalogue.h"
#include "core/HealthCaution.h"
#include "core/PracticeWords.h"
#include "core/Reading.h"

namespace {

QStringList lines(const QString& text)
{
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

PracticeSheet composePracticeSheet(const Reading& reading, const QVector<PracticeStep>& plan, const QDate& printedOn)
{
    PracticeSheet sheet;
    sheet.title = QStringLiteral("Yoga practice for %1, %2").arg(reading.input.name, reading.sign);
    sheet.birthDate
        = QStringLiteral("Date of birth: %1 %2 %3")
              .arg(QString::number(reading.input.day), reading.input.month, QString::number(reading.input.year));
    // QDate names months in English whatever the locale, as every other text of the sheet is.
    sheet.printedDate = QStringLiteral("Printed: ") + printedOn.toString(QStringLiteral("d MMMM yyyy"));
    for (const PracticeStep& step : plan) {
        if (!step.included)
            continue;
        const Asana& pose = asana(step.asana);
        sheet.cards.append(
            {step.asana, pose.displayName, pose.englishName, pose.picture, holdText(step.holdSeconds, step.eachSide),
                lines(pose.procedure), lines(pose.benefits), pose.contraIndication});
    }
    sheet.caution = HealthCaution;
    return sheet;
}

QString practiceSheetFileName(const Reading& reading)
{
    QString name = QStringLiteral("%1 - %2 practice.pdf").arg(reading.input.name.trimmed(), reading.sign);
    // A name from a reading file may hold anything; a folder separator would send the file elsewhere.
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    }
    return name;
}

QString withPdfExtension(const QString& path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
}

#pragma once

#include "core/ReportComposer.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

struct PracticeSettings;
struct Reading;

// One recommended asana as the practice sheet shows it.
struct PracticeCard
{
    int asanaNumber;
    QString name;
    QString englishName;
    QString picture; // resource path of the screen-sized picture
    QString hold; // "Hold 15 s, each side"
    QStringList steps; // numbered, one line a step
    QStringList benefits; // one paragraph, or numbered items
    QString contraIndication;
};

// The sheet's colours: the report's heading colours, so the two read as one program's.
namespace SheetColours {
constexpr ReportColour title = ReportColours::green;
constexpr ReportColour asanaName = ReportColours::red;
constexpr ReportColour label = ReportColours::darkBlue;
} // namespace SheetColours

// Everything a practice sheet prints, in print order.
struct PracticeSheet
{
    QString title; // "Yoga practice for NAME, SIGN"
    QString birthDate;
    QString printedDate;
    QVector<PracticeCard> cards; // in the reading's order
    QString caution; // closes the last page
};

// The sheet of a reading, with the holds as chosen or the asanas' own, printed on the given day.
PracticeSheet composePracticeSheet(const Reading& reading, const PracticeSettings& settings, const QDate& printedOn);

// "Hold 15 s", "Hold 2 min", "Hold 1 min 30 s", with ", each side" where the pose is done on both sides.
QString holdText(int seconds, bool eachSide);

// "NAME - SIGN practice.pdf", with nothing in it that a file name cannot hold.
QString practiceSheetFileName(const Reading& reading);
// A name that does not already end in ".pdf" (in any case) gets it.
QString withPdfExtension(const QString& path);

inline const QString PracticeSheetNotSaved = QStringLiteral("The practice sheet could not be saved.");

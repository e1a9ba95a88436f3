#pragma once

#include "core/PracticeSession.h"
#include "core/ReportComposer.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

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
    QVector<PracticeCard> cards; // the plan's included poses, in its order
    QString caution; // closes the last page
};

// The sheet of a reading's practice as planned, printed on the given day.
PracticeSheet composePracticeSheet(const Reading& reading, const QVector<PracticeStep>& plan, const QDate& printedOn);

// "NAME - SIGN practice.pdf", with nothing in it that a file name cannot hold.
QString practiceSheetFileName(const Reading& reading);
// A name that does not already end in ".pdf" (in any case) gets it.
QString withPdfExtension(const QString& path);

inline const QString PracticeSheetNotSaved = QStringLiteral("The practice sheet could not be saved.");

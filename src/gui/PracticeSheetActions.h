#pragma once

#include "core/PracticeSession.h"

#include <QByteArray>

class Platform;
struct PracticeSheet;
struct Reading;

// The practice sheet's Print and Save as PDF, the same from every window that offers them. The platform's dialogs
// find their own parent, as the report's do.

// Through the platform's print dialog onto the printer and paper chosen there; a cancelled dialog does nothing.
void printPracticeSheet(Platform& platform, const Reading& reading, const QVector<PracticeStep>& plan);
// Offers "NAME - SIGN practice.pdf" in the documents folder and replaces the chosen file whole or not at all; a
// failure says why.
void savePracticeSheetPdf(Platform& platform, const Reading& reading, const QVector<PracticeStep>& plan);

// The sheet as a PDF on the locale's default paper.
QByteArray practiceSheetPdf(const PracticeSheet& sheet);

#include "gui/PracticeSheetActions.h"

#include "core/Platform.h"
#include "core/PracticeSheet.h"
#include "core/Reading.h"
#include "gui/PracticeSheetDocument.h"
#include "gui/ReadingFileStore.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>

namespace {

PracticeSheet sheetOf(Platform& platform, const Reading& reading, const QVector<PracticeStep>& plan)
{
    return composePracticeSheet(reading, plan, platform.now().date());
}

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize localePaperSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

void printPracticeSheet(Platform& platform, const Reading& reading, const QVector<PracticeStep>& plan)
{
    const PracticeSheet sheet = sheetOf(platform, reading, plan);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(sheet.title);
    if (!platform.execPrintDialog(printer, false))
        return;
    PracticeSheetDocument(sheet, printer).paint();
}

void savePracticeSheetPdf(Platform& platform, const Reading& reading, const QVector<PracticeStep>& plan)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save Sheet as PDF");
    request.filter = QStringLiteral("PDF | *.pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    request.suggestedPath = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
        + practiceSheetFileName(reading);
    const QString path = platform.getSaveFileName(request);
    if (path.isEmpty())
        return;
    // Written whole in memory first, then replacing the file as a reading file does: never half a PDF on disk.
    const std::optional<QString> failure
        = writeReadingFile(withPdfExtension(path), practiceSheetPdf(sheetOf(platform, reading, plan)));
    if (failure)
        platform.showMessage(PracticeSheetNotSaved + QChar(13) + *failure, MessageIcon::Warning);
}

QByteArray practiceSheetPdf(const PracticeSheet& sheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Astravida"));
        writer.setPageSize(localePaperSize());
        PracticeSheetDocument(sheet, writer).paint();
    }
    return bytes;
}

#include "FakePlatform.h"

#include <QPrinter>

namespace {

void printIntoPdf(QPrinter& printer, const QString& pdfPath, bool selection)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    if (selection)
        printer.setPrintRange(QPrinter::Selection);
}

const bool printing = (FakePlatform::preparePrinter = printIntoPdf, true);

} // namespace

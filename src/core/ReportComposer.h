#pragma once

#include <QString>
#include <QVector>

struct Reading;

struct ReportColour
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(ReportColour a, ReportColour b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(ReportColour a, ReportColour b) { return !(a == b); }
};

// The only colours a report uses.
namespace ReportColours {
constexpr ReportColour black {0, 0, 0};
constexpr ReportColour magenta {128, 0, 128};
constexpr ReportColour green {0, 128, 0};
constexpr ReportColour darkBlue {0, 0, 128};
constexpr ReportColour darkCyan {0, 128, 128};
constexpr ReportColour olive {128, 128, 0};
constexpr ReportColour blue {0, 0, 255};
constexpr ReportColour red {255, 0, 0};
} // namespace ReportColours

// The face is Verdana throughout; a format only varies in these.
struct ReportFormat
{
    bool bold = false;
    ReportColour colour = ReportColours::black;
    double pointSize = 9.75;

    friend bool operator==(const ReportFormat& a, const ReportFormat& b)
    {
        return a.bold == b.bold && a.colour == b.colour && qFuzzyCompare(a.pointSize, b.pointSize);
    }
    friend bool operator!=(const ReportFormat& a, const ReportFormat& b) { return !(a == b); }
};

// One appended piece: its text (line breaks are CR LF pairs) in the format current at the time.
struct ReportRun
{
    QString text;
    ReportFormat format;

    friend bool operator==(const ReportRun& a, const ReportRun& b) { return a.text == b.text && a.format == b.format; }
};

// The reading as the runs to append, in order, to a box whose own format is Verdana 9.75 pt black.
QVector<ReportRun> composeReport(const Reading& reading);

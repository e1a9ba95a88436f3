#include "core/ReadingFile.h"

#include "core/InputChecks.h"
#include "core/Scramble.h"
#include "core/SunSign.h"

namespace {

constexpr int ValueLines = 4;

// The number as a list of first to last shows it, and nothing for any other text: no sign, no leading zero.
std::optional<int> listedNumber(const QString& text, int first, int last)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (!isNumber || number < first || number > last || QString::number(number) != text)
        return std::nullopt;
    return number;
}

QByteArray scrambledLine(const QString& value)
{
    // Scrambled codes all lie within 85..255, so Latin-1 carries them byte for byte.
    return ScrambleText(value).toLatin1() + "\r\n";
}

} // namespace

QByteArray encodeReadingFile(const ReadingInput& input)
{
    return scrambledLine(input.name) + scrambledLine(QString::number(input.day)) + scrambledLine(input.month)
        + scrambledLine(QString::number(input.year));
}

QStringList decodeReadingFile(const QByteArray& bytes, bool wholeFile)
{
    QStringList values;
    qsizetype start = 0;
    while (values.size() < ValueLines && start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end == bytes.size() && !wholeFile)
            break;
        values.append(UnscrambleText(QString::fromLatin1(bytes.constData() + start, end - start)));
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return values;
}

std::optional<ReadingInput> readingInputFromFile(const QStringList& values)
{
    // A date the lists do not offer would leave the last one standing and give a reading of someone else's birthday,
    // so such a file is refused whole; a missing line reads as empty, which no list offers.
    const std::optional<int> day = listedNumber(values.value(1), FirstDay, LastDay);
    const qsizetype month = monthNames().indexOf(values.value(2));
    const std::optional<int> year = listedNumber(values.value(3), FirstYear, LastYear);
    if (!day || month < 0 || !year)
        return std::nullopt;
    // The name is the reading action's to judge, as if it had been typed.
    return ReadingInput {values.value(0), *day, monthNames().at(month), *year};
}

bool passesReadingFileEnding(const QString& path)
{
    return path.size() < 3 || path.endsWith(QLatin1String("avd"), Qt::CaseSensitive);
}

FileDialogRequest readingFileOpenRequest()
{
    return {QStringLiteral("Select the source file"), QStringLiteral("Astravida (*.avd)|*.avd"), QStringLiteral("avd"),
        false, true, {}};
}

FileDialogRequest readingFileSaveRequest()
{
    return {QStringLiteral("Astravida"), QStringLiteral("Astravida | *.avd"), QStringLiteral("avd"), true, false, {}};
}

QString withReadingFileExtension(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash && dot + 1 < path.size())
        return path;
    return dot > slash ? path + QStringLiteral("avd") : path + QStringLiteral(".avd");
}

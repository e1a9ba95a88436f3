#include "core/ReadingFile.h"

#include "core/Scramble.h"

namespace {

constexpr int ValueLines = 4;

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

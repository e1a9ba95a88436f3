#include "gui/ReadingFileStore.h"

#include "core/ReadingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

std::optional<QString> commitSaveFile(QSaveFile& file)
{
    if (file.commit())
        return std::nullopt;
    return file.errorString();
}

ReadingFileCommit commitReadingFile = commitSaveFile;

} // namespace

ReadingFileCommit setReadingFileCommit(ReadingFileCommit commit)
{
    return std::exchange(commitReadingFile, commit ? commit : commitSaveFile);
}

std::optional<ReadingFileHead> readReadingFileHead(const QString& path)
{
    // A pipe or a device would block or never end; only regular files are read.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    ReadingFileHead head;
    head.bytes = file.read(ReadingFileReadLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    head.wholeFile = head.bytes.size() <= ReadingFileReadLimit;
    head.bytes.truncate(ReadingFileReadLimit);
    return head;
}

std::optional<QString> writeReadingFile(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, because Qt 6.4's commit() misses an error in its final flush and would put a cut-off file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A write cut short, as on a full disk, carries no reason; writing the rest again fails with the system's.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return file.errorString(); // never committed, the temporary file goes and the old one stays
        written += count;
    }
    if (const std::optional<QString> refused = commitReadingFile(file))
        return refused; // never put in place, the temporary file goes and the old one stays
    return std::nullopt;
}

#include "gui/ReadingFileStore.h"

#include "core/ReadingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool writeReadingFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Qt 6.4's commit() misses an error in the final flush and would put a cut-off file in place, so flush first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

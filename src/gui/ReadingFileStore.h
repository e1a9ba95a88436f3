#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct ReadingFileHead
{
    QByteArray bytes;
    bool wholeFile = true; // false when the file goes on past ReadingFileReadLimit
};

// At most ReadingFileReadLimit bytes of a regular file; nothing for a folder, a device, a pipe or a file that cannot
// be opened or read.
std::optional<ReadingFileHead> readReadingFileHead(const QString& path);

// Replaces the file whole or not at all: a failed write leaves no partial file and the old one untouched. Gives the
// system's reason when the file was not replaced, nothing when it was.
std::optional<QString> writeReadingFile(const QString& path, const QByteArray& bytes);

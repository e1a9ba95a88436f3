#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QSaveFile;

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

// The last step of writeReadingFile: puts the written file in place of the old one, and gives the system's reason
// when it could not. Replaceable because no state of the file system refuses that step alone, and a test must.
using ReadingFileCommit = std::optional<QString> (*)(QSaveFile& file);
// Sets the step, QSaveFile's own commit for nullptr; gives the one it replaces.
ReadingFileCommit setReadingFileCommit(ReadingFileCommit commit);

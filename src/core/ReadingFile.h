#pragma once

#include "core/Platform.h"
#include "core/Reading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

inline const QString ReadingFileRefusal = QStringLiteral("Please Check The File.");
inline const QString ReadingFileNotSaved = QStringLiteral("The reading could not be saved.");

// More than any file Save writes (the name box holds at most 32767 characters); the rest of a file is never read.
constexpr qint64 ReadingFileReadLimit = 64 * 1024;

// Name, day, month and year, each scrambled into single-byte codes and ended by CR LF.
QByteArray encodeReadingFile(const ReadingInput& input);

// The unscrambled values of lines 1 to 4, as many as the bytes hold. A line breaks at CR LF, CR or LF. When the
// bytes are only the head of a longer file, a last line cut off by the limit is not taken.
QStringList decodeReadingFile(const QByteArray& bytes, bool wholeFile = true);

// The input a saved reading's four values give, or nothing when its date is not one the main window's lists offer.
std::optional<ReadingInput> readingInputFromFile(const QStringList& values);

// Refuses a path of three or more characters whose last three are not exactly "avd"; shorter ones pass.
bool passesReadingFileEnding(const QString& path);

FileDialogRequest readingFileOpenRequest();
FileDialogRequest readingFileSaveRequest();
// A name chosen without an extension gets ".avd", so that Open accepts what Save wrote.
QString withReadingFileExtension(const QString& path);

#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes or reads whole goes through here, so that a full disk, a crash
// half-way or a special file in place of a book never costs the user a file or hangs the program.
namespace safefile {

// Replaces the file with exactly these bytes. The bytes go to a temporary file beside it
// ("<name>.XXXXXX"), which is only renamed over the old file once every byte has reached the disk;
// on any failure the old file stays byte for byte and "Unable to write to <path>" is thrown.
// A symbolic link is followed, so the file it points to is replaced and the link stays.
void write(const QString &path, const QByteArray &bytes);

// The whole content of a regular file. Anything else (a folder, a FIFO, a device) is refused
// without being opened for reading, and so is a file that yields more than maxBytes, whatever
// size it reports. Throws AppError with a message for the user.
QByteArray read(const QString &path, qint64 maxBytes);

// True for an existing regular file (after following links).
bool isRegularFile(const QString &path);

// Removes temporary files that an interrupted write of this file left beside it.
void removeLeftovers(const QString &path);

// Tests only: the next write of a file with this name (no folder) fails, either after that many
// bytes have been written ("no space left on device") or, with failAtFlush, when the written
// bytes are flushed to the disk. One fault at a time; it is used up by the write it breaks.
void failNextWriteForTests(const QString &fileName, qint64 afterBytes, bool failAtFlush = false);
void clearFaultsForTests();

} // namespace safefile

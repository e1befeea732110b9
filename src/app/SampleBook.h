#pragma once

#include <QString>

// The sample books an installed copy carries, offered once to a new user.
namespace samplebook {

// <prefix>/share/solvarin/examples beside an installed program.
QString examplesDir();

// When the user has no book yet, asks whether to open a copy of the sample book; on Yes copies
// the book and its photos into dataDir (keeping any file of the same name there) and returns the
// copy's path. Empty when not asked, declined or the copy failed (said in a message).
QString offer(const QString &examples, const QString &dataDir, const QString &lastBook);

} // namespace samplebook

#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250 exists only where bytes meet the disk: settings, books, text exports.
namespace win1250 {

QString decode(const QByteArray &bytes);
// Characters the code page cannot hold become the substitute control (0x1A), one for each;
// *lossless (when given) tells whether any did.
QByteArray encode(const QString &text, bool *lossless = nullptr);
// Characters of the text that Windows-1250 cannot hold, in order of appearance, each once.
QString unencodable(const QString &text);

} // namespace win1250

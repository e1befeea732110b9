#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

// "Zapisz obliczenia": the texts of a calculator page's captions and values, line by line, as a
// Windows-1250 text file with CR LF line ends. Nothing is computed here; the texts are copied.

// Text of a control by its object name (a label's caption, a field's text, a list's chosen item).
using ControlText = std::function<QString(const QString &objectName)>;

// The file-name stem of a page (0..3); empty for other pages.
QString exportStem(int page);
// "Ustawienia z dnia: " + short date and long time (no time at exactly midnight).
QString exportHeader(const QDateTime &now);
// The lines of a page (0..3); empty for other pages.
QStringList exportLines(int page, const ControlText &text, const QDateTime &now);
// The file's bytes. Throws AppError naming the characters Windows-1250 cannot hold.
QByteArray exportBytes(const QStringList &lines);

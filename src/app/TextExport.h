#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class CalculatorPage;

// "Zapisz obliczenia": the texts of a calculator page's captions and values, line by line, as a
// Windows-1250 text file with CR LF line ends. Nothing is computed here; the page says which
// texts and in which order.

// "Ustawienia z dnia: " + short date and long time (no time at exactly midnight).
QString exportHeader(const QDateTime &now);
// The header, then the page's lines.
QStringList exportLines(const CalculatorPage &page, const QDateTime &now);
// The file's bytes. Throws AppError naming the characters Windows-1250 cannot hold.
QByteArray exportBytes(const QStringList &lines);

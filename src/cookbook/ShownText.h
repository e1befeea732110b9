#pragma once

#include <QString>

// Texts as the screen shows them. A book may hold a title or a description of megabytes; laying
// such a text out costs seconds (an unbroken one even grows with the square of its length), so
// the screen shows a bounded part of it and gives long unbroken stretches places to wrap. The
// book itself always keeps the whole text.
namespace showntext {

// Enough for any real title, name or category in a list, a tree or a label.
constexpr qsizetype ItemCharacters = 400;
// About three hundred printed pages: enough for any real description in the recipe view.
constexpr qsizetype ViewCharacters = 1000 * 1000;
// A stretch without a blank longer than this gets invisible places to wrap.
constexpr qsizetype UnbrokenCharacters = 200;

// The text, or its first maxCharacters characters followed by "…".
QString cut(const QString &text, qsizetype maxCharacters);

// The text with a zero-width space after every UnbrokenCharacters characters of a stretch without
// blanks; the same text (no copy) when it has no such stretch.
QString wrappable(const QString &text);

} // namespace showntext

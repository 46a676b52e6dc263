#pragma once

#include <QString>

// How names and paths from files and folders are written out, as JSON or as plain text.

// JSON string literal for text, with every code unit outside printable ASCII escaped as \uXXXX,
// so names keep each unit exactly, lone surrogates and zero units included.
QString JsonString(const QString& text);

// The text with control characters, and the bytes of a file name that is not UTF-8, as \xNN
// escapes: plain output one line per entry that cannot steer the terminal.
QString Printable(const QString& text);

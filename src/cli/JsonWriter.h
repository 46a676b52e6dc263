#pragma once

#include <QString>

// JSON string literal for text, with every code unit outside printable ASCII escaped as \uXXXX,
// so names keep each unit exactly, lone surrogates and zero units included.
QString JsonString(const QString& text);

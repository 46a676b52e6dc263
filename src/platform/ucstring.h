#pragma once

#include <QString>
#include <string>

// Strings of UTF-16 code units in host order, as brush files and the path model keep them.
using ucstring = std::basic_string<unsigned short>;

extern const ucstring empty_ucstring;

// Drops trailing zero units, then keeps the low byte of each remaining unit.
std::string ascii_ustringToString(const ucstring& text);

void assign(std::string& dst, const QString& src);
// Stops at the first zero byte, as a C string would.
void assign(QString& dst, const std::string& src);
// Keeps every code unit, a trailing zero included.
void assign(QString& dst, const ucstring& src);
void assign(ucstring& dst, const QString& src);
void assign(ucstring& dst, QStringView src);

#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

// The fixed file version from the version resource of a Windows executable, the one fact
// the installed-applications list needs from a Photoshop.exe running under Wine. The reader
// trusts nothing in the file: every offset is checked against the file and the section that
// should hold it, and the resource tree is walked to its fixed depth of three, so a directory
// entry pointing back at its parent cannot make it loop.
struct PEFileVersion
{
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t build = 0;
    uint16_t revision = 0;
};

// Copies size bytes at offset into out; false when they are not all there.
using PEByteReader = std::function<bool(uint64_t offset, void* out, size_t size)>;

std::optional<PEFileVersion> ReadPEFileVersion(const PEByteReader& read);
std::optional<PEFileVersion> ReadPEFileVersion(const QByteArray& image);
// Reads only the few hundred bytes it needs, however large the executable.
std::optional<PEFileVersion> ReadPEFileVersionOfFile(const QString& path);

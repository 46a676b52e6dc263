#include "platform/PEVersionResource.h"

#include "platform/NativePath.h"

#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr uint32_t kVersionResourceType = 16; // RT_VERSION
constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
// The Windows loader refuses more; a hostile count stays a small loop.
constexpr uint16_t kMaxSections = 96;

struct PESection
{
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawSize;
    uint32_t rawOffset;
};

class PEImageWalker
{
public:
    explicit PEImageWalker(const PEByteReader& read) : mRead(read) {}

    std::optional<PEFileVersion> fileVersion()
    {
        if (!readHeaders())
            return std::nullopt;
        // The resource tree: type, then name, then language. Offsets of subdirectories and
        // data entries count from the start of the resource section.
        uint32_t nameLevel = 0, languageLevel = 0, dataEntry = 0;
        if (!findEntry(0, kVersionResourceType, true, &nameLevel) ||
            !findEntry(nameLevel, kAnyEntry, true, &languageLevel) ||
            !findEntry(languageLevel, kAnyEntry, false, &dataEntry))
            return std::nullopt;
        return versionFromDataEntry(dataEntry);
    }

private:
    static constexpr uint32_t kAnyEntry = 0xFFFFFFFF;

    bool read(uint64_t offset, void* out, size_t size) const { return mRead(offset, out, size); }

    // DOS header: "MZ", ..., e_lfanew (u32 at 0x3C).
    // At e_lfanew: "PE\0\0", then the file header: Machine u16, NumberOfSections u16,
    // TimeDateStamp u32, PointerToSymbolTable u32, NumberOfSymbols u32,
    // SizeOfOptionalHeader u16, Characteristics u16.
    // Optional header: Magic u16 (0x10B PE32, 0x20B PE32+), ..., NumberOfRvaAndSizes at 92
    // (PE32) or 108 (PE32+), then the data directories (RVA u32, Size u32); index 2 is the
    // resource table. The section table follows the optional header.
    bool readHeaders()
    {
        uint8_t dos[64];
        if (!read(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z')
            return false;
        const uint64_t pe = qFromLittleEndian<quint32>(dos + 0x3C);
        uint8_t fileHeader[24];
        if (!read(pe, fileHeader, sizeof fileHeader) || std::memcmp(fileHeader, "PE\0\0", 4) != 0)
            return false;
        const uint16_t sectionCount = qFromLittleEndian<quint16>(fileHeader + 6);
        const uint16_t optionalSize = qFromLittleEndian<quint16>(fileHeader + 20);
        if (sectionCount == 0 || sectionCount > kMaxSections)
            return false;

        const uint64_t optional = pe + sizeof fileHeader;
        uint8_t magic[2];
        if (!read(optional, magic, 2))
            return false;
        uint32_t countOffset = 0;
        if (qFromLittleEndian<quint16>(magic) == 0x10B)
            countOffset = 92;
        else if (qFromLittleEndian<quint16>(magic) == 0x20B)
            countOffset = 108;
        else
            return false;
        uint8_t count[4];
        uint8_t resourceDirectory[8];
        if (optionalSize < countOffset + 4 + 3 * 8 || !read(optional + countOffset, count, 4) ||
            qFromLittleEndian<quint32>(count) < 3 ||
            !read(optional + countOffset + 4 + 2 * 8, resourceDirectory, 8))
            return false;
        const uint32_t resourceRva = qFromLittleEndian<quint32>(resourceDirectory);
        if (resourceRva == 0)
            return false;

        // Section: Name[8], VirtualSize u32, VirtualAddress u32, SizeOfRawData u32,
        // PointerToRawData u32, ... (40 bytes).
        std::vector<uint8_t> table(size_t(sectionCount) * 40);
        if (!read(optional + optionalSize, table.data(), table.size()))
            return false;
        for (uint16_t i = 0; i < sectionCount; ++i) {
            const uint8_t* s = table.data() + size_t(i) * 40;
            mSections.push_back(
                {qFromLittleEndian<quint32>(s + 12), qFromLittleEndian<quint32>(s + 8),
                 qFromLittleEndian<quint32>(s + 16), qFromLittleEndian<quint32>(s + 20)});
        }
        return mapRva(resourceRva, 16, &mResourceStart, &mResourceEnd);
    }

    // The file range of size bytes at rva, which must lie in one section's stored bytes;
    // end is where that section's bytes end in the file.
    bool mapRva(uint32_t rva, uint32_t size, uint64_t* offset, uint64_t* end) const
    {
        for (const PESection& s : mSections) {
            if (rva < s.virtualAddress)
                continue;
            const uint64_t into = uint64_t(rva) - s.virtualAddress;
            if (into + size > s.rawSize)
                continue;
            *offset = uint64_t(s.rawOffset) + into;
            *end = uint64_t(s.rawOffset) + s.rawSize;
            return true;
        }
        return false;
    }

    // Directory: Characteristics u32, TimeDateStamp u32, MajorVersion u16, MinorVersion u16,
    // NumberOfNamedEntries u16, NumberOfIdEntries u16, then the entries: Name-or-Id u32
    // (high bit: a name), OffsetToData u32 (high bit: a subdirectory).
    // Finds the entry with the given id (or the first one) whose kind matches.
    bool findEntry(uint32_t directory, uint32_t id, bool wantDirectory, uint32_t* target) const
    {
        uint8_t header[16];
        const uint64_t at = mResourceStart + directory;
        if (at + sizeof header > mResourceEnd || !read(at, header, sizeof header))
            return false;
        const uint32_t count = uint32_t(qFromLittleEndian<quint16>(header + 12)) +
                               qFromLittleEndian<quint16>(header + 14);
        if (count == 0 || at + sizeof header + uint64_t(count) * 8 > mResourceEnd)
            return false;
        std::vector<uint8_t> entries(size_t(count) * 8);
        if (!read(at + sizeof header, entries.data(), entries.size()))
            return false;
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t name = qFromLittleEndian<quint32>(entries.data() + i * 8);
            const uint32_t data = qFromLittleEndian<quint32>(entries.data() + i * 8 + 4);
            if (id != kAnyEntry && name != id)
                continue;
            if (bool(data & 0x80000000u) != wantDirectory)
                continue;
            *target = data & 0x7FFFFFFFu;
            return true;
        }
        return false;
    }

    // Data entry: OffsetToData u32 (an RVA), Size u32, CodePage u32, Reserved u32.
    // VS_VERSIONINFO: wLength u16, wValueLength u16, wType u16, szKey "VS_VERSION_INFO" in
    // UTF-16 with its terminator, padding to 32 bits, then VS_FIXEDFILEINFO: dwSignature,
    // dwStrucVersion, dwFileVersionMS, dwFileVersionLS, ...
    std::optional<PEFileVersion> versionFromDataEntry(uint32_t entry) const
    {
        uint8_t header[16];
        const uint64_t at = mResourceStart + entry;
        if (at + sizeof header > mResourceEnd || !read(at, header, sizeof header))
            return std::nullopt;
        constexpr uint32_t kFixedInfoOffset = 40;
        constexpr uint32_t kNeeded = kFixedInfoOffset + 16;
        if (qFromLittleEndian<quint32>(header + 4) < kNeeded)
            return std::nullopt;
        uint64_t offset = 0, end = 0;
        if (!mapRva(qFromLittleEndian<quint32>(header), kNeeded, &offset, &end))
            return std::nullopt;
        uint8_t info[kNeeded];
        if (!read(offset, info, sizeof info))
            return std::nullopt;
        static const char16_t kKey[] = u"VS_VERSION_INFO";
        for (size_t i = 0; i < sizeof kKey / sizeof kKey[0]; ++i)
            if (qFromLittleEndian<quint16>(info + 6 + 2 * i) != kKey[i])
                return std::nullopt;
        if (qFromLittleEndian<quint16>(info + 2) < 52 ||
            qFromLittleEndian<quint32>(info + kFixedInfoOffset) != kFixedFileInfoSignature)
            return std::nullopt;
        const uint32_t ms = qFromLittleEndian<quint32>(info + kFixedInfoOffset + 8);
        const uint32_t ls = qFromLittleEndian<quint32>(info + kFixedInfoOffset + 12);
        return PEFileVersion{uint16_t(ms >> 16), uint16_t(ms), uint16_t(ls >> 16), uint16_t(ls)};
    }

    const PEByteReader& mRead;
    std::vector<PESection> mSections;
    uint64_t mResourceStart = 0;
    uint64_t mResourceEnd = 0;
};
} // namespace

std::optional<PEFileVersion> ReadPEFileVersion(const PEByteReader& read)
{
    return PEImageWalker(read).fileVersion();
}

std::optional<PEFileVersion> ReadPEFileVersion(const QByteArray& image)
{
    return ReadPEFileVersion([&image](uint64_t offset, void* out, size_t size) {
        if (offset > uint64_t(image.size()) || size > uint64_t(image.size()) - offset)
            return false;
        std::memcpy(out, image.constData() + offset, size);
        return true;
    });
}

std::optional<PEFileVersion> ReadPEFileVersionOfFile(const QString& path)
{
    // O_NONBLOCK: a FIFO named like an executable must not stall the list; pread refuses it.
    const int fd = ::open(PathToNative(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    const auto version = ReadPEFileVersion([fd](uint64_t offset, void* out, size_t size) {
        if (offset > uint64_t(INT64_MAX) - size)
            return false;
        size_t done = 0;
        while (done < size) {
            const ssize_t n =
                ::pread(fd, static_cast<char*>(out) + done, size - done, off_t(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += size_t(n);
        }
        return true;
    });
    ::close(fd);
    return version;
}

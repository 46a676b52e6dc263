#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Builds brush files byte by byte, big-endian, for tests.
class AbrWriter
{
public:
    AbrWriter& u8(uint8_t v);
    AbrWriter& u16(uint16_t v);
    AbrWriter& u32(uint32_t v);
    AbrWriter& u64(uint64_t v);
    AbrWriter& f64(double v);
    AbrWriter& bytes(const std::vector<uint8_t>& v);
    AbrWriter& bytes(const QByteArray& v);
    AbrWriter& ascii(const char* text); // raw, no length
    AbrWriter& zeros(size_t n);
    // Version-2 style name: 4-byte count of UTF-16 units, then the units.
    AbrWriter& name(const QString& text, bool terminated = true);

    size_t size() const { return mData.size(); }
    const QByteArray& data() const { return mData; }
    // Overwrites a 4-byte big-endian value at an offset already written (lengths filled in late).
    void patchU32(size_t offset, uint32_t v);

    // Version 1/2 records.
    AbrWriter& computedRecord(bool withName, const QString& name, uint16_t diameter,
                              uint16_t roundness, int16_t angle, uint16_t hardness);
    AbrWriter& sampledRecord(bool withName, const QString& name, int32_t top, int32_t left,
                             int32_t bottom, int32_t right, uint16_t depth, bool compressed,
                             const QByteArray& payload);

private:
    QByteArray mData;
};

// PackBits-encodes data as literal runs and repeats, the way brush files store rows.
QByteArray PackBits(const QByteArray& raw);

// One pattern record of a "patt" section, padded to a multiple of 4.
struct PatternRecordDescription
{
    struct Channel
    {
        bool written = true;
        uint32_t depth = 8;
        bool compressed = false;
        // Raw rows as the file keeps them (big-endian for 16 bits); the writer packs them, one
        // row at a time with a row table, when compressed.
        QByteArray rows;
        int32_t lengthDelta = 0; // added to the entry's length field
    };

    uint32_t version = 1;
    uint32_t mode = 1;
    uint16_t width = 0, height = 0;
    QString name;
    std::optional<uint32_t> nameUnits; // a count that disagrees with the name, when set
    std::string identifier;
    QByteArray palette;               // indexed mode: 768 bytes
    std::optional<int32_t> listRight; // the list's rectangle, when it should not fit the size
    uint32_t channelCount = 24;       // entries written: this plus user and sheet mask
    std::vector<Channel> channels;    // the leading entries; the rest are not written
    int32_t recordLengthDelta = 0;
};

QByteArray PatternRecord(const PatternRecordDescription& pattern);

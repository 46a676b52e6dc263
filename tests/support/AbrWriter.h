#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
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

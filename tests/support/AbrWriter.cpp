#include "AbrWriter.h"

#include <algorithm>
#include <cstring>

AbrWriter& AbrWriter::u8(uint8_t v)
{
    mData.append(char(v));
    return *this;
}

AbrWriter& AbrWriter::u16(uint16_t v)
{
    return u8(uint8_t(v >> 8)).u8(uint8_t(v));
}

AbrWriter& AbrWriter::u32(uint32_t v)
{
    return u16(uint16_t(v >> 16)).u16(uint16_t(v));
}

AbrWriter& AbrWriter::u64(uint64_t v)
{
    return u32(uint32_t(v >> 32)).u32(uint32_t(v));
}

AbrWriter& AbrWriter::f64(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    return u64(bits);
}

AbrWriter& AbrWriter::bytes(const std::vector<uint8_t>& v)
{
    mData.append(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
    return *this;
}

AbrWriter& AbrWriter::bytes(const QByteArray& v)
{
    mData.append(v);
    return *this;
}

AbrWriter& AbrWriter::ascii(const char* text)
{
    mData.append(text);
    return *this;
}

AbrWriter& AbrWriter::zeros(size_t n)
{
    mData.append(qsizetype(n), '\0');
    return *this;
}

AbrWriter& AbrWriter::name(const QString& text, bool terminated)
{
    u32(uint32_t(text.size() + (terminated ? 1 : 0)));
    for (QChar c : text)
        u16(c.unicode());
    if (terminated)
        u16(0);
    return *this;
}

void AbrWriter::patchU32(size_t offset, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        mData[qsizetype(offset) + i] = char(v >> (24 - 8 * i));
}

AbrWriter& AbrWriter::computedRecord(bool withName, const QString& brushName, uint16_t diameter,
                                     uint16_t roundness, int16_t angle, uint16_t hardness)
{
    u16(1);
    const size_t lengthAt = size();
    u32(0);
    const size_t start = size();
    // Photoshop's default spacing, 25 %.
    u32(0).u16(25);
    if (withName)
        name(brushName);
    u16(diameter).u16(roundness).u16(uint16_t(angle)).u16(hardness);
    patchU32(lengthAt, uint32_t(size() - start));
    return *this;
}

AbrWriter& AbrWriter::sampledRecord(bool withName, const QString& brushName, int32_t top,
                                    int32_t left, int32_t bottom, int32_t right, uint16_t depth,
                                    bool compressed, const QByteArray& payload)
{
    u16(2);
    const size_t lengthAt = size();
    u32(0);
    const size_t start = size();
    // Photoshop's default spacing, 25 %.
    u32(0).u16(25);
    if (withName)
        name(brushName);
    u8(0).zeros(8);
    u32(uint32_t(top)).u32(uint32_t(left)).u32(uint32_t(bottom)).u32(uint32_t(right));
    u16(depth).u8(compressed ? 1 : 0);
    if (compressed)
        for (int32_t row = 0; row < bottom - top; ++row)
            u16(0xBEEF); // row lengths are never consulted
    bytes(payload);
    patchU32(lengthAt, uint32_t(size() - start));
    return *this;
}

QByteArray PackBits(const QByteArray& raw)
{
    QByteArray out;
    qsizetype i = 0;
    while (i < raw.size()) {
        qsizetype run = 1;
        while (i + run < raw.size() && run < 128 && raw[i + run] == raw[i])
            ++run;
        if (run >= 2) {
            out.append(char(1 - run));
            out.append(raw[i]);
            i += run;
            continue;
        }
        qsizetype literal = 1;
        while (i + literal < raw.size() && literal < 128 &&
               !(i + literal + 1 < raw.size() && raw[i + literal] == raw[i + literal + 1]))
            ++literal;
        out.append(char(literal - 1));
        out.append(raw.mid(i, literal));
        i += literal;
    }
    return out;
}

QByteArray PatternRecord(const PatternRecordDescription& p)
{
    AbrWriter w;
    w.u32(0).u32(p.version).u32(p.mode).u16(p.height).u16(p.width);
    if (p.nameUnits) {
        w.u32(*p.nameUnits);
        for (QChar c : p.name)
            w.u16(c.unicode());
    } else {
        w.name(p.name);
    }
    w.u8(uint8_t(p.identifier.size())).ascii(p.identifier.c_str()).bytes(p.palette);
    auto rect = [&](int32_t right) { w.u32(0).u32(0).u32(p.height).u32(uint32_t(right)); };
    w.u32(3);
    const size_t listLengthAt = w.size();
    w.u32(0);
    rect(p.listRight.value_or(p.width));
    w.u32(p.channelCount);
    // A count no record could hold is written as stated, over no more entries than given.
    const size_t entries = std::min<size_t>(size_t(p.channelCount) + 2, p.channels.size() + 26);
    for (size_t i = 0; i < entries; ++i) {
        if (i >= p.channels.size() || !p.channels[i].written) {
            w.u32(0);
            continue;
        }
        const PatternRecordDescription::Channel& c = p.channels[i];
        w.u32(1);
        const size_t lengthAt = w.size();
        w.u32(0).u32(c.depth);
        rect(p.width);
        w.u16(uint16_t(c.depth)).u8(c.compressed ? 1 : 0);
        if (c.compressed && p.height > 0) {
            const qsizetype rowBytes = c.rows.size() / p.height;
            QByteArray packed;
            for (int row = 0; row < p.height; ++row) {
                const QByteArray rowData = PackBits(c.rows.mid(row * rowBytes, rowBytes));
                w.u16(uint16_t(rowData.size()));
                packed += rowData;
            }
            w.bytes(packed);
        } else {
            w.bytes(c.rows);
        }
        w.patchU32(lengthAt, uint32_t(int64_t(w.size() - lengthAt - 4) + c.lengthDelta));
    }
    w.patchU32(listLengthAt, uint32_t(w.size() - listLengthAt - 4));
    w.patchU32(0, uint32_t(int64_t(w.size() - 4) + p.recordLengthDelta));
    while (w.size() % 4)
        w.u8(0);
    return w.data();
}

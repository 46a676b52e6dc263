#pragma once

#include "support/AbrWriter.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <utility>
#include <vector>

// Builders for version-6 brush files: descriptor items, sample records and sections.
namespace desc {

inline QByteArray Key(const std::string& key)
{
    AbrWriter w;
    // Four-character codes are stored with a zero length.
    w.u32(key.size() == 4 ? 0 : uint32_t(key.size())).ascii(key.c_str());
    return w.data();
}

inline QByteArray Unicode(const QString& text, bool terminated = true)
{
    return AbrWriter().name(text, terminated).data();
}

inline QByteArray Text(const QString& text, bool terminated = true)
{
    return "TEXT" + Unicode(text, terminated);
}

inline QByteArray UntF(const char* units, double v)
{
    return AbrWriter().ascii("UntF").ascii(units).f64(v).data();
}

inline QByteArray Doub(double v)
{
    return AbrWriter().ascii("doub").f64(v).data();
}

inline QByteArray Long(int32_t v)
{
    return AbrWriter().ascii("long").u32(uint32_t(v)).data();
}

inline QByteArray Bool(bool v)
{
    return AbrWriter().ascii("bool").u8(v ? 1 : 0).data();
}

inline QByteArray Enum(const std::string& type, const std::string& value)
{
    return "enum" + Key(type) + Key(value);
}

using Members = std::vector<std::pair<std::string, QByteArray>>;

inline QByteArray Obj(const std::string& classId, const Members& members)
{
    AbrWriter w;
    w.ascii("Objc").bytes(Unicode(QString())).bytes(Key(classId)).u32(uint32_t(members.size()));
    for (const auto& [key, item] : members)
        w.bytes(Key(key)).bytes(item);
    return w.data();
}

inline QByteArray List(const std::vector<QByteArray>& items)
{
    AbrWriter w;
    w.ascii("VlLs").u32(uint32_t(items.size()));
    for (const QByteArray& item : items)
        w.bytes(item);
    return w.data();
}

inline QByteArray ComputedTip(double diameter, double angle, double roundness, double hardness,
                              Members extra = {})
{
    Members m = {{"Dmtr", UntF("#Pxl", diameter)},
                 {"Angl", UntF("#Ang", angle)},
                 {"Rndn", UntF("#Prc", roundness)},
                 {"Hrdn", UntF("#Prc", hardness)}};
    m.insert(m.end(), extra.begin(), extra.end());
    return Obj("computedBrush", m);
}

inline QByteArray SampledTip(const QString& id, bool terminated = true)
{
    return Obj("sampledBrush", {{"sampledData", Text(id, terminated)}});
}

inline QByteArray Preset(const QString& name, const QByteArray& tip, Members extra = {})
{
    Members m = {{"Nm  ", Text(name)}, {"Brsh", tip}};
    m.insert(m.end(), extra.begin(), extra.end());
    return Obj("brushPreset", m);
}

// The data of a "desc" section: the fixed head, then the top-level item "Brsh" holding
// the given list item.
inline QByteArray Section(const QByteArray& presetList)
{
    AbrWriter w;
    w.u32(16).u32(1).u16(0).u32(0).ascii("null").u32(1).bytes(Key("Brsh")).bytes(presetList);
    return w.data();
}

inline QByteArray Presets(const std::vector<QByteArray>& presets)
{
    return Section(List(presets));
}

} // namespace desc

struct SampleRecordDescription
{
    std::string id;
    int32_t top = 0, left = 0, bottom = 0, right = 0;
    uint16_t depth = 8;
    bool compressed = false;
    QByteArray pixels; // raw big-endian samples, or PackBits data when compressed
    int surplus = 0;   // bytes past the fields that the record's length still covers
    std::vector<uint16_t> rowLengths = {}; // the row table when compressed; 0xBEEF each when empty
};

// Rows packed one at a time, as Photoshop stores samples, with their row table.
inline SampleRecordDescription PackedRows(const std::string& id, int width, const QByteArray& raw)
{
    SampleRecordDescription s;
    s.id = id;
    s.right = width;
    s.bottom = int32_t(raw.size() / width);
    s.compressed = true;
    for (int32_t row = 0; row < s.bottom; ++row) {
        const QByteArray packed = PackBits(raw.mid(row * width, width));
        s.rowLengths.push_back(uint16_t(packed.size()));
        s.pixels += packed;
    }
    return s;
}

// Sample records, each padded so the next begins on a multiple of 4 (the section starts on
// one, as every file built here puts "samp" first or keeps it aligned).
inline QByteArray SampleRecords(const std::vector<SampleRecordDescription>& samples, int subVersion)
{
    AbrWriter w;
    for (const SampleRecordDescription& s : samples) {
        const size_t lengthAt = w.size();
        w.u32(0).u8(uint8_t(s.id.size())).ascii(s.id.c_str());
        w.zeros(subVersion == 1 ? 10 : 264);
        w.u32(uint32_t(s.top)).u32(uint32_t(s.left)).u32(uint32_t(s.bottom)).u32(uint32_t(s.right));
        w.u16(s.depth).u8(s.compressed ? 1 : 0);
        if (s.compressed)
            for (int32_t row = s.top; row < s.bottom; ++row)
                w.u16(s.rowLengths.empty() ? 0xBEEF : s.rowLengths.at(size_t(row - s.top)));
        w.bytes(s.pixels).zeros(size_t(s.surplus));
        w.patchU32(lengthAt, uint32_t(w.size() - lengthAt - 4));
        while (w.size() % 4)
            w.u8(0);
    }
    return w.data();
}

inline QByteArray Section(const char* key, const QByteArray& data)
{
    return AbrWriter().ascii("8BIM").ascii(key).u32(uint32_t(data.size())).bytes(data).data();
}

inline QByteArray Header(uint16_t version = 6, uint16_t subVersion = 2)
{
    return AbrWriter().u16(version).u16(subVersion).data();
}

// A version-6 file whose first sample (2 x 2, 8-bit) is good and whose second has a depth no
// file has: readers give the first brush, then the damage.
inline QByteArray OneGoodSampleThenDamage()
{
    SampleRecordDescription good;
    good.id = "a";
    good.bottom = good.right = 2;
    good.pixels = QByteArray(4, char(200));
    SampleRecordDescription bad = good;
    bad.depth = 24;
    return Header() + Section("samp", SampleRecords({good, bad}, 2)) +
           Section("desc", desc::Presets({}));
}

// A version-6 file that holds only patterns: no sample, no preset.
inline QByteArray PatternsOnlyFile(const std::vector<PatternRecordDescription>& patterns)
{
    QByteArray records;
    for (const PatternRecordDescription& p : patterns)
        records += PatternRecord(p);
    return Header() + Section("samp", {}) + Section("desc", desc::Presets({})) +
           Section("patt", records);
}

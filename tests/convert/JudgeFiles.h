#pragma once

#include "MadeUpPatterns.h"
#include "abr/ReadWholeBrushFile.h"
#include "abr/Type6Writer.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/BrushPack.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/PackWriter.h"
#include "platform/NativePath.h"
#include "platform/WriteNewFile.h"
#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QRegularExpression>
#include <QtEndian>
#include <map>

// The patterns of the file with names no format holds as they are, as JudgeFiles writes them.
inline std::vector<PatternRecordDescription> AwkwardPatterns()
{
    PatternRecordDescription stone;
    stone.name = QStringLiteral("Stone ") + QChar(0xDBFF);
    stone.identifier = "stone";
    stone.width = 2;
    stone.height = 1;
    stone.channels = {{true, 8, false, QByteArray("\x10\x90", 2)}};
    PatternRecordDescription sand = stone;
    sand.name = QStringLiteral("Long sand ") + QString(290, u's');
    sand.identifier = "sand";
    return {stone, sand};
}

// Brush files of every kind Kelbrin reads, for GIMP and Krita to judge what Kelbrin makes of
// them: the real files in tests/read, and made-up ones of versions 1, 2, 6.1, 6.2, 7 and 10
// with 8-, 16- and 32-bit samples, computed tips and names with awkward characters. One, named
// in Latin-1 bytes as old Windows archives are, holds brushes and patterns whose names no
// format holds as they are: lone surrogates, 300 characters, a zero unit.
inline QStringList JudgeFiles(const Sandbox& sandbox)
{
    QStringList files;
    for (const QString& name :
         QDir(QStringLiteral(KELBRIN_TEST_DATA)).entryList({QStringLiteral("*.abr")}, QDir::Files))
        files << QStringLiteral(KELBRIN_TEST_DATA "/") + name;

    AbrWriter v1;
    v1.u16(1).u16(2).computedRecord(false, {}, 19, 60, 30, 80);
    v1.sampledRecord(false, {}, 0, 0, 3, 4, 8, false, QByteArray(12, char(90)));
    files << sandbox.write(QStringLiteral("version 1.abr"), v1.data());
    files << sandbox.write(QStringLiteral("version 2.abr"),
                           SampledBrushFile(NamedBrushes(QStringLiteral("Chalk №"), 3, 21, 13)));

    auto sample = [](const char* id, int depth, const QByteArray& pixels, int w, int h) {
        SampleRecordDescription s;
        s.id = id;
        s.depth = uint16_t(depth);
        s.right = w;
        s.bottom = h;
        s.pixels = pixels;
        return s;
    };
    QByteArray deep, floats;
    for (int i = 0; i < 6; ++i) {
        char word[2], single[4];
        qToBigEndian<quint16>(quint16(i * 13000), word);
        qToBigEndian<float>(float(i) / 5.0f, single);
        deep.append(word, 2);
        floats.append(single, 4);
    }
    const auto samples = SampleRecords({sample("a", 8, QByteArray(6, char(200)), 3, 2),
                                        sample("b", 16, deep, 3, 2), sample("c", 32, floats, 3, 2)},
                                       2);
    const QByteArray presets = desc::Presets(
        {desc::Preset(QStringLiteral("Eight \"bit\" & <more>"), desc::SampledTip("a")),
         desc::Preset(QStringLiteral("Sixteen ü"), desc::SampledTip("b")),
         desc::Preset(QStringLiteral("Thirty-two 筆"), desc::SampledTip("c")),
         desc::Preset(QStringLiteral("Soft"), desc::ComputedTip(43, 0, 100, 0)),
         desc::Preset(QStringLiteral("Hard"), desc::ComputedTip(41, 0, 100, 100)),
         desc::Preset(QStringLiteral("Squashed"), desc::ComputedTip(61, 0, 20, 100)),
         desc::Preset(QStringLiteral("Turned"), desc::ComputedTip(62, -50, 30, 60))});
    for (const auto& [version, sub] : std::vector<std::pair<int, int>>{{6, 2}, {7, 2}, {10, 2}})
        files << sandbox.write(QStringLiteral("version %1.%2.abr").arg(version).arg(sub),
                               Header(uint16_t(version), uint16_t(sub)) + Section("samp", samples) +
                                   Section("desc", presets));
    QByteArray patterns;
    for (const PatternRecordDescription& pattern : AwkwardPatterns())
        patterns += PatternRecord(pattern);
    const QByteArray awkward = desc::Presets(
        {desc::Preset(QStringLiteral("Lone ") + QChar(0xD800) + QStringLiteral(" high"),
                      desc::SampledTip("a")),
         desc::Preset(QStringLiteral("Zero") + QChar(0) + QStringLiteral("unit"),
                      desc::SampledTip("b")),
         desc::Preset(QStringLiteral("Long ") + QString(295, u'n'), desc::SampledTip("c")),
         desc::Preset(QStringLiteral("Lone low ") + QChar(0xDC00),
                      desc::ComputedTip(21, 0, 100, 100))});
    files << sandbox.path(PathFromNative(QByteArray("Pinceaux d\xe9j\xe0 vus.abr")));
    QString error;
    if (!WriteNewFile(files.last(),
                      Header() + Section("samp", samples) + Section("desc", awkward) +
                          Section("patt", patterns),
                      &error))
        qFatal("cannot write a judge file: %s", qPrintable(error));
    files << sandbox.write(
        QStringLiteral("version 6.1.abr"),
        Header(6, 1) +
            Section("samp", SampleRecords({sample("x", 8, QByteArray(4, 'x'), 2, 2)}, 1)) +
            Section("desc", desc::Presets({desc::Preset(QStringLiteral("Short id"),
                                                        desc::SampledTip("x"))})));
    return files;
}

// The names inside every file of the packs, as the applications will read them, counted.
inline std::map<QString, int> NamesInside(const std::vector<BrushPack>& packs)
{
    std::map<QString, int> names;
    for (const BrushPack& pack : packs)
        for (size_t i = 0; i < pack.entries.size(); ++i) {
            // A dual brush's tip is no brush of the file's; a preset's files are no brushes.
            if (!pack.entries[i].isBrush())
                continue;
            const QByteArray bytes = pack.entryBytes(i);
            if (const auto gbr = GimpBrushFile::read(bytes))
                ++names[gbr->name];
            else if (const auto vbr = GimpParametricBrushFile::read(bytes))
                ++names[vbr->name];
        }
    return names;
}

// Every brush of every judge file, as packs for target.
inline std::vector<BrushPack> JudgePacks(const Sandbox& sandbox, PackTarget target, int* brushCount)
{
    std::vector<BrushPack> packs;
    *brushCount = 0;
    for (const QString& path : JudgeFiles(sandbox)) {
        const WholeBrushFile read = ReadWholeBrushFile(path);
        *brushCount += int(read.file->count());
        packs.push_back(BuildBrushPack(*read.file, target));
    }
    return packs;
}

// GIMP tells two brushes of one name apart as "Name #1", "Name #2".
inline QString WithoutGimpsNumber(QString name)
{
    static const QRegularExpression number(QStringLiteral(" #\\d+$"));
    return name.remove(number);
}

// A pack of a pattern of every kind (MadeUpPatterns), beside two presets: a computed tip and
// a sample turned by its preset, spaced 150 and 10 %.
inline BrushPack PatternJudgePack(PackTarget target)
{
    BrushFile file(QStringLiteral("/x/Kelbrin patterns.abr"));
    const auto withPreset = [](std::shared_ptr<Brush> brush, double angle, double spacing) {
        BrushPreset preset;
        preset.tip.kind = brush->kind();
        preset.tip.angle = angle;
        preset.tip.spacing = spacing;
        brush->setPreset(std::make_shared<const BrushPreset>(preset));
        return brush;
    };
    file.addBrush(
        withPreset(ComputedBrush::brushWithName(QStringLiteral("Round"), 9, 100, 0, 100), 0, 150));
    PixelBlock corner(7 * 5, 0);
    corner[0] = corner[1] = corner[7] = 255;
    const SampledBrush stored(std::nullopt, 7, 5, 8, std::move(corner));
    file.addBrush(withPreset(std::make_shared<SampledBrush>(QStringLiteral("Turned sample"), stored,
                                                            SampleShaping{7, 100, -45}),
                             -45, 10));
    for (const PatternCase& c : MadeUpPatterns())
        file.addPattern(c.pattern);
    return BuildBrushPack(file, target);
}

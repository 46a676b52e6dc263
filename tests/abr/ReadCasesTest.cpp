// Every brush file in tests/read is read and what the read gave is compared with the expected
// outcome beside it; tests/read/README.md says where each file came from and how to add one.
#include "abr/ReadAbr.h"
#include "abr/ReadErrorText.h"
#include "brush/ComputedBrush.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {
QString Sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// A preset's tip as its file gives it and the groups of settings that are on.
QJsonObject Describe(const BrushPreset& preset)
{
    const TipShape& tip = preset.tip;
    QJsonArray groups;
    for (const SettingsGroup& group : GroupsOn(preset.settings))
        groups.append(QString::fromLatin1(group.key));
    return {
        {"is_preset", preset.isPreset},
        {"diameter", tip.diameter},
        {"angle", tip.angle},
        {"roundness", tip.roundness},
        {"spacing", tip.spacing ? QJsonValue(*tip.spacing) : QJsonValue()},
        {"sample", tip.sampleId ? QJsonValue(QString::fromStdString(*tip.sampleId)) : QJsonValue()},
        {"groups", groups}};
}

// Names keep every stored code unit, a terminating zero included (JSON writes it as \u0000).
QJsonObject Describe(const BrushPtr& brush)
{
    QJsonObject o{{"kind", TipKindKey(brush->kind())},
                  {"name", brush->name() ? QJsonValue(*brush->name()) : QJsonValue()},
                  {"width", brush->size().width()},
                  {"height", brush->size().height()}};
    if (const auto* sampled = dynamic_cast<const SampledBrush*>(brush.get())) {
        o["depth"] = sampled->depth();
        o["pixels_sha256"] = Sha256(PixelBytes(brush));
        o["missing_rows"] = qint64(sampled->missingRows());
    } else if (const auto* computed = dynamic_cast<const ComputedBrush*>(brush.get())) {
        if (const auto scaled = computed->scaledFrom())
            o["scaled_from"] = QJsonArray{scaled->width(), scaled->height()};
    }
    if (const BrushPreset* preset = brush->preset())
        o["preset"] = Describe(*preset);
    if (const auto& texture = brush->texture())
        o["texture"] = QJsonObject{{"name", texture->name}, {"identifier", texture->identifier}};
    return o;
}

// The pixels' checksum is of R, G, B, A bytes row by row, as `kelbrin-cli list --json` gives it
// (rows of four-byte pixels need no padding).
QJsonObject Describe(const PatternPtr& pattern)
{
    const QImage rgba = pattern->image().convertToFormat(QImage::Format_RGBA8888);
    const QByteArray rows(reinterpret_cast<const char*>(rgba.constBits()), rgba.sizeInBytes());
    return {{"name", pattern->name()},
            {"identifier", pattern->identifier()},
            {"mode", Pattern::modeName(pattern->mode())},
            {"depth", pattern->depth()},
            {"alpha", pattern->hasAlpha()},
            {"width", pattern->pixelSize().width()},
            {"height", pattern->pixelSize().height()},
            {"pixels_sha256", Sha256(rows)}};
}

QJsonObject Describe(const ReadResult& read)
{
    QJsonArray brushes, patterns;
    for (const BrushPtr& brush : read.brushes)
        brushes.append(Describe(brush));
    for (const PatternPtr& pattern : read.patterns)
        patterns.append(Describe(pattern));
    const QJsonValue error = read.error      ? QJsonValue(ReadErrorText(*read.error))
                             : read.badAlloc ? QJsonValue("out of memory")
                                             : QJsonValue();
    return {{"brushes", brushes},
            {"patterns", patterns},
            {"error", error},
            {"skipped_patterns", read.outcome.skippedPatterns},
            {"finished", read.finished}};
}

// One line for each place where the two differ, named by its path ("brushes[1].width").
void Differences(const QJsonValue& expected, const QJsonValue& read, const QString& at,
                 QStringList& lines)
{
    if (expected.isObject() && read.isObject()) {
        QStringList keys = expected.toObject().keys() + read.toObject().keys();
        keys.removeDuplicates();
        for (const QString& key : keys)
            Differences(expected[key], read[key], at + '.' + key, lines);
    } else if (expected.isArray() && read.isArray()) {
        const QJsonArray e = expected.toArray(), r = read.toArray();
        if (e.size() != r.size())
            lines << QStringLiteral("%1: %2 expected, %3 read").arg(at).arg(e.size()).arg(r.size());
        for (qsizetype i = 0; i < std::min(e.size(), r.size()); ++i)
            Differences(e[i], r[i], QStringLiteral("%1[%2]").arg(at).arg(i), lines);
    } else if (expected != read) {
        const auto text = [](const QJsonValue& v) {
            return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).chopped(1).mid(1);
        };
        lines << at + ": expected " + text(expected) + ", read " + text(read);
    }
}

using ReadCaseTest = testing::TestWithParam<std::string>;

TEST_P(ReadCaseTest, ReadGivesTheExpectedOutcome)
{
    const QString name = QString::fromStdString(GetParam());
    QJsonObject read = Describe(ReadAbr(TestDataPath(name + QStringLiteral(".abr"))));
    const QJsonObject expected = ExpectedOutcome(name);
    // What the thumbnailer's tests expect is kept as it is.
    if (expected.contains("thumbnail_size"))
        read["thumbnail_size"] = expected["thumbnail_size"];
    QFile file(TestDataPath(name + QStringLiteral(".json")));
    if (WritingExpected()) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                    file.write(QJsonDocument(read).toJson()) > 0);
        return;
    }
    ASSERT_FALSE(expected.isEmpty()) << "no outcome in " << file.fileName().toStdString()
                                     << "; run the test with --write-expected to record one";
    QStringList lines;
    Differences(expected, read, name, lines);
    EXPECT_TRUE(lines.isEmpty()) << lines.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, ReadCaseTest, testing::ValuesIn(ReadCaseNames()),
                         [](const auto& info) { return ReadCaseTestName(info.param); });
} // namespace

// The real files of tests/read against a decoder of their descriptors written here on its own,
// from the format's layout rather than from the reader: the presets' count, names, order,
// tips, diameters, spacing and the groups that are on, and the stored samples no preset uses.
#include "abr/ReadAbr.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>

namespace {
// Descriptor items as JSON: an object's members under their keys and its class under "class",
// lists as arrays, numbers, switches and texts as themselves. Only the item types these files
// hold are known; raw data is skipped.
class Decoder
{
public:
    Decoder(const QByteArray& data, qsizetype at) : mData(data), mAt(at) {}

    quint32 U32()
    {
        if (mAt + 4 > mData.size())
            throw std::runtime_error("past the end");
        mAt += 4;
        return qFromBigEndian<quint32>(mData.constData() + mAt - 4);
    }
    QString Key()
    {
        const quint32 n = U32();
        mAt += n ? n : 4;
        return QString::fromLatin1(mData.mid(mAt - (n ? n : 4), n ? n : 4));
    }
    QString Code() { return QString::fromLatin1(mData.mid((mAt += 4) - 4, 4)); }
    QString Unicode()
    {
        QString s;
        for (quint32 n = U32(); n > 0; --n, mAt += 2)
            s += QChar(qFromBigEndian<quint16>(mData.constData() + mAt));
        return s;
    }
    double Double()
    {
        const quint64 bits = qFromBigEndian<quint64>(mData.constData() + (mAt += 8) - 8);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    QJsonValue Read(const QString& type)
    {
        if (type == "Objc") {
            Unicode();
            QJsonObject o{{"class", Key()}};
            for (quint32 n = U32(); n > 0; --n) {
                const QString key = Key();
                if (!o.contains(key))
                    o[key] = Read(Code());
            }
            return o;
        }
        if (type == "VlLs") {
            QJsonArray list;
            for (quint32 n = U32(); n > 0; --n)
                list.append(Read(Code()));
            return list;
        }
        if (type == "TEXT")
            return Unicode().chopped(1);
        if (type == "UntF")
            return (mAt += 4, Double());
        if (type == "doub")
            return Double();
        if (type == "long")
            return qint32(U32());
        if (type == "bool")
            return mData[mAt++] != 0;
        if (type == "enum")
            return Key() + '.' + Key();
        if (type == "tdta")
            return mAt += U32(), QJsonValue();
        throw std::runtime_error("item type " + type.toStdString());
    }

private:
    const QByteArray& mData;
    qsizetype mAt;
};

// Sections: "8BIM", key, 4 length, data; padded to 4 bytes.
std::map<std::string, std::pair<qsizetype, qsizetype>> Sections(const QByteArray& data)
{
    std::map<std::string, std::pair<qsizetype, qsizetype>> sections;
    for (qsizetype at = 4; at + 12 <= data.size();) {
        if (data.mid(at, 4) != "8BIM") {
            ++at;
            continue;
        }
        const qsizetype length = qFromBigEndian<quint32>(data.constData() + at + 8);
        sections[data.mid(at + 4, 4).toStdString()] = {at + 12, length};
        at += 12 + length;
    }
    return sections;
}

struct Expected
{
    QString name;
    TipKind kind;
    double diameter;
    std::optional<double> spacing;
    QStringList groups;
    std::string sample;
};

class RealPresetFilesTest : public testing::TestWithParam<const char*>
{
};

TEST_P(RealPresetFilesTest, PresetsMatchAnIndependentDecode)
{
    const QString path = TestDataPath(QString::fromLatin1(GetParam()) + ".abr");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const auto sections = Sections(data);

    // Descriptor: 4 version, unicode class name, class ID, 4 count, key "Brsh", a list.
    Decoder d(data, sections.at("desc").first + 4);
    d.Unicode();
    d.Key();
    d.U32();
    d.Key();
    const QJsonArray presets = d.Read(d.Code()).toArray();

    const std::map<QString, TipKind> kinds = {{"computedBrush", TipKind::Computed},
                                              {"sampledBrush", TipKind::Sampled},
                                              {"dBrush", TipKind::Bristle},
                                              {"dTips", TipKind::Erodible}};
    const std::pair<const char*, const char*> switches[] = {{"useTipDynamics", "shape_dynamics"},
                                                            {"useScatter", "scattering"},
                                                            {"useTexture", "texture"},
                                                            {"", "dual_brush"},
                                                            {"useColorDynamics", "color_dynamics"},
                                                            {"usePaintDynamics", "transfer"},
                                                            {"useBrushPose", "brush_pose"},
                                                            {"Nose", "noise"},
                                                            {"Wtdg", "wet_edges"},
                                                            {"Rpt ", "build_up"},
                                                            {"Smoo", "smoothing"},
                                                            {"protectTexture", "protect_texture"}};
    std::vector<Expected> expected;
    std::set<std::string> used;
    for (const QJsonValue& value : presets) {
        const QJsonObject p = value.toObject(), tip = p["Brsh"].toObject();
        const QJsonObject dual = p["dualBrush"].toObject();
        Expected e{p["Nm  "].toString(),
                   kinds.at(tip["class"].toString()),
                   tip["Dmtr"].toDouble(),
                   std::nullopt,
                   {},
                   tip["sampledData"].toString().toStdString()};
        if (tip["Intr"].toBool())
            e.spacing = tip["Spcn"].toDouble();
        for (const QJsonObject& t : {tip, dual["Brsh"].toObject()})
            if (t.contains("sampledData"))
                used.insert(t["sampledData"].toString().toStdString());
        for (const auto& [key, group] : switches)
            if (*key ? p[key].toBool() : dual["useDualBrush"].toBool())
                e.groups << group;
        expected.push_back(e);
    }
    // Sample records: 4 length L, 1 identifier length, the identifier; the next at a multiple
    // of 4 after the L bytes.
    std::vector<std::string> unused;
    const auto [sampAt, sampLength] = sections.at("samp");
    for (qsizetype at = sampAt; at + 5 < sampAt + sampLength;) {
        const qsizetype length = qFromBigEndian<quint32>(data.constData() + at);
        const std::string id = data.mid(at + 5, quint8(data[at + 4])).toStdString();
        if (!used.count(id))
            unused.push_back(id);
        at += 4 + length;
        at += (4 - at % 4) % 4;
    }

    const ReadResult read = ReadAbr(path);
    EXPECT_FALSE(read.error);
    ASSERT_EQ(read.brushes.size(), expected.size() + unused.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name.toStdString());
        const BrushPtr& brush = read.brushes[i];
        const BrushPreset* preset = brush->preset();
        ASSERT_TRUE(preset);
        EXPECT_TRUE(preset->isPreset);
        EXPECT_EQ(brush->displayName(), expected[i].name);
        EXPECT_EQ(brush->kind(), expected[i].kind);
        EXPECT_EQ(preset->tip.diameter, expected[i].diameter);
        EXPECT_EQ(preset->tip.spacing, expected[i].spacing);
        EXPECT_EQ(preset->tip.sampleId.value_or(""), expected[i].sample);
        QStringList groups;
        for (const SettingsGroup& group : GroupsOn(preset->settings))
            groups << group.key;
        EXPECT_EQ(groups, expected[i].groups);
    }
    for (size_t i = 0; i < unused.size(); ++i) {
        const BrushPreset* tip = read.brushes[expected.size() + i]->preset();
        EXPECT_FALSE(tip->isPreset);
        EXPECT_EQ(tip->tip.sampleId, unused[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, RealPresetFilesTest,
                         testing::Values("agpsd_simple", "agpsd_tilt", "agpsd_sample-and-pattern",
                                         "agpsd_special", "abrkit_photoshop_dual_brush"),
                         [](const auto& info) { return ReadCaseTestName(info.param); });

// What the files are known to hold, beside the decode above.
TEST(RealPresetFiles, KnownCounts)
{
    const ReadResult special = ReadAbr(TestDataPath("agpsd_special.abr"));
    ASSERT_EQ(special.brushes.size(), 6u);
    int bristle = 0, erodible = 0;
    for (const BrushPtr& brush : special.brushes) {
        bristle += brush->kind() == TipKind::Bristle;
        erodible += brush->kind() == TipKind::Erodible;
    }
    EXPECT_EQ(bristle, 3);
    EXPECT_EQ(erodible, 3);
    EXPECT_EQ(special.brushes[3]->preset()->settings.dualBrush->tip.sampleId,
              "80b60ae0-c4b0-11d5-869d-ee7a7e70f1aa");
    // The sample only the two watercolour presets' dual brushes use travels with each of them.
    for (size_t i : {3, 4}) {
        ASSERT_TRUE(special.brushes[i]->dualTip()) << i;
        EXPECT_EQ(special.brushes[i]->dualTip()->pixelSize(), QSize(23, 20));
    }
    EXPECT_EQ(special.brushes[3]->dualTip(), special.brushes[4]->dualTip());
    EXPECT_FALSE(special.brushes[0]->dualTip());
    EXPECT_EQ(special.brushes[2]->preset()->tip.erodible->gridSize, 11);
    const ReadResult dual = ReadAbr(TestDataPath("abrkit_photoshop_dual_brush.abr"));
    ASSERT_EQ(dual.brushes.size(), 1u);
    EXPECT_EQ(dual.brushes[0]->preset()->settings.dualBrush->tip.kind, TipKind::Computed);
}
} // namespace

// The real files of tests/read against a decoder of their descriptors written here on its own,
// from the format's layout rather than from the reader: the presets' count, names, order,
// tips, diameters, spacing and the groups that are on, and the stored samples no preset uses.
#include "abr/ReadAbr.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>

namespace {
// One descriptor item, enough of it to compare: numbers, switches, texts, objects and lists.
struct Item
{
    std::string type;    // the item's four-character type
    std::string classId; // objects
    std::vector<std::pair<std::string, Item>> members;
    std::vector<Item> list;
    double number = 0;
    bool flag = false;
    QString text;

    const Item* at(const std::string& key) const
    {
        for (const auto& [k, v] : members)
            if (k == key)
                return &v;
        return nullptr;
    }
    bool on(const std::string& key) const
    {
        const Item* i = at(key);
        return i && i->type == "bool" && i->flag;
    }
};

class Decoder
{
public:
    Decoder(const QByteArray& data, qsizetype at) : mData(data), mAt(at) {}

    quint32 U32()
    {
        if (mAt + 4 > mData.size())
            throw std::runtime_error("past the end");
        const quint32 v = qFromBigEndian<quint32>(mData.constData() + mAt);
        mAt += 4;
        return v;
    }
    std::string Key()
    {
        const quint32 n = U32();
        const std::string key = mData.mid(mAt, n ? n : 4).toStdString();
        mAt += n ? n : 4;
        return key;
    }
    QString Unicode()
    {
        const quint32 n = U32();
        QString s;
        for (quint32 i = 0; i < n; ++i, mAt += 2)
            s += QChar(qFromBigEndian<quint16>(mData.constData() + mAt));
        return s;
    }
    Item Read(const std::string& type)
    {
        Item item;
        item.type = type;
        if (type == "Objc") {
            Unicode();
            item.classId = Key();
            for (quint32 n = U32(); n > 0; --n) {
                std::string key = Key();
                item.members.emplace_back(key, Read(Key4()));
            }
        } else if (type == "VlLs") {
            for (quint32 n = U32(); n > 0; --n)
                item.list.push_back(Read(Key4()));
        } else if (type == "TEXT") {
            item.text = Unicode();
        } else if (type == "UntF" || type == "doub") {
            if (type == "UntF")
                mAt += 4;
            quint64 bits = qFromBigEndian<quint64>(mData.constData() + mAt);
            std::memcpy(&item.number, &bits, 8);
            mAt += 8;
        } else if (type == "long") {
            item.number = qint32(U32());
        } else if (type == "bool") {
            item.flag = mData[mAt++] != 0;
        } else if (type == "enum") {
            Key();
            item.text = QString::fromStdString(Key());
        } else if (type == "tdta") {
            mAt += U32();
        } else {
            throw std::runtime_error("item type " + type);
        }
        return item;
    }
    std::string Key4()
    {
        const std::string code = mData.mid(mAt, 4).toStdString();
        mAt += 4;
        return code;
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
    const Item presets = d.Read(d.Key4());

    std::vector<Expected> expected;
    std::set<std::string> used;
    for (const Item& p : presets.list) {
        const Item& tip = *p.at("Brsh");
        Expected e;
        e.name = p.at("Nm  ")->text;
        e.name.chop(1);
        const std::map<std::string, TipKind> kinds = {{"computedBrush", TipKind::Computed},
                                                      {"sampledBrush", TipKind::Sampled},
                                                      {"dBrush", TipKind::Bristle},
                                                      {"dTips", TipKind::Erodible}};
        e.kind = kinds.at(tip.classId);
        e.diameter = tip.at("Dmtr")->number;
        if (tip.on("Intr"))
            e.spacing = tip.at("Spcn")->number;
        if (const Item* id = tip.at("sampledData"))
            used.insert(e.sample = id->text.chopped(1).toStdString());
        const Item* dual = p.at("dualBrush");
        if (dual && dual->at("Brsh") && dual->at("Brsh")->at("sampledData"))
            used.insert(dual->at("Brsh")->at("sampledData")->text.chopped(1).toStdString());
        const std::pair<const char*, const char*> switches[] = {
            {"useTipDynamics", "shape_dynamics"},
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
        for (const auto& [key, group] : switches)
            if (*key ? p.on(key) : dual && dual->on("useDualBrush"))
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
    EXPECT_EQ(special.brushes[2]->preset()->tip.erodible->gridSize, 11);
    const ReadResult dual = ReadAbr(TestDataPath("abrkit_photoshop_dual_brush.abr"));
    ASSERT_EQ(dual.brushes.size(), 1u);
    EXPECT_EQ(dual.brushes[0]->preset()->settings.dualBrush->tip.kind, TipKind::Computed);
}
} // namespace

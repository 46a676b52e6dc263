#include "abr/ReadAbr.h"
#include "abr/Type6Writer.h"

#include <QtEndian>
#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace {
using namespace desc;

QByteArray Bytes(std::initializer_list<uint8_t> v)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(v)), qsizetype(v.size()));
}

// A file with the given samples (each named "Sample <id>" by a preset) and extra presets.
QByteArray File(const std::vector<SampleRecordDescription>& samples,
                std::vector<QByteArray> presets = {}, int subVersion = 2)
{
    for (const SampleRecordDescription& s : samples)
        presets.insert(presets.begin() + qsizetype(&s - samples.data()),
                       Preset("Sample " + QString::fromStdString(s.id),
                              SampledTip(QString::fromStdString(s.id))));
    return Header(6, uint16_t(subVersion)) + Section("samp", SampleRecords(samples, subVersion)) +
           Section("desc", Presets(presets));
}

SampleRecordDescription Raw8(const std::string& id, int w, int h, const QByteArray& pixels,
                             int surplus = 0)
{
    SampleRecordDescription s;
    s.id = id;
    s.top = 5;
    s.left = 7;
    s.bottom = 5 + h;
    s.right = 7 + w;
    s.pixels = pixels;
    s.surplus = surplus;
    return s;
}

class Type6ReaderTest : public ::testing::Test
{
protected:
    // The stored tips alone, in the file's own order: what these cases check is how samples
    // and descriptors decode, which PresetReaderTest builds on.
    ReadResult Read(const QByteArray& bytes)
    {
        return ReadAbr(mSandbox.write("x.abr", bytes), {}, CABRreader::ReadAs::StoredTips);
    }

    // Reads a file whose one computed tip carries this item among its members.
    ReadResult ReadItem(const QByteArray& item)
    {
        return Read(File({}, {Preset("R", ComputedTip(9, 0, 100, 100, {{"x", item}}))}));
    }

    Sandbox mSandbox;
};

// Each sub-version skips its own number of bytes after the identifier; records then carry
// surplus bytes their length covers, and every padding from 0 to 3 bytes. Run-length 8-bit
// samples decode whole, 16-bit ones are rescaled to the full range, floats kept. Computed tips
// follow the samples in descriptor order, a dual tip after its preset's.
TEST_F(Type6ReaderTest, ReadsEverySubVersionDepthAndCompressionInOrder)
{
    std::vector<SampleRecordDescription> samples{Raw8("a", 3, 2, Bytes({0, 1, 2, 253, 254, 255}))};
    for (int surplus = 0; surplus < 4; ++surplus)
        samples.push_back(Raw8(std::string(1, char('b' + surplus)), 3, 1,
                               Bytes({uint8_t(surplus), 9, 9}), surplus));
    QByteArray raw(40 * 30, '\0');
    for (int i = 0; i < raw.size(); ++i)
        raw[i] = char(i / 37 % 3 == 0 ? 200 : i % 251);
    samples.push_back(Raw8("rle", 40, 30, PackBits(raw)));
    samples.back().compressed = true;
    samples.push_back(Raw8("w", 4, 1, Bytes({0, 0, 0, 1, 0, 2, 0x80, 0})));
    samples.back().depth = 16;
    samples.push_back(Raw8("f", 2, 1, AbrWriter().u32(0x3F000000).u32(0x3F800000).data()));
    samples.back().depth = 32;
    const uint16_t wide[] = {0, 0, 2, 65534};
    const float floats[] = {0.5f, 1.0f};
    const QByteArray dual = ComputedTip(10, 0, 50, 100, {{"Nm  ", Text("Dual")}});
    const QByteArray computed = Preset("Round", ComputedTip(20, 0, 100, 100),
                                       {{"dualBrush", Obj("dualBrush", {{"Brsh", dual}})}});
    for (int subVersion : {1, 2, 7}) {
        SCOPED_TRACE(subVersion);
        const ReadResult o = Read(File(samples, {computed}, subVersion));
        EXPECT_FALSE(o.error);
        ASSERT_EQ(o.brushes.size(), 10u);
        EXPECT_EQ(PixelBytes(o.brushes[0]), Bytes({0, 1, 2, 253, 254, 255}));
        EXPECT_EQ(o.brushes[0]->size(), QSizeF(3, 2));
        EXPECT_EQ(*o.brushes[0]->name(), "Sample a" + Z);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(PixelBytes(o.brushes[size_t(i + 1)]), Bytes({uint8_t(i), 9, 9}));
        EXPECT_EQ(PixelBytes(o.brushes[5]), raw);
        EXPECT_EQ(PixelBytes(o.brushes[6]), QByteArray(reinterpret_cast<const char*>(wide), 8));
        EXPECT_EQ(dynamic_cast<const SampledBrush&>(*o.brushes[6]).depth(), 16);
        EXPECT_EQ(PixelBytes(o.brushes[7]), QByteArray(reinterpret_cast<const char*>(floats), 8));
        EXPECT_EQ(*o.brushes[8]->name(), "Round" + Z);
        EXPECT_EQ(o.brushes[8]->size(), QSizeF(20, 20));
        EXPECT_EQ(*o.brushes[9]->name(), "Dual" + Z);
        EXPECT_EQ(o.brushes[9]->size(), QSizeF(10, 5));
    }
}

// A second sample section replaces the first; a sample no preset names gets an empty name.
TEST_F(Type6ReaderTest, ALaterSampleSectionReplacesTheFirst)
{
    const auto samp = [](const char* id, const QByteArray& px) {
        return Section("samp", SampleRecords({Raw8(id, int(px.size()), 1, px)}, 2));
    };
    const ReadResult o = Read(Header() + samp("a", Bytes({1})) + samp("lonely", Bytes({2, 3})) +
                              Section("desc", Presets({Preset("A", SampledTip("a"))})));
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 1u);
    EXPECT_EQ(PixelBytes(o.brushes[0]), Bytes({2, 3}));
    EXPECT_EQ(o.brushes[0]->name(), QString(""));
}

// Bad records fail with -1 after the brushes before them have been posted; extents whose
// products overflow among them.
TEST_F(Type6ReaderTest, BadRecordsFailAfterThePrecedingBrushes)
{
    const std::pair<const char*, SampleRecordDescription> cases[] = {
        // id, top, left, bottom, right, depth, compressed, pixels
        {"compressed 16-bit", {"c", 0, 0, 1, 1, 16, true, Bytes({0, 0, 1})}},
        {"depth 24", {"d", 0, 0, 1, 1, 24, false, Bytes({0, 0, 0})}},
        {"negative width", {"w", 0, 1, 1, 0, 8, false, Bytes({0})}},
        {"depth 32 at the int limit",
         {"p", 0, 0, INT32_MAX, INT32_MAX, 32, false, Bytes({0, 0, 0, 0})}},
        {"extremes of int",
         {"e", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 8, false, Bytes({0})}}};
    for (const auto& [what, sample] : cases) {
        SCOPED_TRACE(what);
        const ReadResult o = Read(File({Raw8("ok", 1, 1, Bytes({1})), sample}));
        EXPECT_EQ(o.error, -1);
        EXPECT_EQ(o.brushes.size(), 1u);
        EXPECT_EQ(o.finished, 1);
    }
}

// A file damaged as ones in circulation are: every record's length 8 bytes too large, and the
// section's 1,320 bytes more than it holds, so its declared end lands inside the next section.
// Sample 3 lost bytes from its pixels; sample 6's rows are garbage that begins with what looks
// like a whole record of another identifier form. Every other sample comes out under its
// descriptor name, then the computed tip; nothing is made of the damaged ones, and the read
// still fails.
TEST_F(Type6ReaderTest, DamagedRecordLengthsAreRecoveredFrom)
{
    constexpr int kCount = 9;
    std::vector<SampleRecordDescription> samples;
    std::vector<QByteArray> pixels(kCount);
    for (int i = 0; i < kCount; ++i) {
        for (int y = 0; y < 20; ++y)
            pixels[size_t(i)] += QByteArray(30, char(i * 20 + y));
        const std::string id = "$" + std::to_string(10000000 + i) + "-a1b2-c3d4-E5F6-0123456789ab";
        samples.push_back(Raw8(id, 30, 20, PackBits(pixels[size_t(i)])));
        samples.back().compressed = true;
    }
    samples[6] = Raw8(samples[6].id, 200, 200, SampleRecords({Raw8("x", 1, 1, Bytes({9}))}, 2));
    samples[6].compressed = true;
    QByteArray bytes = File(samples, {Preset("Round", ComputedTip(9, 0, 100, 100))});
    std::vector<qsizetype> starts; // of each record, found by its identifier
    for (const SampleRecordDescription& s : samples)
        starts.push_back(bytes.indexOf(QByteArray::fromStdString(s.id)) - 5);
    for (qsizetype at : starts)
        qToBigEndian<quint32>(qFromBigEndian<quint32>(bytes.constData() + at) + 8,
                              bytes.data() + at);
    bytes.remove(starts[3] + 4 + 1 + 37 + 264 + 19 + 40 + 10, 13);
    qToBigEndian<quint32>(quint32(starts.back() - 16 + 1320), bytes.data() + 12);

    const ReadResult o = Read(bytes);
    EXPECT_EQ(o.error, -1);
    QStringList names;
    for (const BrushPtr& b : o.brushes)
        names << b->displayName();
    QStringList expected;
    for (int i : {0, 1, 2, 4, 5, 7, 8})
        expected << "Sample " + QString::fromStdString(samples[size_t(i)].id);
    ASSERT_EQ(names, expected << "Round");
    for (size_t i = 0; i + 1 < o.brushes.size(); ++i)
        EXPECT_EQ(PixelBytes(o.brushes[i]),
                  pixels.at(size_t(names[qsizetype(i)].mid(8, 8).toInt() - 10000000)));
}

// A file damaged as one in circulation is: 31 samples with UUIDs for identifiers, 22 of them cut
// short by 1 to 304 bytes while their lengths still claim the whole record, the last one past the
// end of "samp", whose own length runs past "patt" into "desc". Every sample comes out under its
// preset's name; a cut one keeps the rows that lie wholly before the next record and has the rest
// blank and counted as missing.
TEST_F(Type6ReaderTest, RecordsCutShortKeepTheRowsBeforeTheNextRecord)
{
    constexpr int kCount = 31, kWidth = 41, kHeight = 31;
    // 41 x 31 packed rows keep each record a multiple of 4 long, so no padding blurs its end.
    constexpr int kRowBytes = kWidth + 1;
    const std::set<int> whole = {0, 4, 8, 12, 16, 20, 24, 27, 29};
    std::vector<QByteArray> raws;
    std::vector<int> cutBy(kCount, 0);
    QByteArray records;
    std::vector<QByteArray> presets;
    for (int i = 0, cuts = 0; i < kCount; ++i) {
        QByteArray raw(kWidth * kHeight, '\0');
        for (int k = 0; k < raw.size(); ++k)
            raw[k] = char(1 + (i * 7 + k % kWidth * 3 + k / kWidth * 11) % 255);
        raws.push_back(raw);
        const std::string id = QStringLiteral("%1-0000-4000-8000-%2")
                                   .arg(i + 0x1000, 8, 16, QLatin1Char('0'))
                                   .arg(i * 977, 12, 16, QLatin1Char('0'))
                                   .toStdString();
        QByteArray record = SampleRecords({PackedRows(id, kWidth, raw)}, 2);
        if (!whole.count(i)) {
            cutBy[size_t(i)] = cuts == 0 ? 1 : cuts == 21 ? 304 : 1 + (cuts * 53) % 304;
            record.chop(cutBy[size_t(i)]);
            ++cuts;
        }
        records += record;
        presets.push_back(
            Preset(QStringLiteral("Preset %1").arg(i), SampledTip(QString::fromStdString(id))));
    }
    QByteArray bytes = Header() + Section("samp", records) + Section("patt", {}) +
                       Section("desc", Presets(presets));
    qToBigEndian<quint32>(quint32(records.size() + 1320), bytes.data() + 12);

    const ReadResult o = Read(bytes);
    EXPECT_EQ(o.error, -1);
    ASSERT_EQ(o.brushes.size(), size_t(kCount));
    for (int i = 0; i < kCount; ++i) {
        SCOPED_TRACE(i);
        const auto& brush = dynamic_cast<const SampledBrush&>(*o.brushes[size_t(i)]);
        EXPECT_EQ(brush.displayName(), QStringLiteral("Preset %1").arg(i));
        const int kept = (kHeight * kRowBytes - cutBy[size_t(i)]) / kRowBytes;
        EXPECT_EQ(brush.missingRows(), kHeight - kept);
        const QByteArray pixels = PixelBytes(o.brushes[size_t(i)]);
        EXPECT_EQ(pixels.left(kept * kWidth), raws[size_t(i)].left(kept * kWidth));
        EXPECT_EQ(pixels.mid(kept * kWidth), QByteArray((kHeight - kept) * kWidth, '\0'));
    }
}

// The searches after damage read the file 64 KiB at a time: a record header and a section
// signature that straddle the end of such a window are still found. Sample "a" has a depth
// no file holds, so the record search starts right after it; the section length is off by 2.
TEST_F(Type6ReaderTest, DamageSearchesFindWhatStraddlesTheirWindows)
{
    SampleRecordDescription a = Raw8("a", 1, 1, QByteArray(65528 - 289, char(0xFF)));
    a.depth = 24;
    // "b" starts 65527 bytes after the search does; "desc" 2 × 65536 - 4 after samp's data.
    QByteArray bytes = File({a, Raw8("b", 23, 2837, QByteArray(65251, char(7)))});
    qToBigEndian<quint32>(2 * 65536 - 4 + 2, bytes.data() + 12);
    const ReadResult o = Read(bytes);
    EXPECT_EQ(o.error, -1);
    ASSERT_EQ(o.brushes.size(), 1u);
    EXPECT_EQ(o.brushes[0]->displayName(), QString("Sample b"));
}

// Damage in sections and records: a record shorter than its fields (the brush is whole and
// still comes out), a row table past the end of a sample of no pixels, sections missing, of a
// bad signature or running past the end, descriptor types outside the format.
TEST_F(Type6ReaderTest, DamagedSectionsAndFieldsFail)
{
    QByteArray bytes = File({Raw8("a", 2, 2, Bytes({1, 2, 3, 4}))});
    bytes[19] = char(bytes[19] - 2); // record length, low byte (after header and section head)
    const ReadResult o = Read(bytes);
    EXPECT_EQ(o.error, -1);
    EXPECT_EQ(o.brushes.size(), 1u);

    bytes = File({{"z", 0, 0, 100000, 0, 8, false, {}}});
    bytes[4 + 12 + 4 + 1 + 1 + 264 + 16 + 2] = 1; // compressed: 100,000 row lengths follow
    EXPECT_EQ(Read(bytes).error, -1);

    const QByteArray samp = Section("samp", QByteArray());
    const QByteArray desc = Section("desc", Presets({Preset("R", ComputedTip(5, 0, 100, 100))}));
    EXPECT_EQ(Read(Header() + samp).error, -1);
    EXPECT_EQ(Read(Header() + desc).error, -1);
    QByteArray badSignature = Header() + samp + desc;
    badSignature[4] = '9';
    EXPECT_EQ(Read(badSignature).error, -1);
    QByteArray tooLong = Header() + samp + desc;
    tooLong[4 + 12 + 11] = char(0xFF); // desc length far past the end
    EXPECT_EQ(Read(tooLong).error, -1);
    EXPECT_EQ(Read(Header() + samp + Section("desc", Section(List({"XXXX"})))).error, -1);
}

// Photoshop pads each section to a multiple of 4 and may end the file the same way: zeros up to
// the next section or the end are skipped, nothing else is.
TEST_F(Type6ReaderTest, SkipsOnlyZeroPaddingUpToTheNextSectionOrTheEnd)
{
    struct
    {
        const char* what;
        QByteArray between; // after a section that ends off a 4-byte boundary
        int endPadding;     // the file then ends this many bytes short of a boundary...
        int endZeros;       // ...followed by this many zeros
        bool reads;
    } const cases[] = {{"one zero", QByteArray(1, '\0'), 0, 0, true},
                       {"three zeros", QByteArray(3, '\0'), 0, 0, true},
                       {"zeros at the end", QByteArray(2, '\0'), 3, 3, true},
                       {"one zero at the end", {}, 1, 1, true},
                       {"end short of the boundary", {}, 3, 2, false},
                       {"non-zero byte", QByteArray("\0\1", 2), 0, 0, false},
                       {"whole zero word", QByteArray(4, '\0'), 0, 0, false},
                       {"zeros where no padding is due", {}, 4, 4, false}};
    for (const auto& p : cases) {
        SCOPED_TRACE(p.what);
        // Records are padded, so "samp" ends on a boundary and a short "phry" leaves it.
        QByteArray bytes = Header() +
                           Section("samp", SampleRecords({Raw8("a", 1, 1, Bytes({5}))}, 2)) +
                           Section("phry", QByteArray(4 - p.between.size() % 4, 'x')) + p.between +
                           Section("desc", Presets({Preset("a", SampledTip("a"))}));
        if (p.endPadding) {
            const qsizetype tail = ((4 - p.endPadding) - (bytes.size() + 12) % 4 + 8) % 4;
            bytes += Section("phry", QByteArray(tail, 'y')) + QByteArray(p.endZeros, '\0');
        }
        const ReadResult o = Read(bytes);
        EXPECT_EQ(o.error, p.reads ? std::nullopt : std::optional<int>(-1));
        if (p.reads) {
            EXPECT_EQ(o.brushes.size(), 1u);
        }
    }
}

// Every item type of the descriptor format parses; only unknown codes fail.
TEST_F(Type6ReaderTest, ReadsEveryDescriptorItemType)
{
    AbrWriter ref;
    ref.ascii("obj ").u32(7);
    ref.ascii("prop").bytes(Unicode("p")).bytes(Key("Clr ")).bytes(Key("Lyr "));
    ref.ascii("Clss").bytes(Unicode("c")).bytes(Key("Lyr "));
    ref.ascii("Enmr").bytes(Unicode("e")).bytes(Key("Lyr ")).bytes(Key("Ordn"));
    ref.bytes(Key("Trgt"));
    ref.ascii("rele").bytes(Unicode("r")).bytes(Key("Lyr ")).u32(3);
    ref.ascii("Idnt").u32(42).ascii("indx").u32(2);
    ref.ascii("name").bytes(Unicode("n")).bytes(Key("Lyr ")).bytes(Unicode("Layer 1"));
    const QByteArray reference = ref.data();
    const Members extra = {
        {"comp", AbrWriter().ascii("comp").u64(1ULL << 40).data()},
        {"tdta", AbrWriter().ascii("tdta").u32(5).ascii("12345").data()},
        {"alis", AbrWriter().ascii("alis").u32(0).data()},
        {"type", "type" + Unicode("t") + Key("someClass")},
        {"GlbC", "GlbC" + Unicode("g") + Key("Clss")},
        {"UnFl", AbrWriter().ascii("UnFl").ascii("#Pxl").u32(2).f64(1).f64(2).data()},
        {"ref ", reference},
        {"enum", Enum("Ordn", "Trgt")},
        {"long", Long(-5)},
        {"doub", Doub(2.5)},
        {"GlbO", "GlbO" + Obj("x", {{"flag", Bool(true)}}).mid(4)},
        {"null", AbrWriter().ascii("null").u32(1).bytes(Key("k")).bytes(Long(1)).data()},
        {"list", List({Long(1), Text("t"), Enum("a", "b")})}};
    const ReadResult o =
        Read(File({}, {Preset("Round", ComputedTip(9, 0, 100, 100, extra), extra)}));
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 1u);
    EXPECT_EQ(*o.brushes[0]->name(), "Round" + Z);

    const QByteArray badReference = AbrWriter().ascii("obj ").u32(1).ascii("what").data();
    EXPECT_EQ(ReadItem(badReference).error, -1);
}

// Counts and lengths no file of this size could fill fail at once instead of allocating.
TEST_F(Type6ReaderTest, HostileDescriptorCountsFail)
{
    const std::vector<QByteArray> items = {
        AbrWriter().ascii("TEXT").u32(0x7FFFFFF0).data(),
        AbrWriter().ascii("tdta").u32(0xFFFFFFF0).data(),
        AbrWriter().ascii("UnFl").ascii("#Pxl").u32(0x20000000).data(),
        AbrWriter().ascii("VlLs").u32(0xFFFFFFFF).bytes(Long(1)).data(),
        AbrWriter().ascii("Objc").bytes(Unicode("")).u32(0x7FFFFFFF).data(),
        AbrWriter().ascii("obj ").u32(0xFFFFFFFF).ascii("Idnt").u32(0).data(),
        // Counts of two billion units, for a text kept and for a class name only skipped.
        AbrWriter().ascii("TEXT").u32(0x80000000).zeros(16).data(),
        AbrWriter().ascii("Objc").u32(0x80000000).zeros(16).data()};
    for (const QByteArray& item : items) {
        SCOPED_TRACE(item.left(4).toStdString());
        const ReadResult o = ReadItem(item);
        EXPECT_EQ(o.error, -1);
        EXPECT_FALSE(o.badAlloc);
    }
    // Tiny items by the hundred thousand stay within the tree's memory bound and are read.
    QByteArray bools = AbrWriter().ascii("VlLs").u32(200000).data();
    for (int i = 0; i < 200000; ++i)
        bools += AbrWriter().ascii("bool").u8(1).data();
    EXPECT_FALSE(ReadItem(bools).error);
}

TEST_F(Type6ReaderTest, NestingStopsAt64Levels)
{
    // The top-level item and the preset list are two levels; the long inside its lists one more.
    const QByteArray head = Header() + Section("samp", QByteArray());
    QByteArray nested = Long(1);
    for (int i = 0; i < 62; ++i) {
        EXPECT_FALSE(Read(head + Section("desc", desc::Section(List({nested})))).error) << i;
        nested = List({nested});
    }
    EXPECT_EQ(Read(head + Section("desc", desc::Section(List({nested})))).error, -1);
}
} // namespace

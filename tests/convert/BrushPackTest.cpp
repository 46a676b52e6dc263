#include "convert/BrushPack.h"
#include "MadeUpPatterns.h"
#include "actions/BrushInstaller.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/InkTip.h"
#include "convert/KritaBundle.h"
#include "convert/PackWriter.h"
#include "support/BrushFiles.h"
#include "support/MadeUpHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

template <typename T> BrushPtr Sampled(const char* name, int w, int h, std::vector<T> samples)
{
    PixelBlock block(samples.size() * sizeof(T));
    if (!block.empty())
        std::memcpy(block.data(), samples.data(), block.size());
    return std::make_shared<SampledBrush>(name ? std::optional<QString>(QString::fromUtf8(name))
                                               : std::nullopt,
                                          w, h, int(sizeof(T) * 8), std::move(block));
}

QByteArray Pixels(const QImage& grey)
{
    QByteArray out;
    for (int y = 0; y < grey.height(); ++y)
        out.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    return out;
}

BrushPtr Textured(const char* name, const QString& pattern, const QString& identifier)
{
    auto brush = std::make_shared<SampledBrush>(QString::fromUtf8(name), 1, 1, 8, PixelBlock(1));
    brush->setTexture({pattern, identifier});
    return brush;
}

// Brushes whose presets painted through a pattern (found by identifier, by name, or not in
// the file at all), then every kind of pattern.
BrushFile TexturedFile()
{
    BrushFile file(QStringLiteral("/x/Textures.abr"));
    file.addBrush(Textured("By id", QStringLiteral("old name"), QStringLiteral("id-rgb")));
    file.addBrush(
        Textured("By name", QStringLiteral("$$$/Presets/Patterns/Deep_grey=Deep grey"), QString()));
    file.addBrush(Textured("Elsewhere", QStringLiteral("$$$/P/Gone=Gone"), QStringLiteral("?")));
    file.addBrush(Sampled<quint8>("Plain", 1, 1, {3}));
    file.addBrush(Sampled<quint8>("Empty", 0, 0, {}));
    std::static_pointer_cast<SampledBrush>(std::const_pointer_cast<Brush>(file.brush(4)))
        ->setTexture({QStringLiteral("Grey"), QString()});
    for (const PatternCase& c : MadeUpPatterns())
        file.addPattern(c.pattern);
    return file;
}

TEST(BrushPack, EntryNamesKeepTheFilesOrderAndAreSafe)
{
    EXPECT_EQ(PackEntryName(7, 20, QStringLiteral("Chalk"), QStringLiteral(".gbr")),
              QStringLiteral("007 Chalk.gbr"));
    EXPECT_EQ(PackEntryName(7, 1500, QStringLiteral("Chalk"), QStringLiteral(".gbr")),
              QStringLiteral("0007 Chalk.gbr"));
    EXPECT_EQ(PackEntryName(3, 4, QString(), QStringLiteral(".vbr")),
              QStringLiteral("003 Brush 003.vbr"));
    EXPECT_EQ(PackEntryName(0, 1, QStringLiteral(" a/b:c*?\"<>|\x01."), QStringLiteral(".gbr")),
              QStringLiteral("000 a_b_c_______.gbr"));
    EXPECT_EQ(PackNameForFile(QStringLiteral("/x/My Brushes.v2.abr")),
              QStringLiteral("My Brushes.v2"));
}

// Each depth lands on 8 bits with rounding, and the report says what changed.
TEST(BrushPack, DepthsBecomeEightBitInkAndTheReportSaysWhatChanged)
{
    BrushFile file(QStringLiteral("/x/set.abr"));
    file.addBrush(Sampled<quint8>("eight", 3, 1, {0, 128, 255}));
    file.addBrush(Sampled<quint16>("sixteen", 4, 1, {0, 128, 32896, 65535}));
    file.addBrush(Sampled<float>("float", 4, 1, {-1.0f, 0.5f, 1.0f, 7.0f}));
    file.addBrush(Sampled<quint8>(nullptr, 0, 0, {}));

    const BrushPack krita = BuildBrushPack(file, PackTarget::Krita);
    ASSERT_EQ(krita.brushes.size(), 4u);
    ASSERT_EQ(krita.entries.size(), 3u);
    const QList<QByteArray> expected = {QByteArray("\x00\x80\xff", 3),
                                        QByteArray("\x00\x00\x80\xff", 4),
                                        QByteArray("\x00\x80\xff\xff", 4)};
    for (int i = 0; i < 3; ++i) {
        const auto read = GimpBrushFile::read(krita.entryBytes(size_t(i)));
        ASSERT_TRUE(read) << i;
        EXPECT_EQ(Pixels(read->tip), expected[i]) << i;
    }
    EXPECT_EQ(krita.brushes[0].outcome, PackedBrush::Outcome::Kept);
    EXPECT_EQ(krita.brushes[1].what, QStringList{QStringLiteral("16-bit reduced to 8-bit")});
    EXPECT_EQ(krita.brushes[2].what, QStringList{QStringLiteral("32-bit reduced to 8-bit")});
    EXPECT_EQ(krita.brushes[3].outcome, PackedBrush::Outcome::NotCarried);
    EXPECT_EQ(krita.count(PackedBrush::Outcome::Changed), 2);
}

// The plan knows each tip's size without drawing it; every entry it promises must come out of
// the brush at that size, computed tips turned and squashed every way included. A huge tip is
// drawn within the drawing budget, never whole, one over GIMP's limit is scaled down keeping
// its aspect, and the plan says from what size.
TEST(BrushPack, EveryPlannedEntryIsMadeAtItsPlannedSize)
{
    BrushFile file(QStringLiteral("/x/tips.abr"));
    for (int i = 0; i < 12; ++i)
        file.addBrush(ComputedBrush::brushWithName(QString::number(i), 3.5 + i * 9.3, 5 + i * 8,
                                                   i * 37 - 180, i * 9));
    file.addBrush(ComputedBrush::brushWithName(QStringLiteral("huge"), 65535, 100, 0, 100));
    file.addBrush(Sampled<quint8>("wide", 12000, 2, std::vector<quint8>(24000, 200)));
    file.addBrush(Sampled<quint16>("odd", 5, 3, std::vector<quint16>(15, 40000)));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Krita);
    ASSERT_EQ(pack.entries.size(), file.count());
    for (size_t i = 0; i < pack.entries.size(); ++i) {
        const auto read = GimpBrushFile::read(pack.entryBytes(i));
        ASSERT_TRUE(read) << i;
        EXPECT_EQ(read->tip.size(), PlanInkTip(*file.brush(i))->size) << i;
        if (i < 12) {
            EXPECT_EQ(read->tip.size(), file.brush(i)->pixelSize()) << i;
        }
    }
    EXPECT_EQ(pack.brushes[12].what,
              (QStringList{QStringLiteral("computed tip drawn as pixels"),
                           QStringLiteral("scaled from 65,535 to 4,096 pixels")}));
    EXPECT_EQ(pack.brushes[13].what,
              QStringList{QStringLiteral("scaled from 12,000 to 10,000 pixels")});
    EXPECT_EQ(GimpBrushFile::read(pack.entryBytes(13))->tip.width(), 10000);
    // Written in pieces, an entry is the same bytes: 8-bit rows straight from the brush, rows
    // padded apart (the 16-bit tip made 8-bit) copied together, a GIMP .vbr whole.
    for (const PackTarget target : {PackTarget::Krita, PackTarget::Gimp}) {
        const BrushPack each = target == PackTarget::Krita ? pack : BuildBrushPack(file, target);
        for (size_t i = 0; i < each.entries.size(); ++i) {
            QByteArray joined;
            for (const QByteArrayView piece : each.entryPieces(i).views)
                joined += piece;
            EXPECT_TRUE(joined == each.entryBytes(i)) << i;
        }
    }
}

// A preset as a reader makes it: a brush with its tip's values and settings.
template <typename B, typename... Args>
std::shared_ptr<B> WithPreset(BrushPreset preset, Args&&... args)
{
    auto brush = std::make_shared<B>(std::forward<Args>(args)...);
    brush->setPreset(std::make_shared<const BrushPreset>(std::move(preset)));
    return brush;
}

BrushPreset Preset(TipKind kind, double diameter, std::optional<double> spacing)
{
    BrushPreset preset;
    preset.tip.kind = kind;
    preset.tip.diameter = diameter;
    preset.tip.spacing = spacing;
    return preset;
}

// The pack writes a preset as it paints: spacing in the .gbr's header and the .vbr's, the
// sample turned by its preset, and whatever the formats cannot hold listed by setting.
TEST(BrushPack, APresetsSpacingAndShapeAreWrittenAndItsOtherSettingsListed)
{
    // A bar along the top of the sample: turned -45 degrees (clockwise on screen), it runs
    // down from the top middle to the right, almost all of it in the top right quarter.
    std::vector<quint8> bar(21 * 21, 0);
    std::fill_n(bar.begin(), 21 * 3, quint8(255));
    const auto stored =
        std::static_pointer_cast<const SampledBrush>(Sampled("stored", 21, 21, bar));
    BrushPreset inking = Preset(TipKind::Sampled, 21, 10);
    inking.tip.angle = -45;
    inking.settings.shapeDynamics.emplace();
    inking.settings.scattering.emplace();
    inking.settings.texture.emplace();
    inking.settings.wetEdges = true;
    inking.toolOptions = ToolOptions{QStringLiteral("Multiply"), 80, 100, 0};
    const BrushPreset bristle = Preset(TipKind::Bristle, 3000, 4);

    BrushFile file(QStringLiteral("/x/presets.abr"));
    auto inked = WithPreset<SampledBrush>(inking, QStringLiteral("Inking"), *stored,
                                          SampleShaping{21, 100, -45});
    inked->setTexture({QStringLiteral("Grain"), QString()});
    file.addBrush(inked);
    file.addBrush(WithPreset<ComputedBrush>(Preset(TipKind::Computed, 90, 150),
                                            QStringLiteral("Marker"), 90, 80, -18, 100));
    file.addBrush(WithPreset<ComputedBrush>(Preset(TipKind::Computed, 9, {}), QStringLiteral("Off"),
                                            9, 100, 0, 100));
    file.addBrush(WithPreset<PreviewBrush>(bristle, QStringLiteral("Bristles"), bristle.tip));

    const BrushPack gimp = BuildBrushPack(file, PackTarget::Gimp);
    // Each tip's entry, among its preset's files.
    const auto tipBytes = [](const BrushPack& pack, size_t source) {
        for (size_t i = 0; i < pack.entries.size(); ++i)
            if (pack.entries[i].isBrush() && pack.entries[i].source == source)
                return pack.entryBytes(i);
        return QByteArray();
    };
    const auto gbr = GimpBrushFile::read(tipBytes(gimp, 0));
    ASSERT_TRUE(gbr);
    EXPECT_EQ(gbr->spacing, 10);
    const QImage& tip = gbr->tip;
    EXPECT_EQ(tip.size(), inked->pixelSize());
    EXPECT_EQ(tip.size(), PlanInkTip(*inked)->size);
    const auto ink = [&tip](int left) {
        long sum = 0;
        for (int y = 0; y < tip.height() / 2; ++y)
            for (int x = left; x < left + tip.width() / 2; ++x)
                sum += tip.constScanLine(y)[x];
        return sum;
    };
    EXPECT_GT(ink(tip.width() - tip.width() / 2), 5 * ink(0));
    // GIMP's tool preset carries the mode and opacity, and its dynamics the shape dynamics and
    // scattering, here on but varying nothing.
    EXPECT_EQ(
        gimp.brushes[0].what,
        (QStringList{QStringLiteral("loses its texture \"Grain\" (the file does not carry it)"),
                     QStringLiteral("settings not carried (Wet Edges)")}));
    EXPECT_EQ(GimpParametricBrushFile::read(tipBytes(gimp, 1))->spacing, 150);
    EXPECT_EQ(gimp.brushes[1].outcome, PackedBrush::Outcome::Kept);
    EXPECT_EQ(GimpParametricBrushFile::read(tipBytes(gimp, 2))->spacing, 25);
    EXPECT_EQ(gimp.brushes[2].what,
              QStringList{QStringLiteral("spacing off (a dab at each move "
                                         "of the pointer), written as 25 %")});
    EXPECT_EQ(gimp.brushes[3].what,
              (QStringList{QStringLiteral("bristle tip written as a preview image"),
                           QStringLiteral("scaled from 3,000 to 2,048 pixels")}));
    EXPECT_EQ(gimp.countsText(),
              QStringLiteral("4 brushes, 3 changed, 4 presets, 3 approximated, 1 brush loses its "
                             "texture, 1 brush loses settings"));
    // Krita's bundle holds the same .gbr, spacing and all.
    const BrushPack krita = BuildBrushPack(file, PackTarget::Krita);
    EXPECT_EQ(tipBytes(krita, 0), tipBytes(gimp, 0));
    EXPECT_EQ(GimpBrushFile::read(tipBytes(krita, 1))->spacing, 150);
}

// The bundle is written entry by entry; its preview shows the first sixteen tips, one a cell,
// or, painted by the installer's and the shell's painter, the first four strokes, one a row.
TEST(BrushPack, ABundleHoldsEveryEntryAndPreviewsItsFirstTipsOrStrokes)
{
    QTemporaryDir dir;
    BrushFile file(QStringLiteral("/x/many.abr"));
    file.addBrush(Sampled<quint8>("empty", 0, 0, {}));
    for (int i = 0; i < 17; ++i)
        file.addBrush(Sampled<quint8>("ink", 2, 2, {255, 255, 255, quint8(i)}));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Krita);
    const PackWriteResult written = WritePackBundle(pack, dir.path(), file.getPath());
    ASSERT_EQ(written.status, PackWriteResult::Status::Written) << written.error.toStdString();
    const auto read = KritaBundle::read(written.path);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->resources.size(), 17u);
    for (size_t i = 0; i < 17; ++i)
        EXPECT_EQ(read->resources[i].bytes, pack.entryBytes(i)) << i;
    EXPECT_EQ(read->resources[16].fileName, QStringLiteral("017 ink.gbr"));
    for (int cell = 0; cell < 16; ++cell)
        EXPECT_LT(qGray(read->preview.pixel(20 + 64 * (cell % 4), 20 + 64 * (cell / 4))), 8)
            << cell;
    EXPECT_EQ(WritePackBundle(pack, dir.path(), file.getPath()).status,
              PackWriteResult::Status::AlreadyExists);

    const QString strokes = dir.filePath(QStringLiteral("strokes"));
    const PackWriteResult painted =
        WritePackBundle(pack, strokes, file.getPath(), PackPreviewStroke);
    ASSERT_EQ(painted.status, PackWriteResult::Status::Written) << painted.error.toStdString();
    const QImage preview = KritaBundle::read(painted.path)->preview;
    // Each row's ink goes along the S: high on its left half, low on its right.
    for (int row = 0; row < 4; ++row) {
        double heights[2] = {0, 0};
        int inked[2] = {0, 0};
        for (int y = row * 64; y < row * 64 + 64; ++y)
            for (int x = 0; x < 256; ++x)
                if (qGray(preview.pixel(x, y)) < 160) {
                    heights[x / 128] += y - row * 64;
                    ++inked[x / 128];
                }
        ASSERT_GT(inked[0] * inked[1], 0) << row;
        EXPECT_LT(heights[0] / inked[0], 24) << row;
        EXPECT_GT(heights[1] / inked[1], 40) << row;
    }
}

// Neither application ties a tip to a pattern: the report names every carried brush that had
// one, and whether its pattern came along.
TEST(BrushPack, PatternsFollowTheBrushesAndTheReportNamesTheLostTextures)
{
    const BrushFile file = TexturedFile();
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    ASSERT_EQ(pack.entries.size(), 4u + 7u);
    EXPECT_EQ(pack.entries[4].fileName, QStringLiteral("000 Grey.pat"));
    EXPECT_EQ(pack.entries[5].fileName, QStringLiteral("001 Deep grey.pat"));
    EXPECT_EQ(pack.entries[5].mediaType, QStringLiteral("patterns"));
    ASSERT_EQ(pack.patterns.size(), 7u);
    EXPECT_EQ(pack.patterns[1].what, QStringList{QStringLiteral("16-bit reduced to 8-bit")});

    EXPECT_EQ(pack.brushes[0].texture, QStringLiteral("RGB"));
    EXPECT_EQ(pack.brushes[0].what, QStringList{QStringLiteral(
                                        "loses its texture \"RGB\" (the pattern is in the pack)")});
    EXPECT_EQ(pack.brushes[1].texture, QStringLiteral("Deep grey"));
    EXPECT_EQ(
        pack.brushes[2].what,
        QStringList{QStringLiteral("loses its texture \"Gone\" (the file does not carry it)")});
    EXPECT_EQ(pack.brushes[2].outcome, PackedBrush::Outcome::Changed);
    EXPECT_EQ(pack.brushes[3].outcome, PackedBrush::Outcome::Kept);
    EXPECT_EQ(pack.brushes[4].outcome, PackedBrush::Outcome::NotCarried); // no texture lost then
    EXPECT_EQ(pack.countsText(), QStringLiteral("4 brushes, 3 changed, 1 not carried, 7 patterns, "
                                                "3 brushes lose their texture"));
    const auto grey = GimpPatternFile::read(pack.entryBytes(4));
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->name, QStringLiteral("Grey"));
}

// GIMP keeps patterns in their own folder beside the brushes; the two appear whole and
// together, neither is ever written over, and the trash takes both. Any other folder leaves what
// lies beside it.
TEST(BrushPack, AGimpPacksPatternsLieBesideItsBrushesAndGoToTheTrashWithThem)
{
    MadeUpHome home;
    const BrushPack pack = BuildBrushPack(TexturedFile(), PackTarget::Gimp);
    const QString brushes = home.folder(QStringLiteral("gimp/brushes"));
    const QString patterns = home.folder(QStringLiteral("gimp/patterns/Textures"));
    const PackWriteResult refused = WritePackFolder(pack, brushes);
    EXPECT_EQ(refused.status, PackWriteResult::Status::AlreadyExists);
    EXPECT_EQ(refused.path, patterns);
    EXPECT_EQ(QDir(brushes).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
    ASSERT_TRUE(QDir(patterns).removeRecursively());

    const PackWriteResult written = WritePackFolder(pack, brushes);
    ASSERT_EQ(written.status, PackWriteResult::Status::Written) << written.error.toStdString();
    EXPECT_EQ(written.path, QDir(brushes).filePath(QStringLiteral("Textures")));
    EXPECT_EQ(PackPatternsFolder(written.path), patterns);
    EXPECT_EQ(QDir(written.path).entryList(QDir::Files).size(), 4);
    EXPECT_EQ(WritePackFolder(pack, brushes).status, PackWriteResult::Status::AlreadyExists);
    // Nothing half-written stays beside either.
    EXPECT_EQ(QDir(brushes).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Textures")});
    const QStringList pats = QDir(patterns).entryList(QDir::Files);
    ASSERT_EQ(pats.size(), 7);
    EXPECT_EQ(pats[6], QStringLiteral("006 RGBA 16-bit.pat"));
    EXPECT_EQ(QDir(patterns + QStringLiteral("/.."))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Textures")});

    const Trash::Result trashed = TrashPack(written.path);
    EXPECT_TRUE(trashed.succeeded && trashed.reason.isEmpty()) << trashed.reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(written.path));
    EXPECT_FALSE(QFileInfo::exists(patterns));
    const QDir trash(home.path(QStringLiteral(".local/share/Trash/files")));
    EXPECT_EQ(trash.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);

    // Patterns of Kelbrin's whose brushes folder went (removed in a file manager) give way to
    // the next install rather than stopping it; nothing stays beside them.
    ASSERT_EQ(WritePackFolder(pack, brushes).status, PackWriteResult::Status::Written);
    ASSERT_TRUE(QDir(written.path).removeRecursively());
    ASSERT_TRUE(QFile::remove(patterns + QStringLiteral("/006 RGBA 16-bit.pat")));
    const PackWriteResult again = WritePackFolder(pack, brushes);
    EXPECT_EQ(again.status, PackWriteResult::Status::Written) << again.error.toStdString();
    EXPECT_EQ(QDir(patterns).entryList(QDir::Files).size(), 7);
    EXPECT_EQ(QDir(patterns + QStringLiteral("/.."))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Textures")});
    ASSERT_TRUE(TrashPack(again.path).succeeded);
    // Somebody else's patterns folder of the pack's name stays when a pack without patterns goes.
    BrushFile plain(QStringLiteral("/x/Textures.abr"));
    plain.addBrush(ComputedBrush::brushWithName(QStringLiteral("Round"), 20, 100, 0, 100));
    const PackWriteResult alone = WritePackFolder(BuildBrushPack(plain, PackTarget::Gimp), brushes);
    ASSERT_EQ(alone.status, PackWriteResult::Status::Written) << alone.error.toStdString();
    home.file(QStringLiteral("gimp/patterns/Textures/Theirs.pat"), "pattern");
    ASSERT_TRUE(TrashPack(alone.path).succeeded);
    EXPECT_TRUE(QFileInfo::exists(patterns + QStringLiteral("/Theirs.pat")));

    const QString other = home.folder(QStringLiteral("stuff/Textures"));
    const QString beside = home.folder(QStringLiteral("patterns/Textures"));
    EXPECT_TRUE(TrashPack(other).succeeded);
    EXPECT_TRUE(QFileInfo(beside).isDir());
}

} // namespace

namespace {
// Sets the largest file this process may write, as a nearly full disk would stop it, until it
// goes; a write past it then fails with EFBIG.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old;
};
} // namespace

// Names go into the files made valid and within GIMP's 255 bytes, and the report says that
// the brush or pattern changed rather than that it was kept.
TEST(BrushPack, NamesAreMadeValidAndTheReportSaysTheyChanged)
{
    BrushFile file(QStringLiteral("/x/names.abr"));
    const QString lone = QStringLiteral("Lone ") + QChar(0xD800);
    const QString zero = QStringLiteral("a") + QChar(0) + u'b';
    const QString longName = QString(300, u'n');
    for (const QString& name : {QStringLiteral("Plain"), lone, zero, longName})
        file.addBrush(std::make_shared<SampledBrush>(name, 1, 1, 8, PixelBlock(1, 255)));
    file.addPattern(std::make_shared<const Pattern>(longName, QStringLiteral("id"),
                                                    Pattern::Mode::Grey, 8,
                                                    QImage(2, 1, QImage::Format_Grayscale8)));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    const QStringList inside = {QStringLiteral("Plain"), QStringLiteral("Lone \uFFFD"),
                                QStringLiteral("ab"), QString(255, u'n')};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(GimpBrushFile::read(pack.entryBytes(i))->name, inside[qsizetype(i)]);
        EXPECT_EQ(pack.brushes[i].outcome,
                  i == 0 ? PackedBrush::Outcome::Kept : PackedBrush::Outcome::Changed);
    }
    EXPECT_EQ(pack.brushes[3].what, QStringList{QStringLiteral("name shortened to 255 bytes")});
    EXPECT_EQ(GimpPatternFile::read(pack.entryBytes(4))->name, QString(255, u'n'));
    EXPECT_EQ(pack.patterns[0].what, QStringList{QStringLiteral("name shortened to 255 bytes")});
}

// A pack the disk cannot take whole (a file-size limit stands in for a full disk), wherever it
// stops, even in the last bytes of a bundle that the file only writes on closing, is reported
// as failed and leaves nothing in the folder.
TEST(BrushPack, APackThatCannotBeWrittenWholeLeavesNothingBehind)
{
    BrushFile file(QStringLiteral("/x/noise.abr"));
    for (int i = 0; i < 8; ++i) {
        const QByteArray noise = TestPixels(64, 64, unsigned(i));
        PixelBlock block(noise.begin(), noise.end());
        file.addBrush(std::make_shared<SampledBrush>(QStringLiteral("Noise %1").arg(i), 64, 64, 8,
                                                     std::move(block)));
    }
    QTemporaryDir dir;
    const BrushPack bundle = BuildBrushPack(file, PackTarget::Krita);
    const PackWriteResult whole = WritePackBundle(bundle, dir.filePath("whole"), file.getPath());
    ASSERT_EQ(whole.status, PackWriteResult::Status::Written) << whole.error.toStdString();
    const qint64 size = QFileInfo(whole.path).size();
    for (const qint64 limit : {size - 8, qint64(100)}) {
        SCOPED_TRACE(limit);
        const QString folder = dir.filePath(QString::number(limit));
        QDir().mkpath(folder);
        PackWriteResult krita, gimp;
        {
            const FileSizeLimit cap{rlim_t(limit)};
            krita = WritePackBundle(bundle, folder, file.getPath());
            gimp = WritePackFolder(BuildBrushPack(file, PackTarget::Gimp), folder);
        }
        EXPECT_EQ(krita.status, PackWriteResult::Status::Failed);
        EXPECT_EQ(gimp.status, limit < 64 * 64 ? PackWriteResult::Status::Failed
                                               : PackWriteResult::Status::Written);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  limit < 64 * 64 ? QStringList() : QStringList{QStringLiteral("noise")});
    }
}

// GIMP itself loads what Kelbrin writes for it and says what it sees.
#include "JudgeFiles.h"
#include "brush/BrushBitmap.h"
#include "brush/ComputedBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/GimpPresetFiles.h"
#include "platform/ValidName.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <variant>

namespace {

const QString kGimp = QStringLiteral("gimp-console-2.10");

struct GimpPattern
{
    QSize size;
    int bytesPerPixel = 0;
    QByteArray pixels;
};

struct GimpReport
{
    QStringList brushes;                          // every brush GIMP loaded
    std::map<QString, QImage> masks;              // of those asked for; 255 is full paint
    std::map<QString, int> spacings;              // of those asked for, percent
    QStringList patterns;                         // every pattern GIMP loaded
    std::map<QString, GimpPattern> patternPixels; // of those asked for
    double seconds = 0;                           // from start to exit
};

// A line of numbers as bytes; none when there are not count of them.
std::optional<QByteArray> Bytes(const QByteArray& line, qsizetype count)
{
    const QList<QByteArray> values = line.trimmed().split(' ');
    if (values.size() != count)
        return std::nullopt;
    QByteArray bytes(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        bytes[i] = char(values[i].toInt());
    return bytes;
}

QString SchemeString(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The Script-Fu that writes GIMP's brush and pattern lists, and the masks, spacings and
// pixels asked for, into out.
QString GimpScript(const QString& out, const QStringList& names, const QStringList& patterns)
{
    QString asked, askedPatterns;
    for (const QString& name : names)
        asked += SchemeString(name) + QLatin1Char(' ');
    for (const QString& name : patterns)
        askedPatterns += SchemeString(name) + QLatin1Char(' ');
    return QStringLiteral("(let ((p (open-output-file %1)))"
                          " (for-each (lambda (n) (display \"B \" p) (display n p) (newline p))"
                          "  (cadr (gimp-brushes-get-list \"\")))"
                          " (for-each (lambda (n) (let ((m (gimp-brush-get-pixels n)))"
                          "   (display \"M \" p) (display (car m) p) (display \" \" p)"
                          "   (display (cadr m) p) (display \" \" p)"
                          "   (display (car (gimp-brush-get-spacing n)) p) (display \" \" p)"
                          "   (display n p) (newline p)"
                          "   (for-each (lambda (v) (display v p) (display \" \" p))"
                          "    (vector->list (list-ref m 4)))"
                          "   (newline p)))"
                          "  (list %2))"
                          " (for-each (lambda (n) (display \"P \" p) (display n p) (newline p))"
                          "  (cadr (gimp-patterns-get-list \"\")))"
                          " (for-each (lambda (n) (let ((m (gimp-pattern-get-pixels n)))"
                          "   (display \"Q \" p) (display (car m) p) (display \" \" p)"
                          "   (display (cadr m) p) (display \" \" p) (display (caddr m) p)"
                          "   (display \" \" p) (display n p) (newline p)"
                          "   (for-each (lambda (v) (display v p) (display \" \" p))"
                          "    (vector->list (list-ref m 4)))"
                          "   (newline p)))"
                          "  (list %3))"
                          " (close-output-port p))")
        .arg(SchemeString(out), asked, askedPatterns);
}

// Starts GIMP without its user's settings, with `dataDir`/brushes and `dataDir`/patterns as
// its only brushes and patterns and no other plug-in than the script interpreter (querying all
// of them makes a first start take a minute), and asks it for its brush and pattern lists, the
// masks and spacings of the brushes `names` and the pixels of the patterns `patterns`. An error
// text when GIMP does not answer in time or says nothing.
std::variant<GimpReport, QString> AskGimp(const QString& dataDir, const QStringList& names,
                                          const QStringList& patterns = {})
{
    // GIMP makes its folder, with the subfolders its data paths name, on a first start.
    QTemporaryDir home;
    const QString gimpDir = home.filePath(QStringLiteral("gimp"));
    QFile rc(home.filePath(QStringLiteral("gimprc")));
    if (!rc.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1").arg(rc.fileName());
    QTextStream(&rc) << "(brush-path \"" << dataDir << "/brushes:${gimp_dir}/brushes\")\n"
                     << "(pattern-path \"" << dataDir << "/patterns:${gimp_dir}/patterns\")\n"
                     << "(plug-in-path \"${gimp_plug_in_dir}/plug-ins/script-fu\")\n"
                     << "(font-path \"\")\n";
    rc.close();

    const QString out = home.filePath(QStringLiteral("report.txt"));
    const QString script = GimpScript(out, names, patterns);

    QProcess gimp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GIMP2_DIRECTORY"), gimpDir);
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    gimp.setProcessEnvironment(environment);
    gimp.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    gimp.start(kGimp, {QStringLiteral("-i"), QStringLiteral("-f"), QStringLiteral("--no-splash"),
                       QStringLiteral("--gimprc=") + rc.fileName(), QStringLiteral("-b"), script,
                       QStringLiteral("-b"), QStringLiteral("(gimp-quit 0)")});
    // A first start on a busy machine takes half a minute; a script that fails leaves GIMP
    // waiting for ever.
    if (!gimp.waitForFinished(180000)) {
        gimp.kill();
        gimp.waitForFinished();
        return QStringLiteral("GIMP did not finish in 3 minutes:\n") + gimp.readAll();
    }
    GimpReport report;
    report.seconds = clock.elapsed() / 1000.0;
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("GIMP wrote no report:\n") + gimp.readAll();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]);
        if (line.startsWith(QLatin1String("B ")))
            report.brushes << line.mid(2);
        if (line.startsWith(QLatin1String("P ")))
            report.patterns << line.mid(2);
        if (line.startsWith(QLatin1String("Q ")) && i + 1 < lines.size()) {
            const QStringList fields = line.split(QLatin1Char(' '));
            GimpPattern pattern{QSize(fields.value(1).toInt(), fields.value(2).toInt()),
                                fields.value(3).toInt(),
                                {}};
            const auto bytes = Bytes(lines[++i], qsizetype(pattern.size.width()) *
                                                     pattern.size.height() * pattern.bytesPerPixel);
            if (!bytes)
                return QStringLiteral("GIMP's pixels of %1 are cut short").arg(line);
            pattern.pixels = *bytes;
            report.patternPixels[line.section(QLatin1Char(' '), 4)] = pattern;
        }
        if (!line.startsWith(QLatin1String("M ")) || i + 1 >= lines.size())
            continue;
        const QStringList fields = line.split(QLatin1Char(' '));
        QImage mask(fields.value(1).toInt(), fields.value(2).toInt(), QImage::Format_Grayscale8);
        const auto values = Bytes(lines[++i], qsizetype(mask.width()) * mask.height());
        if (mask.isNull() || !values)
            return QStringLiteral("GIMP's mask of %1 is cut short").arg(line);
        for (int y = 0; y < mask.height(); ++y)
            std::memcpy(mask.scanLine(y), values->constData() + qsizetype(y) * mask.width(),
                        size_t(mask.width()));
        report.masks[line.section(QLatin1Char(' '), 4)] = mask;
        report.spacings[line.section(QLatin1Char(' '), 4)] = fields.value(3).toInt();
    }
    if (report.masks.size() != size_t(names.size()) ||
        report.patternPixels.size() != size_t(patterns.size()))
        return QStringLiteral("GIMP answered for %1 of %2 brushes:\n")
                   .arg(report.masks.size())
                   .arg(names.size()) +
               gimp.readAll();
    return report;
}

struct InkDifference
{
    int max = 0;
    double mean = 0; // over the pixels where either has ink
};

// Kelbrin's ink against GIMP's mask, centre on centre. GIMP centres its masks on a pixel; the
// tips here are chosen so that Kelbrin's drawings come out odd-sized and centred on one too.
InkDifference Compare(const QImage& kelbrin, const QImage& gimp)
{
    const QSize size = kelbrin.size().expandedTo(gimp.size());
    auto centred = [&](const QImage& image) { // copy() fills what lies outside with 0, no ink
        return image.copy(
            QRect(QPoint((image.width() - size.width()) / 2, (image.height() - size.height()) / 2),
                  size));
    };
    const QImage a = centred(kelbrin), b = centred(gimp);
    InkDifference difference;
    int counted = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int k = a.constScanLine(y)[x], g = b.constScanLine(y)[x];
            if (k == 0 && g == 0)
                continue;
            difference.max = std::max(difference.max, std::abs(k - g));
            difference.mean += std::abs(k - g);
            ++counted;
        }
    difference.mean /= std::max(counted, 1);
    return difference;
}

struct ComputedCase
{
    QString name;
    ComputedBrush::Parameters tip;
    int maxDifference; // grey levels
    double meanDifference;
};

void ExpectEveryPatternLoaded(const GimpReport& report)
{
    // Every kind of pattern, with the bytes per pixel and pixels written; GIMP lists its own
    // clipboard pattern beside them.
    for (const PatternCase& c : MadeUpPatterns()) {
        const QString name = c.pattern->displayName();
        EXPECT_EQ(report.patterns.count(name), 1) << name.toStdString();
        const GimpPattern& loaded = report.patternPixels.at(name);
        EXPECT_EQ(loaded.size, QSize(2, 1)) << name.toStdString();
        EXPECT_EQ(loaded.bytesPerPixel, c.bytesPerPixel) << name.toStdString();
        EXPECT_EQ(loaded.pixels.toHex(' '), c.pixels.toHex(' ')) << name.toStdString();
    }
    for (const PatternRecordDescription& p : AwkwardPatterns()) {
        const QString name = ValidName(p.name, GimpPatternFile::kMaxNameBytes);
        EXPECT_EQ(report.patterns.count(name), 1) << name.toStdString();
    }
}

// Every brush of every kind of file Kelbrin reads arrives in GIMP under its own name; sampled
// tips come back as written, computed ones look like Kelbrin's drawing, presets keep their
// spacing, and patterns come back byte for byte.
TEST(GimpJudge, LoadsEveryBrushAndPatternAndPaintsTheComputedTipsLikeKelbrin)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    if (QStandardPaths::findExecutable(kGimp).isEmpty())
        GTEST_SKIP() << kGimp.toStdString() << " is not installed (Debian package gimp)";

    Sandbox sandbox;
    int brushCount = 0;
    std::vector<BrushPack> packs = JudgePacks(sandbox, PackTarget::Gimp, &brushCount);
    packs.push_back(PatternJudgePack(PackTarget::Gimp));
    brushCount += int(packs.back().sources.size());
    for (const BrushPack& pack : packs)
        ASSERT_EQ(WritePackFolder(pack, sandbox.path(QStringLiteral("gimp/brushes"))).status,
                  PackWriteResult::Status::Written);
    QStringList patterns;
    for (const PatternCase& c : MadeUpPatterns())
        patterns << c.pattern->displayName();

    // Sizes that come out odd, so that both centre the tips on a pixel. The differences left
    // are GIMP's own: its soft edge follows another curve than Kelbrin's straight pieces, and
    // it antialiases hard edges in quarters (0, 64, 128, 191, 255), worst at the thin ends of
    // a squashed tip.
    const std::vector<ComputedCase> computed = {
        {QStringLiteral("Soft"), {43, 100, 0, 0}, 32, 10},
        {QStringLiteral("Hard"), {41, 100, 0, 100}, 64, 3},
        {QStringLiteral("Squashed"), {61, 20, 0, 100}, 120, 5},
        {QStringLiteral("Turned"), {62, 30, -50, 60}, 38, 14},
    };
    const QStringList sampled = {QStringLiteral("Eight \"bit\" & <more>"),
                                 QStringLiteral("Thirty-two 筆"), QStringLiteral("Turned sample")};
    QStringList asked = sampled;
    for (const ComputedCase& c : computed)
        asked << c.name;
    asked << QStringLiteral("Round");
    const auto answer = AskGimp(sandbox.path(QStringLiteral("gimp")), asked, patterns);
    ASSERT_TRUE(std::holds_alternative<GimpReport>(answer))
        << std::get<QString>(answer).toStdString();
    const GimpReport& report = std::get<GimpReport>(answer);
    std::map<QString, int> loaded;
    for (const QString& name : report.brushes)
        ++loaded[WithoutGimpsNumber(name)];
    int kept = 0;
    for (const auto& [name, count] : NamesInside(packs)) {
        EXPECT_GE(loaded[name], count) << name.toStdString();
        kept += std::min(loaded[name], count);
    }
    std::cout << "GIMP took " << report.seconds << " s and loaded " << kept << " of the "
              << brushCount << " brushes Kelbrin read from " << packs.size() << " files\n";
    EXPECT_EQ(kept, brushCount);
    ExpectEveryPatternLoaded(report);

    for (const BrushPack& pack : packs)
        for (size_t i = 0; i < pack.entries.size(); ++i) {
            const auto gbr = GimpBrushFile::read(pack.entryBytes(i));
            if (gbr && sampled.contains(gbr->name)) {
                EXPECT_TRUE(report.masks.at(gbr->name) == gbr->tip) << gbr->name.toStdString();
            }
        }
    // The presets' spacing, from a .gbr's header and a .vbr's text.
    EXPECT_EQ(report.spacings.at(QStringLiteral("Round")), 150);
    EXPECT_EQ(report.spacings.at(QStringLiteral("Turned sample")), 10);
    for (const ComputedCase& c : computed) {
        const auto brush =
            ComputedBrush::brushWithName(c.name, c.tip.diameter, c.tip.roundnessInPercent,
                                         c.tip.angleInDegrees, c.tip.hardnessInPercent);
        const auto ink = inkBitmap(brush);
        ASSERT_TRUE(ink);
        const QImage kelbrin(ink->samples, ink->width, ink->height, ink->bytesPerRow(),
                             QImage::Format_Grayscale8);
        const QImage& mask = report.masks.at(c.name);
        const InkDifference difference = Compare(kelbrin, mask);
        std::cout << c.name.toStdString() << ": Kelbrin " << ink->width << "x" << ink->height
                  << ", GIMP " << mask.width() << "x" << mask.height() << ", max " << difference.max
                  << ", mean " << difference.mean << "\n";
        EXPECT_LE(difference.max, c.maxDifference) << c.name.toStdString();
        EXPECT_LE(difference.mean, c.meanDifference) << c.name.toStdString();
    }
}

struct GimpRun
{
    QString output; // what GIMP printed
    QString report; // what the script wrote
};

// Runs program (gimp-console-2.10, or gimp-2.10 under xvfb-run when wrapped) with `dataDir`'s
// brushes, patterns, dynamics and tool presets as its only ones, and the Script-Fu script,
// which writes into the file it is given as %1. GIMP reads tool presets only when it has a
// window, so they need the second.
std::variant<GimpRun, QString> RunGimp(const QString& dataDir, const QString& script,
                                       bool withWindow)
{
    QTemporaryDir home;
    QFile rc(home.filePath(QStringLiteral("gimprc")));
    if (!rc.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1").arg(rc.fileName());
    QTextStream(&rc) << "(brush-path \"" << dataDir << "/brushes\")\n"
                     << "(pattern-path \"" << dataDir << "/patterns\")\n"
                     << "(dynamics-path \"" << dataDir << "/dynamics\")\n"
                     << "(tool-preset-path \"" << dataDir << "/tool-presets\")\n"
                     << "(plug-in-path \"${gimp_plug_in_dir}/plug-ins/script-fu\")\n"
                     << "(font-path \"\")\n";
    rc.close();
    const QString out = home.filePath(QStringLiteral("report.txt"));
    QProcess gimp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GIMP2_DIRECTORY"), home.filePath(QStringLiteral("gimp")));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    gimp.setProcessEnvironment(environment);
    gimp.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments = {QStringLiteral("-f"),
                             QStringLiteral("--no-splash"),
                             QStringLiteral("--console-messages"),
                             QStringLiteral("--gimprc=") + rc.fileName(),
                             QStringLiteral("-b"),
                             script.arg(SchemeString(out)),
                             QStringLiteral("-b"),
                             QStringLiteral("(gimp-quit 0)")};
    if (withWindow)
        gimp.start(QStringLiteral("xvfb-run"),
                   QStringList{QStringLiteral("-a"), QStringLiteral("gimp-2.10")} + arguments);
    else
        gimp.start(kGimp, QStringList{QStringLiteral("-i")} + arguments);
    if (!gimp.waitForFinished(180000)) {
        gimp.kill();
        gimp.waitForFinished();
        return QStringLiteral("GIMP did not finish in 3 minutes:\n") + gimp.readAll();
    }
    GimpRun run{QString::fromUtf8(gimp.readAll()), QString()};
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("GIMP wrote no report:\n") + run.output;
    run.report = QString::fromUtf8(file.readAll());
    return run;
}

// GIMP's complaints about the files under folder: a load that failed, a value out of range.
QStringList Complaints(const QString& output, const QString& folder)
{
    QStringList complaints;
    for (const QString& line : output.split(QLatin1Char('\n')))
        if (line.contains(folder) || line.contains(QLatin1String("WARNING")) ||
            line.contains(QLatin1String("CRITICAL")))
            complaints << line;
    return complaints;
}

// Every preset of every judge file arrives in GIMP as paint dynamics GIMP lists and takes
// under its own name, and as a tool preset GIMP loads without a word, naming a brush GIMP has.
TEST(GimpJudge, LoadsEveryPresetsDynamicsAndToolPreset)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    if (QStandardPaths::findExecutable(kGimp).isEmpty())
        GTEST_SKIP() << kGimp.toStdString() << " is not installed (Debian package gimp)";

    Sandbox sandbox;
    int brushCount = 0;
    std::vector<BrushPack> packs = JudgePacks(sandbox, PackTarget::Gimp, &brushCount);
    packs.push_back(PatternJudgePack(PackTarget::Gimp));
    int presets = 0;
    std::map<QString, std::array<int, 3>> groups; // kept, approximated, not carried
    QStringList dynamicsNames;
    std::set<QString> brushNames;
    for (const BrushPack& pack : packs) {
        ASSERT_EQ(WritePackFolder(pack, sandbox.path(QStringLiteral("gimp/brushes"))).status,
                  PackWriteResult::Status::Written);
        for (const BrushPtr& brush : pack.sources)
            presets += brush->preset() && brush->preset()->isPreset;
        for (const PackedBrush& packed : pack.brushes)
            for (const SettingFate& fate : packed.settings)
                ++groups[fate.group][size_t(fate.fate)];
        for (size_t i = 0; i < pack.entries.size(); ++i) {
            const PackEntry& entry = pack.entries[i];
            if (entry.mediaType == PackEntry::kDynamics) {
                const auto dynamics = GimpPresetFiles::readDynamics(pack.entryBytes(i));
                ASSERT_TRUE(dynamics) << entry.fileName.toStdString();
                dynamicsNames << dynamics->name;
            } else if (entry.mediaType == PackEntry::kToolPresets) {
                const auto preset = GimpPresetFiles::readToolPreset(pack.entryBytes(i));
                ASSERT_TRUE(preset) << entry.fileName.toStdString();
                brushNames.insert(preset->brush);
            }
        }
    }
    ASSERT_FALSE(dynamicsNames.isEmpty());

    QString asked;
    for (const QString& name : dynamicsNames)
        asked += SchemeString(name) + QLatin1Char(' ');
    // Each dynamics by name, then GIMP's own name for the dynamics it took.
    const QString script =
        QStringLiteral("(let ((p (open-output-file %1)))"
                       " (for-each (lambda (n) (display \"D \" p) (display n p) (newline p))"
                       "  (cadr (gimp-dynamics-get-list \"\")))"
                       " (for-each (lambda (n) (display \"B \" p) (display n p) (newline p))"
                       "  (cadr (gimp-brushes-get-list \"\")))"
                       " (for-each (lambda (n) (display \"S \" p)"
                       "   (display (catch \"\" (begin (gimp-context-set-dynamics n)"
                       "     (car (gimp-context-get-dynamics)))) p) (newline p))"
                       "  (list ") +
        asked.replace(QLatin1Char('%'), QStringLiteral("%%")) +
        QStringLiteral(")) (close-output-port p))");
    const QString data = sandbox.path(QStringLiteral("gimp"));
    const auto console = RunGimp(data, script, false);
    ASSERT_TRUE(std::holds_alternative<GimpRun>(console))
        << std::get<QString>(console).toStdString();
    const GimpRun& run = std::get<GimpRun>(console);
    EXPECT_EQ(Complaints(run.output, data), QStringList()) << run.output.toStdString();
    QStringList listed, taken;
    std::set<QString> brushes;
    for (const QString& line : run.report.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("D ")))
            listed << line.mid(2);
        else if (line.startsWith(QLatin1String("S ")))
            taken << line.mid(2);
        else if (line.startsWith(QLatin1String("B ")))
            brushes.insert(line.mid(2));
    }
    int kept = 0;
    for (qsizetype i = 0; i < dynamicsNames.size(); ++i) {
        const QString& name = dynamicsNames[i];
        const bool ok = listed.count(name) == 1 && taken.value(i) == name;
        EXPECT_TRUE(ok) << name.toStdString();
        kept += ok;
    }
    for (const QString& brush : brushNames)
        EXPECT_TRUE(brushes.count(brush)) << "no brush " << brush.toStdString();

    std::cout << "GIMP kept " << kept << " of " << presets << " presets\n";
    for (const auto& [group, counts] : groups)
        std::cout << "  " << group.toStdString() << ": " << counts[0] << " kept, " << counts[1]
                  << " approximated, " << counts[2] << " not carried\n";
    EXPECT_EQ(kept, presets);

    // GIMP reads tool presets only with a window. A broken one beside ours shows that it
    // read them, and says how it speaks of one it refuses.
    if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty())
        return;
    ASSERT_TRUE(QDir().mkpath(sandbox.path(QStringLiteral("gimp/tool-presets/zz"))));
    sandbox.write(QStringLiteral("gimp/tool-presets/zz/Broken.gtp"),
                  "# GIMP tool preset file\n(name \"Broken\")\n(tool-options "
                  "\"GimpPaintOptions\" (tool \"gimp-paintbrush-tool\") (paint-mode none))\n");
    const auto window =
        RunGimp(data, QStringLiteral("(close-output-port (open-output-file %1))"), true);
    ASSERT_TRUE(std::holds_alternative<GimpRun>(window)) << std::get<QString>(window).toStdString();
    const QStringList complaints = Complaints(std::get<GimpRun>(window).output, data);
    ASSERT_EQ(complaints.filter(QStringLiteral("Broken.gtp")).size(), 1)
        << std::get<GimpRun>(window).output.toStdString();
    QStringList ours = complaints.filter(QStringLiteral("/tool-presets/"));
    ours.removeIf([](const QString& line) { return line.contains(QLatin1String("Broken.gtp")); });
    EXPECT_EQ(ours, QStringList());
}

} // namespace

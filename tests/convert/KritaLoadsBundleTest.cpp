// Krita itself judges the bundles: kritarunner (Debian's krita package) starts Krita's
// libraries without a screen, loads the bundles in its resource folder and runs a Python
// function, here one that lists every brush Krita knows.
#include "JudgeFiles.h"
#include "actions/BrushInstaller.h"
#include "convert/GimpPatternFile.h"
#include "convert/KritaPaintPreset.h"
#include "platform/ValidName.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <array>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <set>

namespace {

// Krita's first start in an empty resource folder builds its resource database and unpacks
// its own default bundles: about 30 s on a quiet machine (3 s once the folder exists), so the
// bound leaves room for a busy one.
constexpr int kKritaTimeoutMs = 240000;

// Names kept ASCII on the way out (json.dumps), whatever locale the embedded Python picks.
constexpr char kListBrushes[] = R"(import json
from krita import Krita

def listed(kind):
    found = []
    for name, resource in Krita.instance().resources(kind).items():
        image = resource.image()
        found.append({'name': name, 'width': image.width(), 'height': image.height()})
    return json.dumps(found)

# Krita 5.1's scripting gives no preset's settings (its Preset class came with 5.2), so what
# Krita made of each resource comes from its resource database: the MD5 it looks tips and
# patterns up by, and the engine it read from each preset's XML.
def database(types):
    import base64, os, sqlite3
    path = os.path.join(os.environ['XDG_DATA_HOME'], 'kritarunner', 'resourcecache.sqlite')
    db = sqlite3.connect(path)
    rows = db.execute(
        "select t.name, r.name, r.filename, r.md5sum, "
        "(select m.value from metadata m where m.table_name = 'resources' and "
        "m.foreign_id = r.id and m.key = 'paintopid') "
        "from resources r join resource_types t on t.id = r.resource_type_id").fetchall()
    found = []
    for kind, name, filename, md5, paintop in rows:
        if kind in types:
            # A QVariant holding a QString: type, null flag, length, UTF-16.
            engine = base64.b64decode(paintop)[9:].decode('utf-16-be') if paintop else ''
            found.append({'kind': kind, 'name': name, 'file': filename, 'md5': md5,
                          'paintop': engine})
    return json.dumps(found)

def __main__(args):
    print('KELBRIN-BRUSHES ' + listed('brush'))
    print('KELBRIN-PATTERNS ' + listed('pattern'))
    print('KELBRIN-PRESETS ' + json.dumps(sorted(Krita.instance().resources('preset').keys())))
    print('KELBRIN-DATABASE ' + database(('brushes', 'patterns', 'paintoppresets')))
)";

// One line of the script's output after marker, as JSON.
QJsonDocument Printed(const QByteArray& out, const QByteArray& marker)
{
    const qsizetype at = out.indexOf(marker);
    if (at < 0)
        return {};
    const qsizetype start = at + marker.size();
    return QJsonDocument::fromJson(out.mid(start, out.indexOf('\n', at) - start));
}

// What the script printed after marker, by name.
std::map<QString, QSize> Listed(const QByteArray& out, const QByteArray& marker)
{
    const qsizetype at = out.indexOf(marker);
    if (at < 0)
        return {};
    const qsizetype start = at + marker.size();
    std::map<QString, QSize> loaded;
    for (const QJsonValue& value :
         QJsonDocument::fromJson(out.mid(start, out.indexOf('\n', at) - start)).array()) {
        const QJsonObject o = value.toObject();
        loaded[o[u"name"].toString()] = QSize(o[u"width"].toInt(), o[u"height"].toInt());
    }
    return loaded;
}

// What a preset's XML must carry for its source: the sensors its controls and jitters become.
QStringList ExpectedSensors(const Dynamic& dynamic)
{
    QStringList ids;
    if (dynamic.control == DynamicControl::PenPressure)
        ids << QStringLiteral("pressure");
    if (dynamic.control == DynamicControl::Fade)
        ids << QStringLiteral("fade");
    if (dynamic.jitter > 0)
        ids << QStringLiteral("fuzzy");
    return ids;
}

// Every preset of every pack is in Krita's database as a preset of the pixel brush, under its
// own name, and the tips and pattern it names are ones Krita loaded, by the MD5 Krita looks them
// up by; its XML carries the spacing, size, angle, ratio and sensors of its source.
void JudgePresets(const std::vector<BrushPack>& packs, const QByteArray& out, const QByteArray& log)
{
    std::set<QString> presetNames;
    for (const QJsonValue& name : Printed(out, "KELBRIN-PRESETS ").array())
        presetNames.insert(name.toString());
    std::map<QString, QString> engines;        // preset file → engine
    std::map<QString, std::set<QString>> sums; // kind → MD5s
    for (const QJsonValue& value : Printed(out, "KELBRIN-DATABASE ").array()) {
        const QJsonObject row = value.toObject();
        sums[row[u"kind"].toString()].insert(row[u"md5"].toString());
        if (row[u"kind"].toString() == QLatin1String("paintoppresets"))
            engines[row[u"file"].toString()] = row[u"paintop"].toString();
    }
    // Krita says so when a preset will not load or names what it does not have.
    for (const char* complaint : {"Could not load settings for preset", "No paintop", "missing"})
        EXPECT_LT(log.indexOf(complaint), 0) << "Krita said:\n" << log.right(3000).toStdString();

    int presets = 0, kept = 0;
    std::map<QString, std::array<int, 3>> fates; // group → kept, approximated, not carried
    for (const BrushPack& pack : packs)
        for (size_t i = 0; i < pack.entries.size(); ++i) {
            const PackEntry& entry = pack.entries[i];
            if (entry.mediaType != PackEntry::kPaintPresets)
                continue;
            ++presets;
            std::optional<KritaPresetFile> kpp = ReadKritaPreset(pack.entryBytes(i));
            ASSERT_TRUE(kpp) << entry.fileName.toStdString();
            const std::string what = (pack.name + QLatin1Char('/') + entry.fileName).toStdString();
            const bool listed = presetNames.count(kpp->name) > 0;
            const bool engine = engines[entry.fileName] == QLatin1String("paintbrush");
            const auto resolved = [&](const QString& kind, const QString& md5) {
                return md5.isEmpty() || sums[kind].count(md5) > 0;
            };
            const QString masking =
                kpp->param(QStringLiteral("MaskingBrush/Preset/brush_definition"));
            const QString maskingSum =
                masking.section(QStringLiteral("md5sum=\""), 1).section(QLatin1Char('"'), 0, 0);
            const bool tips =
                resolved(QStringLiteral("brushes"), kpp->tip[QStringLiteral("md5sum")]) &&
                resolved(QStringLiteral("brushes"), maskingSum) &&
                resolved(QStringLiteral("patterns"),
                         kpp->param(QStringLiteral("Texture/Pattern/PatternMD5Sum")));
            EXPECT_TRUE(listed) << what << " is not among Krita's presets";
            EXPECT_TRUE(engine) << what << ": Krita read its engine as "
                                << engines[entry.fileName].toStdString();
            EXPECT_TRUE(tips) << what << " names a tip or pattern Krita does not have";
            kept += listed && engine && tips;

            const BrushPreset& source = *pack.sources[entry.source]->preset();
            const auto scattering = source.settings.scattering;
            const double spacing =
                std::clamp(source.tip.spacing.value_or(25) /
                               (scattering ? std::max(1.0, scattering->count) : 1),
                           1.0, 1000.0);
            EXPECT_NEAR(kpp->tip[QStringLiteral("spacing")].toDouble(), spacing / 100, 1e-5)
                << what;
            EXPECT_EQ(kpp->tip[QStringLiteral("angle")].toDouble(), 0) << what;
            if (kpp->tip[QStringLiteral("type")] == QLatin1String("auto_brush")) {
                EXPECT_NEAR(kpp->tip[QStringLiteral("diameter")].toDouble(), source.tip.diameter,
                            1e-3)
                    << what;
                EXPECT_NEAR(kpp->tip[QStringLiteral("ratio")].toDouble(),
                            std::clamp(source.tip.roundness, 1.0, 100.0) / 100, 1e-5)
                    << what;
            } else {
                // Only a tip written smaller than its preset is enlarged.
                EXPECT_GE(kpp->tip[QStringLiteral("scale")].toDouble(), 1) << what;
            }
            const auto sensed = [&](const QString& option, const Dynamic& dynamic) {
                for (const QString& id : ExpectedSensors(dynamic)) {
                    EXPECT_TRUE(kpp->sensors(option).contains(id))
                        << what << ": " << option.toStdString() << " without " << id.toStdString();
                }
            };
            if (const auto& shape = source.settings.shapeDynamics)
                sensed(QStringLiteral("Size"), shape->size);
            if (const auto& transfer = source.settings.transfer) {
                sensed(QStringLiteral("Opacity"), transfer->opacity);
                sensed(QStringLiteral("Flow"), transfer->flow);
            }
            for (const SettingFate& f : pack.brushes[entry.source].settings)
                ++fates[f.group][size_t(f.fate)];
        }
    int inFiles = 0;
    for (const BrushPack& pack : packs)
        for (const BrushPtr& brush : pack.sources)
            inFiles += brush->preset() && brush->preset()->isPreset;
    std::cout << "Krita kept " << kept << " of the " << inFiles << " presets in the test files ("
              << presets << " written as paint presets); settings by group:\n";
    for (const auto& [group, counts] : fates)
        std::cout << "  " << group.toStdString() << ": " << counts[0] << " kept, " << counts[1]
                  << " approximated, " << counts[2] << " not carried\n";
}

TEST(KritaLoadsBundle, EveryBrushPatternAndPresetArrivesUnderItsOwnName)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "Krita judges the bundle's contents, which the ordinary build already checks";
#endif
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    const QString runner = QStandardPaths::findExecutable(QStringLiteral("kritarunner"));
    if (runner.isEmpty())
        GTEST_SKIP() << "kritarunner is not installed (apt-get install --no-install-recommends "
                        "krita python3-pyqt5), so Krita cannot judge the bundle";

    // Every kind of file Kelbrin reads, one bundle each, all in Krita's resource folder.
    Sandbox sandbox;
    const QString data = sandbox.path(QStringLiteral("data"));
    int brushCount = 0;
    std::vector<BrushPack> packs = JudgePacks(sandbox, PackTarget::Krita, &brushCount);
    packs.push_back(PatternJudgePack(PackTarget::Krita));
    brushCount += int(packs.back().sources.size());
    for (BrushPack& pack : packs) {
        pack.sourceSha256 = QByteArray(64, 'e'); // Kelbrin's mark goes in meta.xml as well
        ASSERT_EQ(WritePackBundle(pack, data + QStringLiteral("/kritarunner"), pack.name,
                                  PackPreviewStroke)
                      .status,
                  PackWriteResult::Status::Written);
    }
    sandbox.write(QStringLiteral("kelbrin_list_brushes.py"), kListBrushes);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [variable, folder] : {std::pair{"HOME", "home"},
                                           {"XDG_DATA_HOME", "data"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"PYTHONPATH", ""}})
        environment.insert(QString::fromLatin1(variable),
                           sandbox.path(QString::fromLatin1(folder)));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess krita;
    krita.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    krita.start(runner, {QStringLiteral("-s"), QStringLiteral("kelbrin_list_brushes")});
    if (!krita.waitForFinished(kKritaTimeoutMs)) {
        krita.kill();
        krita.waitForFinished();
        FAIL() << "kritarunner did not finish within " << kKritaTimeoutMs / 1000 << " s";
    }
    const QByteArray out = krita.readAllStandardOutput();
    const QByteArray log = krita.readAllStandardError();
    std::cout << "kritarunner took " << clock.elapsed() << " ms\n";

    ASSERT_GE(out.indexOf("KELBRIN-PATTERNS "), 0) << "the script printed nothing; Krita said:\n"
                                                   << log.right(3000).toStdString();
    // Krita keys its lists by name, so a name that several packs share counts once.
    std::map<QString, QSize> loaded = Listed(out, "KELBRIN-BRUSHES ");
    const std::map<QString, QSize> patterns = Listed(out, "KELBRIN-PATTERNS ");
    for (const PatternCase& c : MadeUpPatterns()) {
        const QString name = c.pattern->displayName();
        EXPECT_TRUE(patterns.count(name)) << name.toStdString() << " is missing";
        if (patterns.count(name)) {
            EXPECT_EQ(patterns.at(name), QSize(2, 1)) << name.toStdString();
        }
    }
    // Krita reads a .pat's name byte by byte as Latin-1: the UTF-8 of "�" comes back as "ï¿½".
    for (const PatternRecordDescription& p : AwkwardPatterns()) {
        const QString name =
            QString::fromLatin1(ValidName(p.name, GimpPatternFile::kMaxNameBytes).toUtf8());
        EXPECT_TRUE(patterns.count(name)) << name.toStdString() << " is missing";
    }
    const std::map<QString, int> names = NamesInside(packs);
    int kept = 0;
    for (const auto& [name, count] : names) {
        EXPECT_TRUE(loaded.count(name)) << name.toStdString() << " is missing; Krita said:\n"
                                        << log.right(3000).toStdString();
        kept += loaded.count(name) ? count : 0;
    }
    std::cout << "Krita loaded " << kept << " of the " << brushCount
              << " brushes Kelbrin read from " << packs.size() << " files (" << names.size()
              << " different names)\n";
    for (const BrushPack& pack : packs)
        for (size_t i = 0; i < pack.entries.size(); ++i) {
            if (!pack.entries[i].isBrush())
                continue;
            const auto gbr = GimpBrushFile::read(pack.entryBytes(i));
            if (gbr && loaded.count(gbr->name) && names.at(gbr->name) == 1) {
                EXPECT_EQ(loaded[gbr->name], gbr->tip.size()) << gbr->name.toStdString();
            }
        }
    JudgePresets(packs, out, log);
}

} // namespace

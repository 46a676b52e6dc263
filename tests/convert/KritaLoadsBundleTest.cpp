// Krita itself judges the bundles: kritarunner (Debian's krita package) starts Krita's
// libraries without a screen, loads the bundles in its resource folder and runs a Python
// function, here one that lists every brush Krita knows.
#include "JudgeFiles.h"
#include "actions/BrushInstaller.h"
#include "convert/GimpPatternFile.h"
#include "platform/ValidName.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

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

def __main__(args):
    print('KELBRIN-BRUSHES ' + listed('brush'))
    print('KELBRIN-PATTERNS ' + listed('pattern'))
)";

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

TEST(KritaLoadsBundle, EveryBrushAndPatternArrivesUnderItsOwnName)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "Krita judges the bundle's contents, which the ordinary build already checks";
#endif
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
            const auto gbr = GimpBrushFile::read(pack.entryBytes(i));
            if (gbr && loaded.count(gbr->name) && names.at(gbr->name) == 1) {
                EXPECT_EQ(loaded[gbr->name], gbr->tip.size()) << gbr->name.toStdString();
            }
        }
}

} // namespace

// Krita itself judges the bundles: kritarunner (Debian's krita package) starts Krita's
// libraries without a screen, loads the bundles in its resource folder and runs a Python
// function, here one that lists every brush Krita knows.
#include "convert/GimpBrushFile.h"
#include "convert/KritaBundle.h"

#include "support/TestUtil.h"

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

def __main__(args):
    brushes = []
    for name, resource in Krita.instance().resources('brush').items():
        image = resource.image()
        brushes.append({'name': name, 'width': image.width(), 'height': image.height()})
    print('KELBRIN-BRUSHES ' + json.dumps(brushes))
)";

QImage Tip(int width, int height)
{
    QImage tip(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            tip.scanLine(y)[x] = uchar(255 - (x * 11 + y * 5) % 200);
    return tip;
}

TEST(KritaLoadsBundle, EveryBrushArrivesUnderItsOwnName)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "Krita judges the bundle's contents, which the ordinary build already checks";
#endif
    const QString runner = QStandardPaths::findExecutable(QStringLiteral("kritarunner"));
    if (runner.isEmpty())
        GTEST_SKIP() << "kritarunner is not installed (apt-get install --no-install-recommends "
                        "krita python3-pyqt5), so Krita cannot judge the bundle";

    const std::map<QString, QSize> brushes{{QStringLiteral("Kelbrin Chalk"), {5, 3}},
                                           {QStringLiteral("Ünïcødé 筆"), {17, 9}},
                                           {QStringLiteral("Ink & \"Quotes\" <1>"), {32, 32}},
                                           {QStringLiteral("Spray \U0001F58C"), {1, 40}}};
    KritaBundle::Contents pack;
    pack.title = QStringLiteral("Kelbrin Pack 筆");
    for (const auto& [name, size] : brushes) {
        pack.resources.push_back(
            {QStringLiteral("brushes"),
             QStringLiteral("%1 %2.gbr")
                 .arg(pack.resources.size() + 1, 3, 10, QChar(u'0'))
                 .arg(name),
             GimpBrushFile::write({name, Tip(size.width(), size.height()), 25})});
    }

    Sandbox sandbox;
    const QString data = sandbox.path(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(data + QStringLiteral("/kritarunner")));
    QString error;
    ASSERT_TRUE(KritaBundle::write(data + QStringLiteral("/kritarunner/Kelbrin Pack 筆.bundle"),
                                   pack, &error))
        << error.toStdString();
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

    const qsizetype at = out.indexOf("KELBRIN-BRUSHES ");
    ASSERT_GE(at, 0) << "the script printed nothing; Krita said:\n"
                     << log.right(3000).toStdString();
    const QByteArray json = out.mid(at + 16, out.indexOf('\n', at) - at - 16);
    std::map<QString, QSize> loaded;
    for (const QJsonValue& brush : QJsonDocument::fromJson(json).array()) {
        const QJsonObject o = brush.toObject();
        loaded[o[u"name"].toString()] = QSize(o[u"width"].toInt(), o[u"height"].toInt());
    }
    for (const auto& [name, size] : brushes) {
        ASSERT_TRUE(loaded.count(name)) << name.toStdString() << " is missing; Krita said:\n"
                                        << log.right(3000).toStdString();
        EXPECT_EQ(loaded[name], size) << name.toStdString();
    }
}

} // namespace

#include "cli/CliCommands.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include "CliRun.h"
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {
CliRun RunJsonList(const QStringList& args)
{
    return RunCli(RunListCommand, args);
}

QByteArray TwoBrushJsonFile(uint16_t version = 2)
{
    AbrWriter w;
    w.u16(version).u16(2);
    w.sampledRecord(version == 2, QStringLiteral("Cha\u00e9lk"), 0, 0, 21, 33, 8, true,
                    PackBits(QByteArray(33 * 21, 9)));
    w.computedRecord(version == 2, QString(), 20, 100, 0, 100);
    return w.data();
}
} // namespace

TEST(ListCommandJson, JsonDocumentHasTheAgreedShape)
{
    Sandbox box;
    const QString path = box.write("x.abr", TwoBrushJsonFile(1));
    const CliRun run = RunJsonList({"--json", path});
    ASSERT_EQ(run.status, 0) << qPrintable(run.err);
    const QJsonObject doc = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonArray files = doc["files"].toArray();
    ASSERT_EQ(files.size(), 1);
    const QJsonObject file = files[0].toObject();
    EXPECT_EQ(file["path"].toString(), path);
    EXPECT_TRUE(file["finished"].toBool());
    EXPECT_TRUE(file["error"].isNull());
    const QJsonArray brushes = file["brushes"].toArray();
    ASSERT_EQ(brushes.size(), 2);
    const QJsonObject sampled = brushes[0].toObject();
    EXPECT_EQ(sampled["kind"].toString(), "sampled");
    EXPECT_TRUE(sampled["name"].isNull());
    EXPECT_EQ(sampled["width"].toInt(), 33);
    EXPECT_EQ(sampled["height"].toInt(), 21);
    EXPECT_EQ(sampled["depth"].toInt(), 8);
    // SHA-256 of 693 bytes of 9.
    EXPECT_EQ(sampled["pixels_sha256"].toString(),
              QCryptographicHash::hash(QByteArray(693, 9), QCryptographicHash::Sha256).toHex());
    const QJsonObject computed = brushes[1].toObject();
    EXPECT_EQ(computed["index"].toInt(), 1);
    EXPECT_EQ(computed["kind"].toString(), "computed");
    EXPECT_TRUE(computed["name"].isNull());
    EXPECT_FALSE(computed.contains("depth"));
    EXPECT_EQ(computed["width"].toInt(), 20);
}

// A name is given as people read it; the stored text follows only where it differs.
TEST(ListCommandJson, NamesAreReadableAndTheStoredTextFollowsWhenItDiffers)
{
    AbrWriter w;
    w.u16(2).u16(3);
    for (const QString& name : {QStringLiteral("Soft Round") + QChar(0),
                                QStringLiteral("a") + QChar(0) + u'b', QStringLiteral("Plain")})
        w.computedRecord(true, name, 20, 100, 0, 100);
    Sandbox box;
    const CliRun run = RunJsonList({"--json", box.write("z.abr", w.data())});
    ASSERT_EQ(run.status, 0) << qPrintable(run.err);
    const QJsonArray brushes = QJsonDocument::fromJson(run.out.toUtf8())
                                   .object()["files"]
                                   .toArray()[0]
                                   .toObject()["brushes"]
                                   .toArray();
    ASSERT_EQ(brushes.size(), 3) << qPrintable(run.out);
    EXPECT_EQ(brushes[0].toObject()["name"].toString(), QStringLiteral("Soft Round"));
    EXPECT_EQ(brushes[0].toObject()["stored_name"].toString(),
              QStringLiteral("Soft Round") + QChar(0));
    // A zero inside a name is kept: only a terminating one is not part of what people read.
    EXPECT_EQ(brushes[1].toObject()["name"].toString(), QStringLiteral("a") + QChar(0) + u'b');
    EXPECT_FALSE(brushes[1].toObject().contains("stored_name"));
    EXPECT_EQ(brushes[2].toObject()["name"].toString(), QStringLiteral("Plain"));
    EXPECT_FALSE(brushes[2].toObject().contains("stored_name"));
}

TEST(ListCommandJson, FailuresAreReportedPerFileAndTheOthersStillRun)
{
    Sandbox box;
    const QString good = box.write("good.abr", TwoBrushJsonFile());
    QByteArray damaged = TwoBrushJsonFile();
    damaged.chop(3);
    const QString bad = box.write("bad.abr", damaged);
    const CliRun run = RunJsonList({"--json", "/nonexistent/missing.abr", bad, good});
    EXPECT_EQ(run.status, 1);
    const QJsonArray files = QJsonDocument::fromJson(run.out.toUtf8()).object()["files"].toArray();
    ASSERT_EQ(files.size(), 3);
    const QJsonObject missing = files[0].toObject();
    EXPECT_FALSE(missing["finished"].toBool());
    EXPECT_EQ(missing["error"].toObject()["code"].toInt(), -ENOENT);
    const QJsonObject broken = files[1].toObject();
    EXPECT_TRUE(broken["finished"].toBool());
    EXPECT_EQ(broken["error"].toObject()["code"].toInt(), -1);
    EXPECT_EQ(broken["brushes"].toArray().size(), 1);
    EXPECT_TRUE(files[2].toObject()["error"].isNull());
}

#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/MadeUpHome.h"

#include "CliRun.h"
#include "cli/CliCommands.h"
#include "platform/NativePath.h"

#include <QDir>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

// The commands through one library in a made-up home: a folder catalogued twice, a brush found
// by a folded name, a copied file found twice over, tags given and taken.
TEST(LibraryCommands, CatalogueSearchDuplicatesAndTags)
{
    MadeUpHome home;
    const QByteArray inks = SampledBrushFile({{QStringLiteral("Éclat Sec"), 10, 8}});
    const QString folder = QDir(home.folder(QStringLiteral("brushes"))).canonicalPath();
    const QString a = home.file(QStringLiteral("brushes/Inks.abr"), inks);
    // A name that is not UTF-8 comes back in the output as the bytes it is (QFile would write
    // another name).
    const QString b = folder + PathFromNative(QByteArray("/Inks \xe9.abr"));
    std::ofstream(PathToNative(b).constData()) << inks.toStdString();

    CliRun run = RunCli(RunCatalogueCommand, {folder});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "2 files looked at: 2 read (0 not to the end), 0 unchanged, 0 not written, "
                       "0 removed\n"
                       "library: 2 files, 2 brushes\n");
    run = RunCli(RunCatalogueCommand, {QStringLiteral("--json"), folder});
    EXPECT_TRUE(
        run.out.startsWith("{\"checked\": 2, \"read\": 0, \"failed\": 0, \"unchanged\": 2,"))
        << qPrintable(run.out);

    run = RunCli(RunSearchCommand, {QStringLiteral("ECLAT")});
    EXPECT_EQ(run.out.count(QStringLiteral(": 0 sampled 10x8 Éclat Sec\n")), 2)
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Inks \\xe9.abr")));
    run = RunCli(RunSearchCommand, {QStringLiteral("--json"), QStringLiteral("sec")});
    EXPECT_TRUE(run.out.contains(QStringLiteral("Inks \\udce9.abr\", \"index\": 0, \"kind\": "
                                                "\"sampled\", \"name\": \"\\u00c9clat Sec\"")))
        << qPrintable(run.out);

    run = RunCli(RunDuplicatesCommand, {});
    EXPECT_TRUE(run.out.startsWith(
        QStringLiteral("identical files:\n  %1/Inks \\xe9.abr\n  %2\n").arg(folder, a)))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QStringLiteral("identical tips:\n")));

    EXPECT_EQ(RunCli(RunTagCommand, {a, QStringLiteral("ink"), QStringLiteral("dry")}).status, 0);
    EXPECT_EQ(RunCli(RunTagsCommand, {}).out, "dry (2)\nink (2)\n"); // the copy shares them
    EXPECT_EQ(RunCli(RunUntagCommand, {b, QStringLiteral("dry")}).status, 0);
    EXPECT_EQ(RunCli(RunTagsCommand, {QStringLiteral("--json")}).out,
              "{\"tags\": [{\"tag\": \"ink\", \"files\": 2}]}\n");
    EXPECT_EQ(RunCli(RunTagsCommand, {QStringLiteral("dry")}).out, "");

    run = RunCli(RunTagCommand, {home.path(QStringLiteral("missing.abr")), QStringLiteral("x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("missing.abr: no such file")))
        << qPrintable(run.err);
    EXPECT_EQ(RunCli(RunTagCommand, {a}).status, 2);
    unlink(PathToNative(b).constData()); // a name the temporary folder's clean-up cannot make
}

// Without a library every command says why and fails; a damaged one is set aside, said so once,
// and the command that found it fails rather than answer from the new, empty one.
TEST(LibraryCommands, SayWhenThereIsNoLibrary_AndWhenOneWasSetAside)
{
    MadeUpHome home;
    qputenv("XDG_DATA_HOME", PathToNative(home.file(QStringLiteral("data"), "not a folder")));
    CliRun run = RunCli(RunSearchCommand, {QStringLiteral("x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("kelbrin-cli search: The brush library is off")))
        << qPrintable(run.err);

    qputenv("XDG_DATA_HOME", PathToNative(home.folder(QStringLiteral("share"))));
    home.file(QStringLiteral("share/kelbrin/library.sqlite"), QByteArray(4096, 'x'));
    run = RunCli(RunTagsCommand, {});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("set aside as "))) << qPrintable(run.err);
    run = RunCli(RunTagsCommand, {});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty()) << qPrintable(run.err);
}

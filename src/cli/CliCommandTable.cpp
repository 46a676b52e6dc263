#include "cli/CliCommands.h"

#include <QCoreApplication>

namespace {
bool Never(const QStringList&)
{
    return false;
}

bool Always(const QStringList&)
{
    return true;
}

// A switch between files is made as the window makes it, on a working thread.
bool SwitchesFiles(const QStringList& args)
{
    for (const QString& arg : args)
        if (arg.startsWith(QLatin1String("--switch-after")))
            return true;
    return false;
}
} // namespace

const std::vector<CliCommand>& CliCommandTable()
{
    static const std::vector<CliCommand> table{
        {"list", RunListCommand, SwitchesFiles,
         "list [--json] [--tips] FILE...\nlist [--json] [--tips] --switch-after N FILE1 FILE2",
         QT_TRANSLATE_NOOP("kelbrin-cli", "read brush files and list their brushes")},
        {"export", RunExportCommand, Never, "export [--transparent] [--names] [--strokes] FILE DIR",
         QT_TRANSLATE_NOOP(
             "kelbrin-cli",
             "write the brushes of FILE (tips, or strokes) as PNG files into a new folder")},
        {"stroke", RunStrokeCommand, Never,
         "stroke FILE [--brush N|--name TEXT] [--size WxH]\n"
         "       [--path s|line|FILE.json] [--seed N] --out PNG",
         QT_TRANSLATE_NOOP("kelbrin-cli",
                           "paint a brush's stroke in black on white into a PNG file")},
        {"convert", RunConvertCommand, Never,
         "convert --to gimp|krita [--out DIR] [--json] FILE...",
         QT_TRANSLATE_NOOP("kelbrin-cli",
                           "write each file's brushes in GIMP's or Krita's own formats")},
        {"tree", RunTreeCommand, Always,
         "tree [--depth-first] [--full] [--limited DIR]... [--always DIR]...\n"
         "     [--exclude DIR]... [--restrict DIR]... [--script FILE] PATH...",
         QT_TRANSLATE_NOOP("kelbrin-cli", "show brush files as the folder outline shows them")},
        {"find", RunFindCommand, Always,
         "find [--watch] [--seconds N] [--json] [--stalls] [FOLDER...]",
         QT_TRANSLATE_NOOP("kelbrin-cli", "find brush files (everywhere, or below the folders)")},
        {"apps", RunAppsCommand, Always, "apps [--json]",
         QT_TRANSLATE_NOOP("kelbrin-cli", "list the installed painting applications")},
        {"install", RunInstallCommand, Always, "install FILE",
         QT_TRANSLATE_NOOP("kelbrin-cli",
                           "copy a brush file into every application's brushes folder")},
        {"trash", RunTrashCommand, Always, "trash [--yes] FILE...",
         QT_TRANSLATE_NOOP("kelbrin-cli",
                           "move files to the trash (--yes: delete those no trash takes)")},
        // The library's commands open a database, whose driver Qt loads as a plugin only under
        // an application object.
        {"catalogue", RunCatalogueCommand, Always, "catalogue [--json] [FOLDER...]",
         QT_TRANSLATE_NOOP(
             "kelbrin-cli",
             "bring the brush library up to date (everywhere, or below the folders)")},
        {"search", RunSearchCommand, Always, "search [--json] TEXT",
         QT_TRANSLATE_NOOP("kelbrin-cli", "list the library's brushes whose names hold TEXT")},
        {"duplicates", RunDuplicatesCommand, Always, "duplicates [--json]",
         QT_TRANSLATE_NOOP("kelbrin-cli",
                           "list identical files and tips found in more than one file")},
        {"tag", RunTagCommand, Always, "tag FILE TAG...",
         QT_TRANSLATE_NOOP("kelbrin-cli", "give a file tags")},
        {"untag", RunUntagCommand, Always, "untag FILE TAG...",
         QT_TRANSLATE_NOOP("kelbrin-cli", "take tags from a file")},
        {"tags", RunTagsCommand, Always, "tags [--json] [TAG]",
         QT_TRANSLATE_NOOP("kelbrin-cli", "list the tags, or the files with TAG")},
    };
    return table;
}

const CliCommand* FindCliCommand(const QString& name)
{
    for (const CliCommand& command : CliCommandTable())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

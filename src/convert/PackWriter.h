#pragma once

#include "convert/BrushPack.h"
#include "platform/Trash.h"

#include <QString>

// Puts a pack on disk whole or not at all: everything is written under a temporary name beside
// the destination and renamed into place at the end, never over something already there.
struct PackWriteResult
{
    enum class Status
    {
        Written,
        AlreadyExists,
        Failed,
    };
    Status status = Status::Failed;
    QString path;  // what was (or would have been) written
    QString error; // why it failed, in words
};

// Where a pack of that name goes in folder: a folder for GIMP, a .bundle for Krita.
QString PackDestination(const QString& folder, const QString& packName, PackTarget target);

// GIMP keeps patterns, dynamics and tool presets in folders beside its brushes folder: for a
// pack folder <gimp>/brushes/<pack>, <gimp>/patterns/<pack>, <gimp>/dynamics/<pack> and
// <gimp>/tool-presets/<pack> (GIMP 3 names its folders as 2.10 does). Whatever moves or removes
// a GIMP pack takes these along when they are there (TrashPack).
QString PackCompanionFolder(const QString& packFolder, const QString& mediaType);
QString PackPatternsFolder(const QString& packFolder);
// The media types of those folders: patterns, dynamics, tool-presets.
const QStringList& PackCompanionTypes();
// The companion folder of mediaType that goes with the folder packFolder: "" unless
// packFolder lies in a folder called "brushes", as every GIMP pack does, and the companion is
// there, so that nothing reaches beside some other folder.
QString ExistingPackCompanionFolder(const QString& packFolder, const QString& mediaType);
QString ExistingPackPatternsFolder(const QString& packFolder);

// Moves a pack to the trash: a Krita bundle, or a GIMP pack folder together with each of its
// existing companion folders that carries Kelbrin's mark (PackMark). The result is the pack's
// own; companions that could not follow it are said in its reason.
Trash::Result TrashPack(const QString& path, const Trash::AskToDelete& askToDelete = nullptr);

// GIMP: the folder folder/<pack>/ holding the pack's brushes (GIMP's brush folders take
// subfolders, and name a tag after each) and, for the pack's patterns, dynamics and tool
// presets, the companion folders PackCompanionFolder() names. All appear or none does; any
// one already there that is not an earlier companion of ours stops the pack.
PackWriteResult WritePackFolder(const BrushPack& pack, const QString& folder);
// Krita: the resource bundle folder/<pack>.bundle. Its preview shows what previewPainter
// paints of the first brushes, or their tips without one (PackPreview). GIMP shows no picture
// of a brushes folder, so its packs have none.
PackWriteResult WritePackBundle(const BrushPack& pack, const QString& folder,
                                const QString& sourcePath,
                                const PackPreviewPainter& previewPainter = {});

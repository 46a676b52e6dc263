#pragma once

#include "convert/BrushPack.h"

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

// GIMP: the folder folder/<pack>/ holding the pack's files (GIMP's brush folders take
// subfolders, and name a tag after each).
PackWriteResult WritePackFolder(const BrushPack& pack, const QString& folder);
// Krita: the resource bundle folder/<pack>.bundle.
PackWriteResult WritePackBundle(const BrushPack& pack, const QString& folder,
                                const QString& sourcePath);

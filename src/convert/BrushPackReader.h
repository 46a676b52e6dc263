#pragma once

#include "abr/CBrushSink.h"

#include <QString>

// Reads back a pack that Kelbrin wrote for GIMP or Krita, with the writers' own readers, so the
// user sees what an application was given: a GIMP pack is a folder of .gbr and .vbr files, a
// Krita pack a resource bundle of .gbr files and the paint presets (.kpp) that paint with them.
// Each tip becomes a brush, in file-name order, which is the order of the brush file they came
// from, with the name, size, spacing, angle and dynamics of the .kpp that paints with it (a tip
// only a preset's masking brush uses is no brush of its own); the .pat files (in the bundle, or in
// ExistingPackPatternsFolder()) become patterns, after the brushes. Errors are thrown
// as int, like the brush-file reader's, after the sink has been told; an entry that cannot be read
// is passed over and the read ends as damaged.
class BrushPackReader
{
public:
    // Whether path is read as a pack rather than as a brush file: a folder or a ".bundle".
    static bool isPackPath(const QString& path);

    // Throws when there is nothing at path to read.
    explicit BrushPackReader(QString path);

    void Read(CBrushSink& sink);

private:
    QString mPath;
    bool mBundle = false;
};

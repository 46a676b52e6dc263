#pragma once

#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"

#include <QSqlQuery>
#include <QVariant>
#include <functional>

// Words that made-up brush names are put together from.
inline const char* const kWords[] = {"Dry",      "Ink",      "Soft",  "Round", "Chalk",
                                     "Splatter", "Grass",    "Cloud", "Smoke", "Pencil",
                                     "Wet",      "Bristle",  "Leaf",  "Star",  "Grunge",
                                     "Spray",    "Charcoal", "Water", "Oil",   "Texture"};

// Fills an open library with brushes made straight in SQL, far faster than cataloguing files:
// files of brushesPerFile brushes each, brush n named name(n). afterBrush(id, n) runs after
// each brush's row is written, for rows of other tables that refer to it.
inline void FillMadeUpLibrary(CLibraryConnection& c, int brushes, int brushesPerFile,
                              const std::function<QString(int)>& name,
                              const std::function<void(const QVariant&, int)>& afterBrush = {})
{
    QSqlQuery file = c.prepare(
        QStringLiteral("INSERT INTO files(path, size, mtime, inode, device, sha256, brush_count)"
                       " VALUES(?, 0, 0, 0, 0, ?, ?)"));
    QSqlQuery brush = c.prepare(QStringLiteral(
        "INSERT INTO brushes(file_id, position, name, folded_name, kind, width, height, depth,"
        " tip_hash) VALUES(?, ?, ?, ?, 0, 100, 100, 8, ?)"));
    for (int f = 0; f < brushes / brushesPerFile; ++f) {
        file.bindValue(
            0,
            QStringLiteral("/home/someone/Brushes/Set %1/pack %2.abr").arg(f / 50).arg(f).toUtf8());
        file.bindValue(1, QByteArray::number(f));
        file.bindValue(2, brushesPerFile);
        file.exec();
        const qint64 id = file.lastInsertId().toLongLong();
        for (int i = 0; i < brushesPerFile; ++i) {
            const int n = f * brushesPerFile + i;
            const QString named = name(n);
            brush.bindValue(0, id);
            brush.bindValue(1, i);
            brush.bindValue(2, named);
            brush.bindValue(3, FoldedName(named));
            brush.bindValue(4, QByteArray::number(n));
            brush.exec();
            if (afterBrush)
                afterBrush(brush.lastInsertId(), n);
        }
    }
}

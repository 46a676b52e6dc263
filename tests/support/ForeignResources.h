#pragma once

#include <QByteArray>
#include <QString>

// What GIMP and Krita keep in a home folder without Kelbrin: for the tests of what Kelbrin must
// leave alone.

// A .gbr with one 4 x 4 tip named name, as any GIMP brush file.
QByteArray SmallGbr(const QString& name);

// A bundle as Krita writes its own (Krita_3_Default_Resources and the like): meta.xml's
// generator generator, a .gbr tip named "Foreign Tip", a .png tip and a paint-op preset, and
// its mimetype entry last.
// Returns path.
QString WriteKritaOwnBundle(const QString& path,
                            const QString& generator = QStringLiteral("Krita (5.1.5)"));

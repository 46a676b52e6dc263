#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Whole brush files of versions 1 and 2 for the reading tests: sampled 8-bit brushes with
// run-length rows, named "<prefix> <index>" in version 2.
struct SampledBrushDescription
{
    QString name;
    int width;
    int height;
};

// Noise with runs mixed in, so that decoding takes a realistic share of literal and repeat
// frames; the same seed gives the same pixels.
QByteArray TestPixels(int width, int height, unsigned seed);

// A version-2 file of run-length sampled brushes.
QByteArray SampledBrushFile(const std::vector<SampledBrushDescription>& brushes);

// `count` brushes of one size named "<prefix> 0", "<prefix> 1", ...
std::vector<SampledBrushDescription> NamedBrushes(const QString& prefix, int count, int width,
                                                  int height);

// The same file cut inside the pixel data of brush `keep` (so brushes 0..keep-1 survive).
QByteArray TruncatedInBrush(const std::vector<SampledBrushDescription>& brushes, int keep);

// The names of the first count brushes, in file order.
QStringList BrushNames(const std::vector<SampledBrushDescription>& brushes, size_t count);

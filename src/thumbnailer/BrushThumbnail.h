#pragma once

#include "brush/Brush.h"

#include <QImage>
#include <QString>
#include <vector>

// The brushes a preview shows: at most `count` of them, in file order, each with an image.
// Reading stops as soon as there are enough. A read error after at least one brush still gives
// what came before it, as the window would show; an error before any brush is thrown on (int,
// or std::bad_alloc when the memory cap is hit).
// When firstPattern is given and the file has fewer brushes than asked for, it receives the
// file's first pattern, if there is one.
std::vector<BrushPtr> ReadFirstBrushes(const QString& path, size_t count,
                                       PatternPtr* firstPattern = nullptr);

// Black ink whose opacity is the brush's paint, on a transparent background, scaled to fit
// within size x size: the first brush alone when there is one, else a 2 x 2 sheet, one brush a
// cell, in reading order, with the rows that stay empty left out. A tip under 32 pixels is
// enlarged only by the whole factor that a 32-pixel one would fill the space with, pixels kept
// square, and centred (a lone one in a size x size square).
QImage BrushThumbnail(const std::vector<BrushPtr>& brushes, int size);

// A file of patterns only is shown by its first pattern, in its colours, scaled to fit within
// size x size (never enlarged).
QImage PatternThumbnail(const Pattern& pattern, int size);

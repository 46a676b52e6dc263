#pragma once

#include <QStringList>

class QAbstractItemModel;

// An outline's rows with every folder opened, depth first, two spaces of indent per level: a
// file as its label, a folder as its label, "/", a blank and its file count in parentheses
// (the root of the full view as "/" alone) — the same text `kelbrin-cli tree` prints.
QStringList OutlineDumpRows(const QAbstractItemModel& model);

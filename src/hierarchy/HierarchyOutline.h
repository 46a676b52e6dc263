#pragma once

#include <QStringList>

class CFileHierarchy;

// The rows an outline of the hierarchy shows, depth first, each indented by two spaces per
// level: a file as its file-system name, a folder as its name, "/", a blank and its number of
// files in parentheses. The normal view starts from the top-level nodes and descends through
// visible children; the full view starts from the volume nodes (the root shown as "/") and
// descends through every child but the volumes folder.
QStringList HierarchyOutlineRows(const CFileHierarchy& hierarchy, bool fullView);

#include "hierarchy/HierarchyOutline.h"

#include "hierarchy/CFileHierarchy.h"

namespace {

void AppendRows(const CFileSystemNode& node, bool fullView, int level, bool isViewRoot,
                QStringList& rows)
{
    const QString indent(2 * level, QLatin1Char(' '));
    if (!node.IsDirectory()) {
        rows << indent + node.SystemName();
        return;
    }
    if (fullView && isViewRoot && !node.HasParent())
        rows << indent + QStringLiteral("/");
    else
        rows << indent + node.SystemName() + QStringLiteral("/ (") +
                    QString::number(node.CountDescendantFiles(fullView)) + QLatin1Char(')');
    if (fullView) {
        for (size_t i = 0, n = node.CountChildrenExcludingVolumes(); i < n; ++i) {
            if (const CFileSystemNodePtr child = node.ChildExcludingVolumes(i))
                AppendRows(*child, fullView, level + 1, false, rows);
        }
    } else {
        for (size_t i = 0, n = node.VisibleChildCount(); i < n; ++i) {
            if (const CFileSystemNodePtr child = node[i])
                AppendRows(*child, fullView, level + 1, false, rows);
        }
    }
}

} // namespace

QStringList HierarchyOutlineRows(const CFileHierarchy& hierarchy, bool fullView)
{
    QStringList rows;
    if (fullView) {
        for (size_t i = 0, n = hierarchy.VolumeNodeCount(); i < n; ++i) {
            if (const CFileSystemNode* node = hierarchy.VolumeNode(i))
                AppendRows(*node, true, 0, true, rows);
        }
    } else {
        for (size_t i = 0, n = hierarchy.TopLevelNodeCount(); i < n; ++i) {
            if (const CFileSystemNode* node = hierarchy.TopLevelNode(i))
                AppendRows(*node, false, 0, true, rows);
        }
    }
    return rows;
}

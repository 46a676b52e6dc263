#pragma once

#include "hierarchy/CPathComponent.h"
#include "platform/ucstring.h"

#include <QString>
#include <boost/intrusive_ptr.hpp>
#include <string_view>
#include <vector>

using ucstring_view = std::basic_string_view<unsigned short>;

// Names one file-system item inside the browsable hierarchy: an absolute path split into
// components, the name the file manager shows for it, and whether it is a folder and whether
// it is the volumes folder. It supplies the two orderings the model sorts by and the ancestry
// test the filters and visibility rules use.
//
// A hierarchy holds one descriptor per node, and most of a node's path is its parent's. So
// the components are kept as a chain of shared, immutable links (one per component, pointing
// at the one before) and descriptors built from one another share the links they have in
// common. Paths and components are assembled when asked for.
class CFSDescriptor
{
public:
    // Returned for a component index at or beyond the depth.
    static const ucstring zeroPath;

    // The root "/".
    CFSDescriptor();
    explicit CFSDescriptor(const QString& path);
    explicit CFSDescriptor(const ucstring& path);
    // directory, then "/" unless it already ends in one, then name.
    CFSDescriptor(const ucstring& directory, const ucstring& name);

    // The components of path and nothing else: the disk is not asked, so the flags keep their
    // initial values (a folder, not the volumes folder) and there is no display name. Enough
    // for walking a tree by component names.
    static CFSDescriptor ComponentsOnly(QStringView path);
    // The item `name` inside `directory` (directory's path, a "/", name, and a final "/" when
    // finalSlash), sharing directory's components and without asking the disk.
    static CFSDescriptor ChildOf(const CFSDescriptor& directory, ucstring_view name,
                                 bool finalSlash);
    // `item` with every component but its last replaced by `directory`'s, which must name the
    // same folder (equal paths but for a final "/"); flags and display name are item's.
    static CFSDescriptor Rebased(const CFSDescriptor& directory, const CFSDescriptor& item);
    // CFSDescriptor(path) for a path that names `name` inside `directory` (directory's path,
    // "/", name, perhaps a final "/"), sharing directory's components; without a directory
    // CFSDescriptor(path) itself. knownFile: the caller knows an existing file lies there, and
    // the disk is not asked.
    static CFSDescriptor InDirectory(const CFSDescriptor* directory, const QString& path,
                                     ucstring_view name, bool knownFile);

    bool IsDirectory() const { return mIsDirectory; }
    // Makes a folder that is shown as one item (a package) a file to the hierarchy.
    void TreatAsFile();
    bool IsVolumeDirectory() const { return mIsVolumeDirectory; }
    // Null when the item did not exist when the descriptor was made.
    QString DisplayName() const;
    ucstring FullPath() const;
    // The last component's name and the whole path as Qt strings, for display and for Qt's calls.
    QString SystemName() const;
    QString FullPathText() const;
    unsigned Depth() const;
    ucstring AncestorName(unsigned i) const;
    ucstring AncestorPath(unsigned i) const;
    CPathComponent PathComponent(unsigned i) const;
    // The file-system name without a copy; valid while this descriptor lives.
    ucstring_view NameView() const;
    // Every component's name, root first; valid while this descriptor lives.
    std::vector<ucstring_view> ComponentNames() const;

    // Decided by component names, case-sensitively; a final "/" never matters.
    bool IsAncestorOf(const CFSDescriptor& other) const;
    bool IsAncestorOfOrEquals(const CFSDescriptor& other) const;

    // Sorts by the shown name (locale-aware, case-insensitive), then by the path without a
    // final "/" (code unit by code unit). Named as in the hierarchy's design.
    bool compareByNameFirst(const CFSDescriptor& other) const;
    // Fewer components first, then compareByNameFirst.
    bool operator<(const CFSDescriptor& other) const;
    // compareByNameFirst and operator< as three-way comparisons: negative, zero (equivalent) or
    // positive.
    int NameFirstOrder(const CFSDescriptor& other) const;
    int DepthFirstOrder(const CFSDescriptor& other) const;
    // NameFirstOrder against ChildOf(directory, name, false), without making that
    // descriptor when this one already shares directory's components.
    int CompareWithChildOf(const CFSDescriptor& directory, ucstring_view name) const;
    // The component names CreatePathComponents would find in path, root first.
    static std::vector<ucstring_view> SplitComponentNames(ucstring_view path);

    // Builds the components and reads the item's kind and display name from the disk.
    void InitializeFromPath(const QString& path);
    void CreatePathComponents(const ucstring& path);
    // Moves the descriptor without asking the disk what the item is; the display name is
    // taken for the new path.
    void ResetPath(const QString& directory, const QString& name);
    // ResetPath(directory.FullPathText(), SystemName()), sharing directory's components.
    void ResetParent(const CFSDescriptor& directory);
    // Replaces the last component's name; no final "/" is added and the flags stay.
    void Rename(const QString& newName);
    // What InitializeFromPath does after building the components: asks the disk whether the
    // item exists and is a folder, and takes its display name.
    void ReadItemState();
    // The same, asking the disk about path, which must be this descriptor's path spelled out.
    void ReadItemStateAt(const QString& path);
    // What ReadItemStateAt finds for an item that exists, from a caller that already knows
    // what the item is (the search looked, on its own thread): the disk is not asked.
    void TakeItemState(const QString& path, bool isDirectory);

    struct Link;

private:
    struct Unread
    {
    };
    // No components yet and nothing read; every caller sets the components next.
    explicit CFSDescriptor(Unread) {}

    void BuildComponents(ucstring_view path);
    void AppendFinalSlash();
    bool NamesTheVolumesFolder() const;
    void TakeDisplayName(const QString& displayName);
    QStringView ShownName() const;

    boost::intrusive_ptr<const Link> mLast;
    // Null unless it differs from the file-system name (it rarely does), which mHasDisplayName
    // then stands for.
    QString mDisplayName;
    bool mHasDisplayName = false;
    bool mIsDirectory = true;
    bool mIsVolumeDirectory = false;

    friend void intrusive_ptr_add_ref(const Link* link);
    friend void intrusive_ptr_release(const Link* link);
};

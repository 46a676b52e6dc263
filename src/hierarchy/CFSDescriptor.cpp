#include "hierarchy/CFSDescriptor.h"

#include "platform/PathInfo.h"
#include "platform/VolumesFolder.h"

#include <QCollator>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <new>

// One component. Its path is the parent's path (or "/" when leadingSlash, which only a
// renamed one-component path has), the name, then "/" when slash. The name's code units
// follow the record in the same allocation.
struct CFSDescriptor::Link
{
    mutable std::atomic<std::uint32_t> refs{0};
    std::uint32_t depth = 1;
    const Link* parent = nullptr; // holds a reference
    std::uint32_t length = 0;
    bool slash = false;
    bool leadingSlash = false;

    const unsigned short* chars() const
    {
        return reinterpret_cast<const unsigned short*>(this + 1);
    }
    unsigned short* chars() { return reinterpret_cast<unsigned short*>(this + 1); }
    ucstring_view name() const { return ucstring_view(chars(), length); }
};

void intrusive_ptr_add_ref(const CFSDescriptor::Link* link)
{
    link->refs.fetch_add(1, std::memory_order_relaxed);
}

void intrusive_ptr_release(const CFSDescriptor::Link* link)
{
    // Iterative, so that letting go of a long chain does not recurse once per component.
    while (link && link->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        const CFSDescriptor::Link* parent = link->parent;
        link->~Link();
        ::operator delete(const_cast<CFSDescriptor::Link*>(link));
        link = parent;
    }
}

namespace {

using Link = CFSDescriptor::Link;
using LinkPtr = boost::intrusive_ptr<const Link>;

LinkPtr MakeLink(const Link* parent, ucstring_view name, bool slash, bool leadingSlash)
{
    void* memory = ::operator new(sizeof(Link) + name.size() * sizeof(unsigned short));
    Link* link = new (memory) Link;
    link->depth = parent ? parent->depth + 1 : 1;
    link->parent = parent;
    if (parent)
        intrusive_ptr_add_ref(parent);
    link->length = static_cast<std::uint32_t>(name.size());
    link->slash = slash;
    link->leadingSlash = leadingSlash;
    if (!name.empty())
        std::memcpy(link->chars(), name.data(), name.size() * sizeof(unsigned short));
    return LinkPtr(link);
}

size_t PathLength(const Link* link)
{
    size_t total = 0;
    for (; link; link = link->parent)
        total +=
            link->length + (link->slash ? 1 : 0) + (!link->parent && link->leadingSlash ? 1 : 0);
    return total;
}

// Writes the path of `link` backwards from the end of [out, out + total).
void WritePath(const Link* link, unsigned short* out, size_t total)
{
    size_t pos = total;
    for (; link; link = link->parent) {
        if (link->slash)
            out[--pos] = '/';
        pos -= link->length;
        if (link->length)
            std::memcpy(out + pos, link->chars(), link->length * sizeof(unsigned short));
        if (!link->parent && link->leadingSlash)
            out[--pos] = '/';
    }
}

ucstring PathOf(const Link* link)
{
    const size_t total = PathLength(link);
    ucstring path(total, 0);
    WritePath(link, path.data(), total);
    return path;
}

QString QPathOf(const Link* link)
{
    const size_t total = PathLength(link);
    QString path(static_cast<qsizetype>(total), Qt::Uninitialized);
    WritePath(link, reinterpret_cast<unsigned short*>(path.data()), total);
    return path;
}

const Link* AncestorLink(const Link* link, unsigned i)
{
    if (!link || i >= link->depth)
        return nullptr;
    while (link->depth > i + 1)
        link = link->parent;
    return link;
}

QStringView ViewOf(ucstring_view text)
{
    return QStringView(reinterpret_cast<const char16_t*>(text.data()),
                       static_cast<qsizetype>(text.size()));
}

ucstring_view ViewOf(QStringView text)
{
    return ucstring_view(reinterpret_cast<const unsigned short*>(text.utf16()),
                         static_cast<size_t>(text.size()));
}

// Collation keeps per-call state, so each thread gets its own collator.
const QCollator& ShownNameCollator()
{
    thread_local const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

ucstring PathWithoutFinalSlash(const Link* link)
{
    ucstring path = PathOf(link);
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

// The platform's default comparison of the two paths, each without one final "/".
int ComparePaths(const Link* a, const Link* b)
{
    // Siblings differ only after their common parent path.
    if (a->parent && a->parent == b->parent && a->length && b->length)
        return a->name().compare(b->name());
    return PathWithoutFinalSlash(a).compare(PathWithoutFinalSlash(b));
}

// A link that can stand as the folder part of a longer path: one that ends in "/". Null when
// the chain cannot be shared and the path has to be parsed again (only for paths that
// reading the components afresh would split differently).
LinkPtr AsFolder(const Link* link)
{
    if (!link->parent && link->leadingSlash)
        return LinkPtr();
    if (link->slash)
        return LinkPtr(link);
    return MakeLink(link->parent, link->name(), true, false);
}

struct VolumesFolderKey
{
    QString source;
    ucstring path; // with a final "/", as a folder's descriptor has it
    std::uint32_t depth = 0;
};

const VolumesFolderKey& CurrentVolumesFolder()
{
    thread_local VolumesFolderKey key;
    const QString source = VolumesFolderPath();
    if (key.depth == 0 || source != key.source) {
        key.source = source;
        assign(key.path, source);
        if (key.path.empty() || key.path.back() != '/')
            key.path.push_back('/');
        key.depth = 0;
        for (unsigned short unit : key.path)
            key.depth += unit == '/' ? 1 : 0;
    }
    return key;
}

} // namespace

const ucstring CFSDescriptor::zeroPath;

CFSDescriptor::CFSDescriptor()
{
    InitializeFromPath(QStringLiteral("/"));
}

CFSDescriptor::CFSDescriptor(const QString& path)
{
    InitializeFromPath(path);
}

CFSDescriptor::CFSDescriptor(const ucstring& path)
{
    QString text;
    assign(text, path);
    InitializeFromPath(text);
}

CFSDescriptor::CFSDescriptor(const ucstring& directory, const ucstring& name)
{
    ucstring joined = directory;
    if (joined.empty() || joined.back() != '/')
        joined.push_back('/');
    joined += name;
    QString text;
    assign(text, joined);
    InitializeFromPath(text);
}

CFSDescriptor CFSDescriptor::ComponentsOnly(QStringView path)
{
    CFSDescriptor d{Unread{}};
    d.BuildComponents(ViewOf(path));
    return d;
}

CFSDescriptor CFSDescriptor::ChildOf(const CFSDescriptor& directory, ucstring_view name,
                                     bool finalSlash)
{
    CFSDescriptor d{Unread{}};
    const LinkPtr folder = name.empty() ? LinkPtr() : AsFolder(directory.mLast.get());
    if (folder) {
        d.mLast = MakeLink(folder.get(), name, finalSlash, false);
        return d;
    }
    ucstring joined = directory.FullPath();
    if (joined.empty() || joined.back() != '/')
        joined.push_back('/');
    joined.append(name);
    if (finalSlash && joined.back() != '/')
        joined.push_back('/');
    d.BuildComponents(joined);
    return d;
}

CFSDescriptor CFSDescriptor::Rebased(const CFSDescriptor& directory, const CFSDescriptor& item)
{
    const Link* last = item.mLast.get();
    CFSDescriptor d = ChildOf(directory, last->name(), last->slash);
    d.mDisplayName = item.mDisplayName;
    d.mHasDisplayName = item.mHasDisplayName;
    d.mIsDirectory = item.mIsDirectory;
    d.mIsVolumeDirectory = item.mIsVolumeDirectory;
    return d;
}

QString CFSDescriptor::DisplayName() const
{
    if (!mHasDisplayName)
        return QString();
    if (!mDisplayName.isNull())
        return mDisplayName;
    return ViewOf(NameView()).toString();
}

ucstring CFSDescriptor::FullPath() const
{
    return PathOf(mLast.get());
}

QString CFSDescriptor::SystemName() const
{
    return ViewOf(NameView()).toString();
}

QString CFSDescriptor::FullPathText() const
{
    return QPathOf(mLast.get());
}

unsigned CFSDescriptor::Depth() const
{
    return mLast->depth;
}

ucstring CFSDescriptor::AncestorName(unsigned i) const
{
    const Link* link = AncestorLink(mLast.get(), i);
    return link ? ucstring(link->name()) : zeroPath;
}

ucstring CFSDescriptor::AncestorPath(unsigned i) const
{
    const Link* link = AncestorLink(mLast.get(), i);
    return link ? PathOf(link) : zeroPath;
}

CPathComponent CFSDescriptor::PathComponent(unsigned i) const
{
    const Link* link = AncestorLink(mLast.get(), i);
    if (!link)
        return CPathComponent();
    return CPathComponent{PathOf(link), ucstring(link->name())};
}

ucstring_view CFSDescriptor::NameView() const
{
    return mLast->name();
}

std::vector<ucstring_view> CFSDescriptor::ComponentNames() const
{
    std::vector<ucstring_view> names(mLast->depth);
    for (const Link* link = mLast.get(); link; link = link->parent)
        names[link->depth - 1] = link->name();
    return names;
}

bool CFSDescriptor::IsAncestorOf(const CFSDescriptor& other) const
{
    return Depth() < other.Depth() && IsAncestorOfOrEquals(other);
}

bool CFSDescriptor::IsAncestorOfOrEquals(const CFSDescriptor& other) const
{
    const unsigned n = Depth();
    if (n > other.Depth())
        return false;
    const Link* mine = mLast.get();
    const Link* theirs = other.mLast.get();
    while (theirs->depth > n)
        theirs = theirs->parent;
    for (; mine && mine != theirs; mine = mine->parent, theirs = theirs->parent) {
        if (mine->name() != theirs->name())
            return false;
    }
    return true;
}

QStringView CFSDescriptor::ShownName() const
{
    return mDisplayName.isNull() ? ViewOf(NameView()) : QStringView(mDisplayName);
}

bool CFSDescriptor::compareByNameFirst(const CFSDescriptor& other) const
{
    return NameFirstOrder(other) < 0;
}

bool CFSDescriptor::operator<(const CFSDescriptor& other) const
{
    return DepthFirstOrder(other) < 0;
}

int CFSDescriptor::NameFirstOrder(const CFSDescriptor& other) const
{
    const bool byDisplayName = mHasDisplayName && other.mHasDisplayName;
    const QStringView mine = byDisplayName ? ShownName() : ViewOf(NameView());
    const QStringView theirs = byDisplayName ? other.ShownName() : ViewOf(other.NameView());
    const int byName = ShownNameCollator().compare(mine, theirs);
    if (byName != 0)
        return byName;
    return ComparePaths(mLast.get(), other.mLast.get());
}

int CFSDescriptor::DepthFirstOrder(const CFSDescriptor& other) const
{
    if (Depth() != other.Depth())
        return Depth() < other.Depth() ? -1 : 1;
    return NameFirstOrder(other);
}

int CFSDescriptor::CompareWithChildOf(const CFSDescriptor& directory, ucstring_view name) const
{
    const Link* folder = directory.mLast.get();
    const Link* last = mLast.get();
    if (last->parent != folder || !folder->slash || last->length == 0 || name.empty())
        return NameFirstOrder(ChildOf(directory, name, false));
    // The probe has no display name, so file-system names are compared; siblings' paths
    // differ only in the name.
    const int byName = ShownNameCollator().compare(ViewOf(last->name()), ViewOf(name));
    if (byName != 0)
        return byName;
    return last->name().compare(name);
}

std::vector<ucstring_view> CFSDescriptor::SplitComponentNames(ucstring_view path)
{
    std::vector<ucstring_view> names;
    const size_t length = path.size();
    if (length == 0) {
        names.emplace_back();
        return names;
    }
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        const bool slash = path[i] == '/';
        if (slash || i == length - 1) {
            names.push_back(path.substr(start, (slash ? i : i + 1) - start));
            start = i + 1;
        }
    }
    return names;
}

void CFSDescriptor::InitializeFromPath(const QString& path)
{
    BuildComponents(ViewOf(QStringView(path)));
    ReadItemStateAt(path);
}

CFSDescriptor CFSDescriptor::InDirectory(const CFSDescriptor* directory, const QString& path,
                                         ucstring_view name, bool knownFile)
{
    CFSDescriptor d = directory ? ChildOf(*directory, name, path.endsWith(QLatin1Char('/')))
                                : ComponentsOnly(path);
    if (knownFile)
        d.TakeItemState(path, false);
    else
        d.ReadItemStateAt(path);
    return d;
}

void CFSDescriptor::ReadItemState()
{
    ReadItemStateAt(FullPathText());
}

// A final "/" makes no difference to the name shown, so the path as given will do.
void CFSDescriptor::ReadItemStateAt(const QString& path)
{
    bool isDirectory = false;
    if (ItemExistsAtPath(path, &isDirectory))
        TakeItemState(path, isDirectory);
}

void CFSDescriptor::TakeItemState(const QString& path, bool isDirectory)
{
    mIsDirectory = isDirectory;
    if (mIsDirectory) {
        AppendFinalSlash();
        mIsVolumeDirectory = NamesTheVolumesFolder();
    }
    TakeDisplayName(DisplayNameAtPath(path));
}

void CFSDescriptor::TreatAsFile()
{
    if (!mIsDirectory)
        return;
    mIsDirectory = false;
    mIsVolumeDirectory = false;
    const Link* last = mLast.get();
    if (last->slash)
        mLast = MakeLink(last->parent, last->name(), false, last->leadingSlash);
}

void CFSDescriptor::CreatePathComponents(const ucstring& path)
{
    BuildComponents(path);
}

void CFSDescriptor::BuildComponents(ucstring_view path)
{
    const size_t length = path.size();
    if (length == 0) {
        mLast = MakeLink(nullptr, ucstring_view(), false, false);
        return;
    }
    LinkPtr last;
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        const bool slash = path[i] == '/';
        if (slash || i == length - 1) {
            const size_t end = slash ? i : i + 1;
            last = MakeLink(last.get(), path.substr(start, end - start), slash, false);
            start = i + 1;
        }
    }
    mLast = std::move(last);
}

void CFSDescriptor::AppendFinalSlash()
{
    const Link* last = mLast.get();
    if (last->slash || PathLength(last) == 0)
        return;
    mLast = MakeLink(last->parent, last->name(), true, last->leadingSlash);
}

bool CFSDescriptor::NamesTheVolumesFolder() const
{
    const VolumesFolderKey& key = CurrentVolumesFolder();
    return mLast->depth == key.depth && FullPath() == key.path;
}

void CFSDescriptor::TakeDisplayName(const QString& displayName)
{
    mHasDisplayName = !displayName.isNull();
    if (mHasDisplayName && ViewOf(QStringView(displayName)) == NameView())
        mDisplayName = QString();
    else
        mDisplayName = displayName;
}

void CFSDescriptor::ResetPath(const QString& directory, const QString& name)
{
    QString joined = directory;
    if (joined.isEmpty() || !joined.endsWith(QLatin1Char('/')))
        joined += QLatin1Char('/');
    joined += name;
    BuildComponents(ViewOf(QStringView(joined)));
    if (mIsDirectory) {
        AppendFinalSlash();
        mIsVolumeDirectory = NamesTheVolumesFolder();
    }
    TakeDisplayName(DisplayNameAtPath(FullPathText()));
}

void CFSDescriptor::ResetParent(const CFSDescriptor& directory)
{
    const LinkPtr folder = NameView().empty() ? LinkPtr() : AsFolder(directory.mLast.get());
    if (!folder) {
        ResetPath(directory.FullPathText(), SystemName());
        return;
    }
    mLast = MakeLink(folder.get(), NameView(), mIsDirectory, false);
    if (mIsDirectory)
        mIsVolumeDirectory = NamesTheVolumesFolder();
    TakeDisplayName(DisplayNameAtPath(FullPathText()));
}

void CFSDescriptor::Rename(const QString& newName)
{
    const Link* parent = mLast->parent;
    mLast = MakeLink(parent, ViewOf(QStringView(newName)), false, parent == nullptr);
    TakeDisplayName(DisplayNameAtPath(FullPathText()));
}

#include "ui/LibraryController.h"

#include "library/CLibrary.h"

LibraryController::LibraryController(QObject* parent) : QObject(parent) {}

LibraryController::~LibraryController() = default;

CLibrary* LibraryController::library()
{
    prepare();
    return mLibrary && mLibrary->isOpen() ? mLibrary.get() : nullptr;
}

const LibraryStatus& LibraryController::status()
{
    prepare();
    return mStatus;
}

namespace {
// Says why there is no library (status: PrepareLibrary's words, when it had any).
bool NoLibrary(const LibraryStatus& status, QString* error)
{
    if (error)
        *error = status.message.isEmpty() ? QObject::tr("There is no brush library to keep it in.")
                                          : status.message;
    return false;
}
} // namespace

bool LibraryController::setStarred(const QString& path, int position, bool starred, QString* error)
{
    return setStarred(path, QList<int>{position}, starred, error);
}

bool LibraryController::setStarred(const QString& path, const QList<int>& positions, bool starred,
                                   QString* error)
{
    CLibrary* lib = library();
    if (!lib)
        return NoLibrary(mStatus, error);
    bool ok = true;
    bool changed = false;
    for (int position : positions) {
        if (!lib->setStarred(path, position, starred, error)) {
            ok = false;
            break;
        }
        changed = true;
    }
    if (changed)
        Q_EMIT marksChanged();
    return ok;
}

bool LibraryController::setTags(const QString& path, const QStringList& tags, QString* error)
{
    CLibrary* lib = library();
    if (!lib)
        return NoLibrary(mStatus, error);
    const QStringList before = lib->tagsOfFile(path);
    QStringList gone, added;
    for (const QString& tag : before) {
        if (!tags.contains(tag))
            gone << tag;
    }
    for (const QString& tag : tags) {
        if (!before.contains(tag))
            added << tag;
    }
    if (gone.isEmpty() && added.isEmpty())
        return true;
    if ((!gone.isEmpty() && !lib->untagFile(path, gone, error)) ||
        (!added.isEmpty() && !lib->tagFile(path, added, error)))
        return false;
    Q_EMIT marksChanged();
    return true;
}

QSet<int> LibraryController::starredPositions(const QString& path)
{
    QSet<int> positions;
    if (CLibrary* lib = path.isEmpty() ? nullptr : library()) {
        for (const LibraryBrush& brush : lib->starredBrushes()) {
            if (brush.path == path)
                positions.insert(brush.position);
        }
    }
    return positions;
}

void LibraryController::prepare()
{
    if (mPrepared)
        return;
    mPrepared = true;
    mStatus = PrepareLibrary(DefaultLibraryPath());
    if (mStatus.available)
        mLibrary = std::make_unique<CLibrary>(mStatus.path);
}

#include "ui/library/LibraryController.h"

#include "discovery/BrushFileSearch.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"

#include <QThread>
#include <QTimer>

LibraryController::LibraryController(QObject* parent) : QObject(parent) {}

LibraryController::~LibraryController()
{
    // The check cannot be cut short; its result, posted to this object, goes with it.
    if (mPreparing)
        mPreparing->wait();
    stopHolding();
    // Before the main thread's connection goes: the cataloguer's threads have their own.
    mCataloguer.reset();
}

CLibrary* LibraryController::library()
{
    prepare();
    if (mLibrary && mLibrary->fault())
        switchOff(mLibrary->fault());
    return mLibrary && mLibrary->isOpen() && !mSwitchingOff ? mLibrary.get() : nullptr;
}

void LibraryController::switchOff(const LibraryFault& fault)
{
    if (std::exchange(mSwitchingOff, true))
        return;
    QTimer::singleShot(0, this, [this, fault] {
        // The cataloguer's connections close before a damaged file is moved.
        mCataloguer.reset();
        mLibrary.reset();
        QString message = fault.message;
        if (fault.kind == eLibraryFault::damaged)
            message += tr(" It has been set aside as %1, and a new one is made at the next start.")
                           .arg(SetLibraryAside(mStatus.path));
        else
            message += tr(" The library is off until the next start.");
        mStatus.available = false;
        mStatus.message = message;
        setProgressText({});
        Q_EMIT switchedOff(message);
    });
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
        *error = status.message.isEmpty()
                     ? LibraryController::tr("There is no brush library to keep it in.")
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
    if (std::exchange(mAsked, true))
        return;
    mStatus.path = DefaultLibraryPath();
    mStatus.message = tr("The brush library is not ready yet: it is being checked.");
    mPreparing.reset(QThread::create([this, path = mStatus.path] {
        const LibraryStatus status = PrepareLibrary(path);
        QMetaObject::invokeMethod(
            this, [this, status] { finishPreparing(status); }, Qt::QueuedConnection);
    }));
    mPreparing->setObjectName(QStringLiteral("Library check"));
    mPreparing->start();
}

void LibraryController::finishPreparing(const LibraryStatus& status)
{
    mPreparing->wait();
    mPreparing.reset();
    mStatus = status;
    if (mStatus.available)
        mLibrary = std::make_unique<CLibrary>(mStatus.path);
    mReady = true;
    if (mCatalogueWhenReady)
        beginCataloguing();
    Q_EMIT ready();
    // Stars and tags could not be shown until now, nor why there are none.
    Q_EMIT marksChanged();
}

void LibraryController::followSearch(BrushFileSearch* search)
{
    stopHolding();
    mHeldReports.clear();
    mSearch = search;
    if (!search)
        return;
    using Step = std::function<void(CBrushCataloguer&)>;
    const auto hold = [this](Step step) { mHeldReports.push_back(std::move(step)); };
    mHolding = {connect(search, &BrushFileSearch::itemsAdded, this,
                        [hold](const QStringList& paths) {
                            hold([paths](CBrushCataloguer& c) { c.takeFound(paths); });
                        }),
                connect(search, &BrushFileSearch::firstPhaseFinished, this,
                        [hold] { hold([](CBrushCataloguer& c) { c.takeFirstPhaseFinished(); }); }),
                connect(search, &BrushFileSearch::itemsWritten, this,
                        [hold](const QStringList& paths) {
                            hold([paths](CBrushCataloguer& c) { c.catalogue(paths); });
                        }),
                connect(search, &BrushFileSearch::itemsRemoved, this,
                        [hold](const QStringList& paths) {
                            hold([paths](CBrushCataloguer& c) { c.remove(paths); });
                        }),
                connect(search, &BrushFileSearch::itemsMoved, this,
                        [hold](const QStringList& from, const QStringList& to) {
                            hold([from, to](CBrushCataloguer& c) { c.move(from, to); });
                        }),
                connect(search, &BrushFileSearch::itemRenamed, this,
                        [hold](const QString& from, const QString& to) {
                            hold([from, to](CBrushCataloguer& c) { c.move({from}, {to}); });
                        })};
}

void LibraryController::stopHolding()
{
    for (const QMetaObject::Connection& connection : mHolding)
        QObject::disconnect(connection);
    mHolding.clear();
}

void LibraryController::startCataloguing()
{
    if (std::exchange(mCatalogueWhenReady, true))
        return;
    prepare();
    if (mReady)
        beginCataloguing();
}

void LibraryController::beginCataloguing()
{
    // Until now the search's reports were held, from followSearch() on.
    stopHolding();
    const std::vector<std::function<void(CBrushCataloguer&)>> held = std::move(mHeldReports);
    mHeldReports.clear();
    if (!library())
        return;
    mCataloguer = std::make_unique<CBrushCataloguer>(mStatus.path);
    connect(mCataloguer.get(), &CBrushCataloguer::libraryFailed, this,
            [this] { switchOff(mCataloguer->fault()); });
    connect(mCataloguer.get(), &CBrushCataloguer::progress, this, [this](int done, int total) {
        setProgressText(done < total ? CatalogueProgressText(done, total) : QString());
    });
    // Moves and renames the cataloguer wrote carry stars and tags to new paths; whatever shows
    // them looks again once it is done.
    connect(mCataloguer.get(), &CBrushCataloguer::idle, this, [this] {
        setProgressText({});
        Q_EMIT marksChanged();
    });
    if (!mSearch)
        return;
    // The usual places: files catalogued from elsewhere (kelbrin-cli catalogue FOLDER) stay.
    mCataloguer->follow(mSearch, {});
    for (const auto& step : held)
        step(*mCataloguer);
}

void LibraryController::setProgressText(const QString& text)
{
    if (text == mProgressText)
        return;
    mProgressText = text;
    Q_EMIT progressTextChanged(text);
}

#include "ui/LibraryController.h"

#include "discovery/BrushFileSearch.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"

LibraryController::LibraryController(QObject* parent) : QObject(parent) {}

LibraryController::~LibraryController()
{
    QObject::disconnect(mHolding);
    // Before the main thread's connection goes: the cataloguer's threads have their own.
    mCataloguer.reset();
}

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

void LibraryController::prepare()
{
    if (mPrepared)
        return;
    mPrepared = true;
    mStatus = PrepareLibrary(DefaultLibraryPath());
    if (mStatus.available)
        mLibrary = std::make_unique<CLibrary>(mStatus.path);
}

void LibraryController::followSearch(BrushFileSearch* search)
{
    QObject::disconnect(mHolding);
    mHeldReports.clear();
    mSearch = search;
    if (search)
        mHolding = connect(search, &BrushFileSearch::reported, this,
                           [this](const SearchReport& report) { mHeldReports.push_back(report); });
}

void LibraryController::startCataloguing()
{
    if (mCataloguer)
        return;
    QObject::disconnect(mHolding);
    const std::vector<SearchReport> held = std::move(mHeldReports);
    mHeldReports.clear();
    if (!library())
        return;
    mCataloguer = std::make_unique<CBrushCataloguer>(mStatus.path);
    connect(mCataloguer.get(), &CBrushCataloguer::progress, this, [this](int done, int total) {
        setProgressText(done < total ? CatalogueProgressText(done, total) : QString());
    });
    connect(mCataloguer.get(), &CBrushCataloguer::idle, this, [this] { setProgressText({}); });
    if (!mSearch)
        return;
    // The usual places: files catalogued from elsewhere (kelbrin-cli catalogue FOLDER) stay.
    mCataloguer->follow(mSearch, {});
    for (const SearchReport& report : held)
        mCataloguer->take(report);
}

void LibraryController::setProgressText(const QString& text)
{
    if (text == mProgressText)
        return;
    mProgressText = text;
    Q_EMIT progressTextChanged(text);
}

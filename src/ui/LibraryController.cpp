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

void LibraryController::prepare()
{
    if (mPrepared)
        return;
    mPrepared = true;
    mStatus = PrepareLibrary(DefaultLibraryPath());
    if (mStatus.available)
        mLibrary = std::make_unique<CLibrary>(mStatus.path);
}

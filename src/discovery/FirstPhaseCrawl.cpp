#include "discovery/FirstPhaseCrawl.h"

#include "discovery/CrawlWorkers.h"
#include "discovery/FileIndex.h"
#include "platform/ThreadSanitizerHandOff.h"

#include <algorithm>
#include <iterator>

FirstPhaseCrawl::FirstPhaseCrawl(CrawlContext& context, std::function<void()> gathered)
    : mContext(context), mGathered(std::move(gathered))
{
    mBatchTimer.setSingleShot(true);
    QObject::connect(&mBatchTimer, &QTimer::timeout, mContext.owner, [this] { deliverBatch(); });
}

void FirstPhaseCrawl::start(std::vector<FolderCrawler::Work> work)
{
    FolderCrawler::Context context = mContext.forCrawlers();
    context.found = [this](IndexedFileList&& items) { onFound(std::move(items)); };
    mThread = std::thread([this, work = std::move(work), context] {
        FolderCrawler::crawl(work, context, CrawlWorkers::defaultThreadCount());
        ThreadSanitizerHandOff(this);
        QMetaObject::invokeMethod(
            mContext.owner,
            [this] {
                ThreadSanitizerTakeOver(this);
                onCrawlFinished();
            },
            Qt::QueuedConnection);
    });
    mBatchTimer.start(int(mContext.batching.first_max_ms));
}

void FirstPhaseCrawl::stop()
{
    if (mThread.joinable())
        mThread.join();
    mBatchTimer.stop();
}

size_t FirstPhaseCrawl::batchLimit() const
{
    return mFirstBatchDelivered ? mContext.batching.progress_max_num
                                : mContext.batching.first_max_num;
}

void FirstPhaseCrawl::onFound(IndexedFileList&& items)
{
    bool request = false;
    {
        std::lock_guard<std::mutex> lock(mPendingMutex);
        mPending.insert(mPending.end(), std::make_move_iterator(items.begin()),
                        std::make_move_iterator(items.end()));
        if (!mBatchRequested && mPending.size() >= batchLimit()) {
            mBatchRequested = true;
            request = true;
        }
    }
    if (request) {
        ThreadSanitizerHandOff(this);
        QMetaObject::invokeMethod(
            mContext.owner,
            [this] {
                ThreadSanitizerTakeOver(this);
                deliverBatch();
            },
            Qt::QueuedConnection);
    }
}

void FirstPhaseCrawl::deliverBatch()
{
    if (mContext.gatheringComplete || !mContext.executing)
        return;
    if (mContext.updatesDisabled) {
        mBatchTimer.start(10);
        return;
    }
    IndexedFileList batch;
    bool more = false;
    bool done = false;
    {
        std::lock_guard<std::mutex> lock(mPendingMutex);
        mBatchRequested = false;
        const size_t count = std::min(std::max<size_t>(batchLimit(), 1), mPending.size());
        batch.assign(mPending.begin(), mPending.begin() + long(count));
        mPending.erase(mPending.begin(), mPending.begin() + long(count));
        if (count)
            mFirstBatchDelivered = true;
        more = mCrawlDone && !mPending.empty();
        done = mCrawlDone && mPending.empty();
    }
    for (const IndexedFilePtr& item : batch)
        mContext.appendResult(item);
    if (!batch.empty())
        Q_EMIT mContext.owner->progress();
    if (more) {
        QMetaObject::invokeMethod(
            mContext.owner, [this] { deliverBatch(); }, Qt::QueuedConnection);
    } else if (done) {
        mBatchTimer.stop();
        mGathered();
    } else {
        mBatchTimer.start(int(mContext.batching.progress_max_ms));
    }
}

void FirstPhaseCrawl::onCrawlFinished()
{
    if (mThread.joinable())
        mThread.join();
    {
        std::lock_guard<std::mutex> lock(mPendingMutex);
        mCrawlDone = true;
    }
    deliverBatch();
}

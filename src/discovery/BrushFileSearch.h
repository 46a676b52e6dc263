#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class BrushFileSearchImpl;

// The live search for brush files. It builds the shared path tree from the index's results,
// watches the tree's folders, and posts every change as one notification with a numbered report
// (see the constants) and itself as sender. Main thread only.
class BrushFileSearch : public std::enable_shared_from_this<BrushFileSearch>
{
public:
    static inline const QString kPrivateBrushFileSearchNotification =
        QStringLiteral("PrivateBrushFileSearchNotification");
    static inline const QString kNotificationIDKey = QStringLiteral("NotificationID");
    static inline const QString kPathsKey = QStringLiteral("Paths");
    static inline const QString kNewPathsKey = QStringLiteral("NewPaths");
    static inline const QString kFlagsKey = QStringLiteral("Flags");
    static inline const QString kCountKey = QStringLiteral("Count");

    enum eNotificationID : int
    {
        eFirstPhaseProgress = 0,
        eFirstPhaseFinished = 1,
        eItemsAdded = 2,
        eItemDeleted = 3,
        eItemRenamed = 4,
        eItemsMoved = 5,
        eItemsChanged = 6,
    };

    // directories empty: the whole machine's indexed folders.
    static std::shared_ptr<BrushFileSearch> initWithQueryString(const QString& queryString,
                                                                const QStringList& directories);
    ~BrushFileSearch();
    BrushFileSearch(const BrushFileSearch&) = delete;
    BrushFileSearch& operator=(const BrushFileSearch&) = delete;

    bool run();
    bool isInInitialSearch() const;
    bool hasFoundFilesInPath(const QString& path) const;

    BrushFileSearchImpl* impl() const { return mImpl.get(); }

private:
    BrushFileSearch();
    std::unique_ptr<BrushFileSearchImpl> mImpl;
};

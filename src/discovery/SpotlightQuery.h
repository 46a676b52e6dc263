#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class SpotlightQueryImpl;

// The live search for brush files. It builds the shared path tree from the index's results,
// watches the tree's folders, and posts every change as one notification with a numbered report
// (see the constants) and itself as sender. Main thread only.
class SpotlightQuery : public std::enable_shared_from_this<SpotlightQuery>
{
public:
    static inline const QString kPrivateSpotlightQueryNotification =
        QStringLiteral("PrivateSpotlightQueryNotification");
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
    static std::shared_ptr<SpotlightQuery> initWithQueryString(const QString& queryString,
                                                               const QStringList& directories);
    ~SpotlightQuery();
    SpotlightQuery(const SpotlightQuery&) = delete;
    SpotlightQuery& operator=(const SpotlightQuery&) = delete;

    bool run();
    bool isInInitialSearch() const;
    bool hasFoundFilesInPath(const QString& path) const;

    SpotlightQueryImpl* impl() const { return mImpl.get(); }

private:
    SpotlightQuery();
    std::unique_ptr<SpotlightQueryImpl> mImpl;
};

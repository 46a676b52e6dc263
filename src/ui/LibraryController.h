#pragma once

#include "library/CLibraryConnection.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <memory>

class CLibrary;

// The brush library as the window uses it: made ready on first use, with one connection on the
// main thread for searches, duplicates, tags and stars.
class LibraryController : public QObject
{
    Q_OBJECT
public:
    explicit LibraryController(QObject* parent = nullptr);
    ~LibraryController() override;

    // Null when there is no library (say, its folder cannot be written); status() says why.
    CLibrary* library();
    const LibraryStatus& status();

    // Marks set from the window. Each is one short write; false, with the reason in *error,
    // when there is no library or the file cannot be read to be hashed. marksChanged() follows
    // a change.
    bool setStarred(const QString& path, int position, bool starred, QString* error = nullptr);
    // Several brushes of one file (position -1: the file), with one marksChanged() at the end.
    bool setStarred(const QString& path, const QList<int>& positions, bool starred,
                    QString* error = nullptr);
    bool setTags(const QString& path, const QStringList& tags, QString* error = nullptr);
    // Stars of the file's brushes (positions), for the grid; empty without a library.
    QSet<int> starredPositions(const QString& path);

Q_SIGNALS:
    // Tags or stars changed; whatever shows them looks again.
    void marksChanged();

private:
    void prepare();

    bool mPrepared = false;
    LibraryStatus mStatus;
    std::unique_ptr<CLibrary> mLibrary;
};

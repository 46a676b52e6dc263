#pragma once

#include "library/CLibraryConnection.h"

#include <QObject>
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

Q_SIGNALS:
    // Tags or stars changed; whatever shows them looks again.
    void marksChanged();

private:
    void prepare();

    bool mPrepared = false;
    LibraryStatus mStatus;
    std::unique_ptr<CLibrary> mLibrary;
};

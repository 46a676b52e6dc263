#pragma once

#include "library/CLibrary.h"

#include <QByteArray>
#include <QCollator>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class LibraryResultsModel;
class QLabel;
class QListView;

// The brushes of the whole library whose names hold what the filter field says, shown in the
// grid's place under a heading: each brush's thumbnail from the library, its name and the file it
// comes from. Activating one (double-click, Enter) asks for its file with it selected.
class LibraryResultsView : public QWidget
{
    Q_OBJECT
public:
    // thumbnail: the library's PNG for a brush id, asked only for the rows on screen.
    explicit LibraryResultsView(std::function<QByteArray(qint64)> thumbnail,
                                QWidget* parent = nullptr);
    ~LibraryResultsView() override;

    // results: what the search found, at most limit + 1 of them; one past limit says there are
    // more than are shown.
    void showResults(const QString& text, std::vector<LibraryBrush> results, int limit);
    QString heading() const;
    // Loads the rules results are ordered by, a few milliseconds the first time, so that the
    // first results do not wait for them.
    void prepareOrdering();
    // What the results shown were searched for.
    QString text() const { return mText; }
    QListView* listView() const { return mList; }
    LibraryResultsModel* model() const { return mModel; }

Q_SIGNALS:
    void brushOpened(const QString& path, int position);
    // From the results' context menu.
    void revealRequested(const QString& path);
    void starRequested(const QString& path, int position, bool starred);

private:
    QCollator& collator();
    void showMenu(const QPoint& at);

    std::optional<QCollator> mCollator;
    QString mText;
    QLabel* mHeading = nullptr;
    QListView* mList = nullptr;
    LibraryResultsModel* mModel = nullptr;
    class Thumbnails;
    Thumbnails* mThumbnails = nullptr;
};

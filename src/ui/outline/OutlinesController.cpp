#include "ui/outline/OutlinesController.h"

#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Enough to show a filter's matches in most homes without opening a whole disk.
constexpr int kMostRowsOpenedForAFilter = 300;

QVBoxLayout* StackedLayout(QWidget* pane)
{
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}
} // namespace

OutlinesController::OutlinesController(QObject* owner, QWidget* parent) : QObject(owner)
{
    mPane = new QSplitter(Qt::Vertical, parent);
    mPane->setChildrenCollapsible(false);
    mPane->setHandleWidth(1);
    mPane->addWidget(buildFoundPane());
    mPane->addWidget(buildInstalledPane());
}

QWidget* OutlinesController::buildFoundPane()
{
    auto* pane = new QWidget(mPane);
    QVBoxLayout* layout = StackedLayout(pane);
    mFilterField = new QLineEdit(pane);
    mFilterField->setObjectName(QStringLiteral("outlineFilter"));
    mFilterField->setPlaceholderText(tr("Filter brush files"));
    mFilterField->setAccessibleName(tr("Filter brush files"));
    mFilterField->setAccessibleDescription(
        tr("Shows only the files whose name or tags hold these words"));
    mFilterField->setClearButtonEnabled(true);
    mFilterTimer = new QTimer(this);
    mFilterTimer->setSingleShot(true);
    mFilterTimer->setInterval(150);
    connect(mFilterField, &QLineEdit::textChanged, mFilterTimer, qOverload<>(&QTimer::start));
    connect(mFilterTimer, &QTimer::timeout, this, [this] {
        const QString text = mFilterField->text().trimmed();
        mApplyingFilter = true;
        for (OutlineModel* model : {fileOutlineModel(), installedFileOutlineModel()}) {
            if (model)
                model->setNameFilter(text);
        }
        mApplyingFilter = false;
        // The files a name matches are shown, not left inside closed folders.
        if (!text.isEmpty()) {
            for (FileOutlineView* outline : {mFileOutline, mInstalledFileOutline})
                outline->expandFolders(kMostRowsOpenedForAFilter);
        }
        updatePlaceholder();
        if (text != mAppliedFilter) {
            mAppliedFilter = text;
            Q_EMIT filterApplied(text);
        }
    });
    mNarrowing = new QComboBox(pane);
    mNarrowing->setObjectName(QStringLiteral("outlineNarrowing"));
    mNarrowing->setToolTip(tr("Show all files, the favourites, or the files of one tag"));
    mNarrowing->setAccessibleName(tr("Files shown"));
    mNarrowing->setAccessibleDescription(mNarrowing->toolTip());
    mNarrowing->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    mNarrowing->addItem(tr("All files"), QString());
    mNarrowing->addItem(QStringLiteral("\u2605 ") + tr("Favourites"), kFavouritesChoice);
    connect(mNarrowing, &QComboBox::activated, this, &OutlinesController::narrowingChosen);
    mFileOutline = new FileOutlineView(pane);
    mFileOutline->setObjectName(QStringLiteral("fileOutline"));
    mFileOutline->setAccessibleName(tr("Brush files"));
    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(0, 0, 0, 0);
    filterRow->setSpacing(2);
    filterRow->addWidget(mFilterField, 1);
    filterRow->addWidget(mNarrowing);
    layout->addLayout(filterRow);
    layout->addWidget(mFileOutline);
    mPlaceholder = new QLabel(mFileOutline->viewport());
    mPlaceholder->setObjectName(QStringLiteral("outlinePlaceholder"));
    mPlaceholder->setAlignment(Qt::AlignCenter);
    mPlaceholder->setWordWrap(true);
    mPlaceholder->setForegroundRole(QPalette::PlaceholderText);
    mPlaceholder->setContentsMargins(8, 8, 8, 8);
    (new QVBoxLayout(mFileOutline->viewport()))->addWidget(mPlaceholder);
    return pane;
}

QWidget* OutlinesController::buildInstalledPane()
{
    auto* pane = new QWidget(mPane);
    QVBoxLayout* layout = StackedLayout(pane);
    mInstalledTitle = new QLabel(tr("Installed Brushes"), pane);
    mInstalledTitle->setObjectName(QStringLiteral("installedTitle"));
    mInstalledTitle->setContentsMargins(8, 3, 8, 3);
    mInstalledFileOutline = new FileOutlineView(pane);
    mInstalledFileOutline->setObjectName(QStringLiteral("installedFileOutline"));
    mInstalledFileOutline->setAccessibleName(mInstalledTitle->text());
    layout->addWidget(mInstalledTitle);
    layout->addWidget(mInstalledFileOutline);
    return pane;
}

// Tags are words people chose; this cannot be mistaken for one (tags are simplified).
const QString OutlinesController::kFavouritesChoice = QStringLiteral("\u2605\n");

void OutlinesController::setNarrowingTags(const QStringList& tags)
{
    const QString current = narrowingChoice();
    while (mNarrowing->count() > 2)
        mNarrowing->removeItem(2);
    if (!tags.isEmpty())
        mNarrowing->insertSeparator(2);
    for (const QString& tag : tags)
        mNarrowing->addItem(tag, tag);
    const int index = mNarrowing->findData(current);
    mNarrowing->setCurrentIndex(index >= 0 ? index : 0);
    // The tag chosen has just gone: back to all files.
    if (index < 0)
        Q_EMIT narrowingChosen();
}

QString OutlinesController::narrowingChoice() const
{
    return mNarrowing->currentData().toString();
}

void OutlinesController::restrictTo(const std::optional<QSet<QString>>& paths)
{
    // As with the name filter, the file on display stays when its row is narrowed away.
    mApplyingFilter = true;
    for (OutlineModel* model : {fileOutlineModel(), installedFileOutlineModel()}) {
        if (model)
            model->setPathRestriction(paths);
    }
    mApplyingFilter = false;
    updatePlaceholder();
}

bool OutlinesController::showsAnyRow() const
{
    for (const OutlineModel* model : {fileOutlineModel(), installedFileOutlineModel()}) {
        if (model && model->rowCount() > 0)
            return true;
    }
    return false;
}

void OutlinesController::setStarredPaths(const QSet<QString>& paths)
{
    for (OutlineModel* model : {fileOutlineModel(), installedFileOutlineModel()}) {
        if (model)
            model->setStarredPaths(paths);
    }
}

void OutlinesController::setFileTags(const QHash<QString, QStringList>& tags)
{
    for (OutlineModel* model : {fileOutlineModel(), installedFileOutlineModel()}) {
        if (model)
            model->setFileTags(tags);
    }
}

OutlineModel* OutlinesController::fileOutlineModel() const
{
    return mFileOutline->outlineModel();
}

OutlineModel* OutlinesController::installedFileOutlineModel() const
{
    return mInstalledFileOutline->outlineModel();
}

void OutlinesController::setSources(FoundFileOutlineModel* found,
                                    InstalledFileOutlineModel* installed, bool canInstall,
                                    QStringList searchedFolders)
{
    mSearchedFolders = std::move(searchedFolders);
    for (auto [outline, model] : {std::pair<FileOutlineView*, OutlineModel*>{mFileOutline, found},
                                  {mInstalledFileOutline, installed}}) {
        model->setParent(parent());
        outline->setOutlineModel(model);
        outline->setInstallTargetsAvailable(canInstall);
        connect(outline, &FileOutlineView::selectedPathChanged, this,
                &OutlinesController::outlineSelectionChanged);
        connect(outline, &FileOutlineView::selectedPathRenamed, this,
                &OutlinesController::selectedPathRenamed);
        connect(model, &OutlineModel::itemsWritten, this, &OutlinesController::pathsWritten);
        // Queued: a row is selected only once the view has finished taking the rows in.
        connect(model, &QAbstractItemModel::rowsInserted, this, &OutlinesController::rowsAppeared,
                Qt::QueuedConnection);
    }
    // Both follow the same search; one end of its first phase is enough for the window.
    connect(found, &OutlineModel::firstPhaseDidFinish, this,
            &OutlinesController::searchFirstPhaseFinished);
    connect(found, &QAbstractItemModel::rowsInserted, this, &OutlinesController::updatePlaceholder);
    connect(found, &QAbstractItemModel::rowsRemoved, this, &OutlinesController::updatePlaceholder);
    connect(found, &QAbstractItemModel::modelReset, this, &OutlinesController::updatePlaceholder);
    if (mShowingAllFolders)
        mFileOutline->showAllFolders(true);
    updatePlaceholder();
}

void OutlinesController::showAllFolders(bool show)
{
    mShowingAllFolders = show;
    const QString selected = mFileOutline->getPathOfSelectedItem();
    mFileOutline->showAllFolders(show);
    mFileOutline->selectFileByPath(selected);
    updatePlaceholder();
}

bool OutlinesController::selectFile(const QString& path)
{
    // A row found in one outline clears the other's selection on its own.
    return mInstalledFileOutline->selectFileByPath(path) || mFileOutline->selectFileByPath(path);
}

void OutlinesController::selectDisplayedIfUnmarked(const QString& displayedPath)
{
    if (!displayedPath.isEmpty() && selectedPaths().isEmpty())
        selectFile(displayedPath);
}

void OutlinesController::firstPhaseFinished(const QString& displayedPath)
{
    selectDisplayedIfUnmarked(displayedPath);
    updatePlaceholder();
}

QStringList OutlinesController::selectedPaths() const
{
    QStringList paths;
    for (FileOutlineView* outline : {mFileOutline, mInstalledFileOutline}) {
        const QString path = outline->getPathOfSelectedItem();
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

void OutlinesController::deselectIfSelected(FileOutlineView* outline, const QString& path)
{
    if (outline->getPathOfSelectedItem() == path)
        outline->selectFileByPath(QString());
}

void OutlinesController::updatePlaceholder()
{
    const OutlineModel* found = fileOutlineModel();
    if (!found || found->rowCount() > 0) {
        mPlaceholder->hide();
        return;
    }
    const QString filter = mFilterField->text().trimmed();
    QString text;
    const bool favourites = narrowingChoice() == kFavouritesChoice;
    if (found->isRestricted() && !filter.isEmpty())
        text = favourites ? tr("No favourite brush file names contain “%1”").arg(filter)
                          : tr("No brush files tagged “%1” have names containing “%2”")
                                .arg(narrowingChoice(), filter);
    else if (found->isRestricted())
        text = favourites ? tr("No favourite brush files here")
                          : tr("No brush files tagged “%1” here").arg(narrowingChoice());
    else if (!filter.isEmpty())
        text = tr("No brush file names contain “%1”").arg(filter);
    else if (!found->firstPhaseFinished())
        text = tr("Searching for brush files…");
    else if (mSearchedFolders.isEmpty())
        text = tr("No brush files found");
    else
        text = tr("No brush files found in:") + QLatin1Char('\n') +
               mSearchedFolders.join(QLatin1Char('\n'));
    mPlaceholder->setText(text);
    mPlaceholder->show();
}

void OutlinesController::outlineSelectionChanged()
{
    auto* outline = qobject_cast<FileOutlineView*>(sender());
    FileOutlineView* other = outline == mFileOutline ? mInstalledFileOutline : mFileOutline;
    const QString path = outline ? outline->getPathOfSelectedItem() : QString();
    // Clearing the other outline's selection must not clear the grid the first one fills.
    if (!path.isEmpty())
        other->clearSelection();
    else if (!other->getPathOfSelectedItem().isEmpty())
        return;
    Q_EMIT selectionChanged();
    // A row the filter hides leaves the outline, not the grid: the file stays on display.
    if (path.isEmpty() && mApplyingFilter)
        return;
    Q_EMIT pathChosen(path, outline && outline->selectedItemIsFile());
}

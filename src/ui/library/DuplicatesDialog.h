#pragma once

#include <QDialog>

class DuplicatesModel;
class LibraryController;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeView;

// The library's duplicates, to tidy a collection with: each group's members can be opened in
// the window, shown in the file manager or moved to the trash. The window does the work (and
// asks its usual questions); the dialog says what it wants and follows what happened.
class DuplicatesDialog : public QDialog
{
    Q_OBJECT
public:
    DuplicatesDialog(LibraryController* library, QWidget* parent = nullptr);

    // Asks the library again.
    void reload();
    // A file went to the trash, from here or elsewhere.
    void fileTrashed(const QString& path);

    DuplicatesModel* model() const { return mModel; }
    QTreeView* view() const { return mView; }
    QLabel* emptyLabel() const { return mEmpty; }
    QPushButton* openButton() const { return mOpen; }
    QPushButton* revealButton() const { return mReveal; }
    QPushButton* trashButton() const { return mTrash; }

Q_SIGNALS:
    // position: the brush to select, -1 for none.
    void openRequested(const QString& path, int position);
    void revealRequested(const QString& path);
    void trashRequested(const QString& path);

private:
    QString currentPath() const;
    void updateState();

    LibraryController* mLibrary;
    DuplicatesModel* mModel = nullptr;
    QStackedWidget* mStack = nullptr;
    QTreeView* mView = nullptr;
    QLabel* mEmpty = nullptr;
    QPushButton* mOpen = nullptr;
    QPushButton* mReveal = nullptr;
    QPushButton* mTrash = nullptr;
};

#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// The words a file is tagged with: a list of them, each removable, and a field to add more,
// which completes from the tags already in use. Nothing is written until the dialog is
// accepted; tags() then holds the file's tags as they should be.
class TagsDialog : public QDialog
{
    Q_OBJECT
public:
    TagsDialog(const QString& fileName, const QStringList& tags, const QStringList& knownTags,
               QWidget* parent = nullptr);

    QStringList tags() const;
    QLineEdit* field() const { return mField; }
    QListWidget* list() const { return mList; }
    QPushButton* removeButton() const { return mRemove; }

    // Adds the field's words (commas part them) to the list, each once.
    void addFromField();

private:
    QListWidget* mList = nullptr;
    QLineEdit* mField = nullptr;
    QPushButton* mAdd = nullptr;
    QPushButton* mRemove = nullptr;
};

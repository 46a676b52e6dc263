#include "ui/dialogs/TagsDialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TagsDialog::TagsDialog(const QString& fileName, const QStringList& tags,
                       const QStringList& knownTags, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Tags of “%1”").arg(fileName));
    mList = new QListWidget(this);
    mList->addItems(tags);
    mList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mField = new QLineEdit(this);
    mField->setPlaceholderText(tr("New tag"));
    mField->setAccessibleName(tr("New tag"));
    mList->setAccessibleName(tr("Tags"));
    auto* completer = new QCompleter(knownTags, mField);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    mField->setCompleter(completer);
    mAdd = new QPushButton(tr("&Add"), this);
    mAdd->setAutoDefault(false);
    mRemove = new QPushButton(tr("&Remove"), this);
    mRemove->setAutoDefault(false);
    mRemove->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* intro = new QLabel(tr("Words of your own to find this file by: the box beside the "
                                "filter shows the files that have one."),
                             this);
    intro->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(intro, 0, 0, 1, 2);
    layout->addWidget(mField, 1, 0);
    layout->addWidget(mAdd, 1, 1);
    layout->addWidget(mList, 2, 0);
    layout->addWidget(mRemove, 2, 1, Qt::AlignTop);
    layout->addWidget(buttons, 3, 0, 1, 2);

    connect(mAdd, &QPushButton::clicked, this, &TagsDialog::addFromField);
    // Return presses the default button: Add while the field holds words, else OK. (Handling
    // returnPressed instead would not do: the dialog still presses OK after it.)
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto chooseDefault = [this, ok] {
        const bool words = !mField->text().trimmed().isEmpty();
        mAdd->setDefault(words);
        ok->setDefault(!words);
    };
    connect(mField, &QLineEdit::textChanged, this, chooseDefault);
    chooseDefault();
    connect(mRemove, &QPushButton::clicked, this, [this] { qDeleteAll(mList->selectedItems()); });
    connect(mList, &QListWidget::itemSelectionChanged, this,
            [this] { mRemove->setEnabled(!mList->selectedItems().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // Words typed but not added yet are meant too.
        addFromField();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mField->setFocus();
}

QStringList TagsDialog::tags() const
{
    QStringList tags;
    for (int i = 0; i < mList->count(); ++i)
        tags << mList->item(i)->text();
    return tags;
}

void TagsDialog::addFromField()
{
    const QStringList present = tags();
    for (const QString& word : mField->text().split(QLatin1Char(','))) {
        const QString tag = word.simplified();
        if (!tag.isEmpty() && !present.contains(tag, Qt::CaseInsensitive) &&
            mList->findItems(tag, Qt::MatchFixedString).isEmpty())
            mList->addItem(tag);
    }
    mField->clear();
}

#include "ui/dialogs/InstallResultDialog.h"

#include "ui/common/FileManagerLauncher.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// Paths and reasons wrap or elide within this many pixels (at scale 1) so that a deep folder
// does not stretch the dialog across the screen.
constexpr int kDetailWidth = 420;

QLabel* PlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString OutcomeText(const BrushInstaller::Outcome& outcome)
{
    using eResult = BrushInstaller::Outcome::eResult;
    switch (outcome.result) {
    case eResult::Installed:
        return outcome.madeFolder
                   ? InstallResultDialog::tr("Installed (its brushes folder was made)")
                   : InstallResultDialog::tr("Installed");
    case eResult::Duplicate:
        // The same contents under another name: the name says which it is.
        if (outcome.identical)
            return InstallResultDialog::tr("Already installed as “%1”")
                .arg(QFileInfo(outcome.destination).fileName());
        return InstallResultDialog::tr("Already installed");
    case eResult::Failed:
        break;
    }
    return InstallResultDialog::tr("Not installed: %1").arg(outcome.reason);
}
} // namespace

QString InstallResultDialog::shownPath(const QString& path)
{
    const QString home = QDir::homePath() + QLatin1Char('/');
    return path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size()) : path;
}

InstallResultDialog::InstallResultDialog(const BrushInstaller::Report& report,
                                         const QString& fileName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("installResult"));
    if (parent)
        setWindowTitle(parent->window()->windowTitle());
    using eResult = BrushInstaller::Outcome::eResult;
    const bool trouble =
        !report.refusal.isEmpty() || !report.damage.isEmpty() || report.count(eResult::Failed) > 0;

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(trouble ? QStyle::SP_MessageBoxWarning
                                               : QStyle::SP_MessageBoxInformation,
                                       nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* headline = PlainLabel(BrushInstaller::headline(report, fileName), this);
    headline->setObjectName(QStringLiteral("headline"));
    headline->setWordWrap(true);
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);

    QGridLayout* rows = outcomeRows(report, bold);

    auto* text = new QVBoxLayout;
    text->addWidget(headline);
    text->addSpacing(8);
    text->addLayout(rows);
    if (!report.refreshNote.isEmpty()) {
        auto* refresh = PlainLabel(report.refreshNote, this);
        refresh->setObjectName(QStringLiteral("refreshNote"));
        refresh->setWordWrap(true);
        text->addWidget(refresh);
    }
    if (!report.damage.isEmpty()) {
        QString note = report.damage;
        note[0] = note[0].toUpper();
        auto* damage = PlainLabel(note + QLatin1Char('.'), this);
        damage->setObjectName(QStringLiteral("damage"));
        damage->setWordWrap(true);
        text->addWidget(damage);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGridLayout* InstallResultDialog::outcomeRows(const BrushInstaller::Report& report,
                                              const QFont& bold)
{
    using eResult = BrushInstaller::Outcome::eResult;
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(12);
    rows->setColumnStretch(1, 1);
    int row = 0;
    for (const BrushInstaller::Outcome& outcome : report.outcomes) {
        auto* name = PlainLabel(outcome.app, this);
        name->setFont(bold);
        auto* what = PlainLabel(OutcomeText(outcome), this);
        what->setObjectName(QStringLiteral("outcome"));
        what->setWordWrap(true);
        what->setMaximumWidth(kDetailWidth);
        auto* where = PlainLabel(
            fontMetrics().elidedText(shownPath(outcome.destination), Qt::ElideMiddle, kDetailWidth),
            this);
        where->setToolTip(outcome.destination);
        where->setForegroundRole(QPalette::PlaceholderText);
        rows->addWidget(name, row, 0, Qt::AlignTop);
        rows->addWidget(what, row, 1);
        rows->addWidget(where, row + 1, 1);
        if (outcome.result != eResult::Failed) {
            auto* show = new QPushButton(tr("Show"), this);
            show->setObjectName(QStringLiteral("show"));
            show->setToolTip(tr("Show %1 in the file manager").arg(outcome.destination));
            // One "Show" a row: heard alone, it must say whose.
            show->setAccessibleName(tr("Show the %1 folder").arg(outcome.app));
            show->setAutoDefault(false);
            const QString destination = outcome.destination;
            connect(show, &QPushButton::clicked, this,
                    [destination] { RevealInFileManager(destination); });
            rows->addWidget(show, row, 2, 2, 1, Qt::AlignVCenter);
        }
        rows->setRowMinimumHeight(row + 2, 6); // air between applications
        row += 3;
    }
    return rows;
}

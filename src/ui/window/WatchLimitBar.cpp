#include "ui/window/WatchLimitBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

WatchLimitBar::WatchLimitBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("watchLimitNotice"));
    // The colours of the read message above the grid: the window's one kind of notice.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    mLabel = new QLabel(this);
    mLabel->setWordWrap(true);
    mLabel->setTextFormat(Qt::PlainText);
    mLabel->setForegroundRole(QPalette::ToolTipText);
    // The command is there to be copied into a terminal.
    mLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("watchLimitNoticeClose"));
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(tr("Hide this message"));
    close->setAccessibleName(tr("Hide this message"));
    layout->addWidget(mLabel, 1);
    layout->addWidget(close, 0, Qt::AlignTop);
    connect(close, &QToolButton::clicked, this, &WatchLimitBar::dismiss);
    hide();
}

QString WatchLimitBar::messageFor(int recrawlSeconds)
{
    return tr("Not every folder can be watched for changes: the system's limit "
              "(fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s "
              "instead, so changes there show up late.\nTo raise the limit: sudo sysctl "
              "fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in "
              "/etc/sysctl.d/)")
        .arg(recrawlSeconds);
}

void WatchLimitBar::showNotice(int recrawlSeconds)
{
    if (mDismissed)
        return;
    mLabel->setText(messageFor(recrawlSeconds));
    show();
}

QString WatchLimitBar::text() const
{
    return mLabel->text();
}

void WatchLimitBar::dismiss()
{
    mDismissed = true;
    hide();
}

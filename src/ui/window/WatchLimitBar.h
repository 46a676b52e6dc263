#pragma once

#include <QFrame>

class QLabel;

// A line across the top of the window once the system refused to watch every folder for
// changes: what that means for the lists, and how to raise the limit. Closing it hides it for
// the rest of the session, however often the search says so again.
class WatchLimitBar : public QFrame
{
    Q_OBJECT
public:
    explicit WatchLimitBar(QWidget* parent = nullptr);

    // recrawlSeconds: how often the folders left unwatched are read again meanwhile.
    void showNotice(int recrawlSeconds);
    bool isDismissed() const { return mDismissed; }
    QString text() const;
    static QString messageFor(int recrawlSeconds);

public Q_SLOTS:
    void dismiss();

private:
    QLabel* mLabel = nullptr;
    bool mDismissed = false;
};

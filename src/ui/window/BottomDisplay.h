#pragma once

#include <QWidget>

class QHBoxLayout;

// The strip at the bottom of the window: the displayed path as a row of clickable components.
// Double-clicking a folder component opens that folder in the file manager. Names are shortened
// only when the whole path does not fit, the longest first.
class BottomDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit BottomDisplay(QWidget* parent = nullptr);

    void setPath(const QString& path);
    QString path() const { return mPath; }
    // The full path behind each component, root first ("/", "/home", "/home/me", ...).
    QStringList componentPaths() const;

    // The texts the components show now, elided to their width, root first.
    QStringList shownTexts() const;

    // The strip's fill: the pale blue-grey of old on light desktops, a shade of the window's
    // colour on dark ones.
    static QColor backgroundColor(const QPalette& palette);

Q_SIGNALS:
    // Emitted for a component whose path is an existing folder, after asking the file manager.
    void folderOpened(const QString& path);

public Q_SLOTS:
    void doubleClickedComponent(const QString& componentPath);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Gives each component the width its name may take.
    void fitComponents();

    QString mPath;
    QHBoxLayout* mLayout;
};

#pragma once

#include "brush/BrushFile.h"

#include <QDialog>
#include <QImage>
#include <QPair>
#include <atomic>
#include <memory>

class QAction;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QVBoxLayout;
class BrushCanvas;
class ScratchCanvas;

// One brush of a file, large: fitted to the window or at 100, 200 or 400 per cent (whole pixels
// above 100 so hard edges stay hard), on a checkerboard, white or black, with its facts beside
// it. Left and Right step through the file's brushes, then its patterns, numbered as the grid
// numbers them; a pattern shows once, in its own colours. A brush's stroke shows above its
// settings, and the Try tab is a sheet to paint on with it.
class BrushViewer : public QDialog
{
    Q_OBJECT
public:
    enum Zoom
    {
        FitToWindow = 0,
        Actual = 1,
        Double = 2,
        Quadruple = 4
    };
    enum Background
    {
        Checkerboard,
        White,
        Black
    };

    BrushViewer(BrushFilePtr file, int index, QWidget* parent = nullptr);
    ~BrushViewer() override;

    void showBrush(int index);
    int index() const { return mIndex; }
    const BrushFilePtr& brushFile() const { return mFile; }
    void setZoom(Zoom zoom);
    Zoom zoom() const;
    void setBackground(Background background);
    // A button for action beside Previous and Next (the window's star, say); the action's
    // shortcut works here too.
    void addControl(QAction* action);
    // How many screen pixels one brush pixel takes now.
    double scale() const;
    // The size of the brush's picture as last painted: a computed tip is drawn at the size it is
    // shown, in device pixels, never above its own nor past ComputedBrush::kMaxDrawingPixels.
    QSize drawnSize() const;

    // The lines of the facts panel, label and value, for a brush at a place in its file.
    static QList<QPair<QString, QString>> factsForBrush(const Brush& brush);
    static QList<QPair<QString, QString>> factsForPattern(const Pattern& pattern);

    // One part of the Settings panel: a group of Photoshop's Brush Settings panel that is on,
    // under its own title, or the tool options a preset carries.
    struct SettingsSection
    {
        QString key; // GroupsOn()'s key, or "tool_options"
        QString title;
        QList<QPair<QString, QString>> values;
    };
    // The groups a brush's preset has on, in the panel's order, then its tool options; empty
    // when it has neither (or is no preset).
    static QList<SettingsSection> settingsForBrush(const Brush& brush);
    // The file's pattern a texture paints through, found by its identifier; null when the file
    // does not hold it.
    static PatternPtr patternForTexture(const BrushFile& file, const Texture& texture);

    // The brush's stroke above the settings, once painted (null before, and for a pattern),
    // and what it says of it: a stand-in for the texture's pattern, a simplified stroke.
    QImage strokeImage() const { return mStrokeImage; }
    QString strokeNote() const;
    // The pages: the brush itself ("Tip") and the sheet to try it on ("Try").
    QTabWidget* tabs() const { return mTabs; }
    ScratchCanvas* scratchCanvas() const { return mScratch; }
    QSlider* tipSizeSlider() const { return mSizeSlider; }

Q_SIGNALS:
    void brushShown(int index);

public Q_SLOTS:
    void showPrevious();
    void showNext();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateFacts();
    void updateSettings(const Brush* brush);
    // Paints the brush's stroke on a pool thread; a newer one, or the viewer's end, cancels it.
    void updateStroke(const BrushPtr& brush);
    void strokeLanded(quint64 serial, QImage image, bool standIn, bool simplified);
    QWidget* buildTryPage();
    void updateTryPage(const BrushPtr& brush);
    void chooseInk();
    void saveSheet();
    QWidget* patternField(const PatternPtr& pattern, QLabel* text);
    int itemCount() const;
    PatternPtr patternAt(int index) const;

    BrushFilePtr mFile;
    int mIndex = -1;
    BrushCanvas* mCanvas;
    QScrollArea* mScrollArea;
    QComboBox* mZoomBox;
    QComboBox* mBackgroundBox;
    QPushButton* mPrevious;
    QPushButton* mNext;
    QLabel* mPlace;
    QHBoxLayout* mControls = nullptr;
    QFormLayout* mFacts;
    QWidget* mSettingsPane;
    QVBoxLayout* mSettings;
    QTabWidget* mTabs;
    QLabel* mStroke;
    QLabel* mStrokeNote;
    QImage mStrokeImage;
    quint64 mStrokeSerial = 0;
    std::shared_ptr<std::atomic<bool>> mStrokeCancel;
    QWidget* mTryPage = nullptr;
    ScratchCanvas* mScratch = nullptr;
    QSlider* mSizeSlider = nullptr;
    QLabel* mSizeValue = nullptr;
    QToolButton* mInkButton = nullptr;
    QSpinBox* mPressureBox = nullptr;
    QAction* mUndoAction = nullptr;
};

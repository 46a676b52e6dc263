#pragma once

#include "ui/window/ColorSchemePortal.h"

#include <QObject>
#include <QPalette>

// The program's colours, as View ▸ Theme chooses them: the system's, light or dark. "System"
// follows the desktop's colour-scheme preference where the settings portal states one; where
// none is stated, the desktop's own palette and style stay. Dark is our own dark palette on
// Fusion unless the desktop's palette is dark already. The choice is remembered.
class AppTheme : public QObject
{
    Q_OBJECT
public:
    enum eChoice
    {
        eSystem,
        eLight,
        eDark,
    };

    // Takes the desktop's style and palette as they are now, then applies the remembered choice.
    explicit AppTheme(const QString& desktopStyle, QObject* parent = nullptr);
    ~AppTheme() override;

    eChoice choice() const { return mChoice; }
    // Applies and remembers.
    void setChoice(eChoice choice);
    ColorSchemePortal::ePreference desktopPreference() const { return mPreference; }
    void setDesktopPreference(ColorSchemePortal::ePreference preference);
    // Whether the colours shown now are dark ones.
    bool isDark() const;

    static QPalette darkPalette();

Q_SIGNALS:
    void changed();

private:
    void apply();
    void useStyle(const QString& name);

    QString mDesktopStyle;
    QString mStyle;
    bool mDesktopIsDark;
    bool mOverriding = false; // our palette rather than the desktop's
    eChoice mChoice = eSystem;
    ColorSchemePortal::ePreference mPreference = ColorSchemePortal::eNoPreference;
};

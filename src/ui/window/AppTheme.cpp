#include "ui/window/AppTheme.h"

#include "ui/window/KelbrinStyle.h"

#include <QApplication>
#include <QSettings>
#include <QStyle>

namespace {
const char* const kThemeKey = "theme";
const char* const kChoiceNames[] = {"system", "light", "dark"};
const QString kFusion = QStringLiteral("Fusion");

bool IsDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}
} // namespace

AppTheme::AppTheme(const QString& desktopStyle, QObject* parent)
    : QObject(parent), mDesktopStyle(desktopStyle), mStyle(desktopStyle),
      mDesktopIsDark(IsDarkPalette(QApplication::palette()))
{
    const QString saved = QSettings().value(kThemeKey).toString();
    for (int i = eSystem; i <= eDark; ++i)
        if (saved == QLatin1String(kChoiceNames[i]))
            mChoice = eChoice(i);
    if (mChoice != eSystem)
        apply();
}

AppTheme::~AppTheme()
{
    // Whoever set app-wide colours takes them back; a theme made after this one then sees the
    // desktop's own.
    if (mOverriding) {
        useStyle(mDesktopStyle);
        QApplication::setPalette(QPalette());
    }
}

void AppTheme::setChoice(eChoice choice)
{
    QSettings().setValue(kThemeKey, QString::fromLatin1(kChoiceNames[choice]));
    if (choice == mChoice)
        return;
    mChoice = choice;
    apply();
}

void AppTheme::setDesktopPreference(ColorSchemePortal::ePreference preference)
{
    if (preference == mPreference)
        return;
    mPreference = preference;
    if (mChoice == eSystem)
        apply();
}

bool AppTheme::isDark() const
{
    return IsDarkPalette(QApplication::palette());
}

void AppTheme::useStyle(const QString& name)
{
    if (name == mStyle)
        return;
    mStyle = name;
    QApplication::setStyle(new KelbrinStyle(name));
}

void AppTheme::apply()
{
    bool wantDark = mDesktopIsDark;
    if (mChoice == eDark || (mChoice == eSystem && mPreference == ColorSchemePortal::ePreferDark))
        wantDark = true;
    else if (mChoice == eLight ||
             (mChoice == eSystem && mPreference == ColorSchemePortal::ePreferLight))
        wantDark = false;

    mOverriding = wantDark != mDesktopIsDark;
    if (!mOverriding) {
        // The desktop's own look; an empty palette lets it follow the desktop's changes again.
        useStyle(mDesktopStyle);
        QApplication::setPalette(QPalette());
    } else {
        // Desktop styles may draw with colours of their own, so our palette goes on Fusion,
        // which takes every colour from it.
        useStyle(kFusion);
        QApplication::setPalette(wantDark ? darkPalette()
                                          : QApplication::style()->standardPalette());
    }
    Q_EMIT changed();
}

QPalette AppTheme::darkPalette()
{
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), dim(127, 127, 127);
    QPalette p(window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::PlaceholderText, dim);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 90, 90));
    p.setColor(QPalette::Light, QColor(75, 75, 75));
    p.setColor(QPalette::Midlight, QColor(64, 64, 64));
    p.setColor(QPalette::Mid, QColor(80, 80, 80));
    p.setColor(QPalette::Dark, QColor(30, 30, 30));
    p.setColor(QPalette::Shadow, QColor(15, 15, 15));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(90, 160, 240));
    p.setColor(QPalette::LinkVisited, QColor(170, 130, 230));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
    p.setColor(QPalette::ToolTipText, text);
    for (QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::HighlightedText})
        p.setColor(QPalette::Disabled, role, dim);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    return p;
}

#include "ui/window/AppTheme.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/ColorSchemePortal.h"
#include "ui/window/KelbrinApplication.h"

#include <QAction>
#include <QApplication>
#include <QDBusVariant>
#include <QProxyStyle>
#include <QSettings>
#include <QStyle>
#include <gtest/gtest.h>

namespace {
bool DarkNow()
{
    return QApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
}

// The application's style is our proxy; what it draws with is its base.
QString BaseStyle()
{
    const auto* proxy = qobject_cast<const QProxyStyle*>(QApplication::style());
    return proxy ? proxy->baseStyle()->name() : QApplication::style()->name();
}
} // namespace

// The tests run on a light desktop palette with no portal, so "System" is light until a
// preference arrives; a choice outlives the theme object that made it.
TEST(AppTheme, ChoiceSwitchesThePaletteIsRememberedAndSystemFollowsTheDesktop)
{
    const QString desktopStyle = BaseStyle();
    ASSERT_FALSE(DarkNow());
    {
        AppTheme theme(desktopStyle);
        theme.setChoice(AppTheme::eDark);
        EXPECT_TRUE(DarkNow());
        EXPECT_TRUE(theme.isDark());
        EXPECT_EQ(BaseStyle().toLower(), QStringLiteral("fusion"));
        theme.setDesktopPreference(ColorSchemePortal::ePreferLight); // a choice outranks it
        EXPECT_TRUE(DarkNow());
    }
    AppTheme theme(desktopStyle);
    EXPECT_EQ(theme.choice(), AppTheme::eDark);
    EXPECT_TRUE(DarkNow());
    theme.setChoice(AppTheme::eLight);
    EXPECT_FALSE(DarkNow());
    theme.setChoice(AppTheme::eSystem);
    EXPECT_FALSE(DarkNow());
    theme.setDesktopPreference(ColorSchemePortal::ePreferDark);
    EXPECT_TRUE(DarkNow());
    theme.setDesktopPreference(ColorSchemePortal::eNoPreference);
    EXPECT_FALSE(DarkNow());
    EXPECT_EQ(BaseStyle(), desktopStyle) << "the desktop's own style is back";
    EXPECT_EQ(QSettings().value("theme").toString(), QStringLiteral("system"));
    QSettings().remove("theme");
}

TEST(AppTheme, ViewMenuChoosesTheApplicationsTheme)
{
    AppTheme* theme = KelbrinApplication::instance()->theme();
    BrushWindow window;
    auto* dark = window.findChild<QAction*>(QStringLiteral("theme%1").arg(int(AppTheme::eDark)));
    auto* system =
        window.findChild<QAction*>(QStringLiteral("theme%1").arg(int(AppTheme::eSystem)));
    ASSERT_TRUE(dark && system);
    EXPECT_TRUE(system->isChecked());
    dark->trigger();
    EXPECT_EQ(theme->choice(), AppTheme::eDark);
    EXPECT_TRUE(DarkNow());
    system->trigger();
    EXPECT_FALSE(DarkNow());
    QSettings().remove("theme");
}

// ReadOne answers with the value as a variant; Read wraps that in one more.
TEST(ColorSchemePortal, ValuesUnwrapAndUnknownOnesMeanNoPreference)
{
    const QVariant readOne = QVariant::fromValue(QDBusVariant(QVariant(uint(1))));
    const QVariant read = QVariant::fromValue(QDBusVariant(readOne));
    EXPECT_EQ(ColorSchemePortal::preferenceFromValue(readOne), ColorSchemePortal::ePreferDark);
    EXPECT_EQ(ColorSchemePortal::preferenceFromValue(read), ColorSchemePortal::ePreferDark);
    EXPECT_EQ(ColorSchemePortal::preferenceFromValue(QVariant(uint(2))),
              ColorSchemePortal::ePreferLight);
    for (const QVariant& odd : {QVariant(uint(7)), QVariant(QStringLiteral("dark")), QVariant()})
        EXPECT_EQ(ColorSchemePortal::preferenceFromValue(odd), ColorSchemePortal::eNoPreference);
}

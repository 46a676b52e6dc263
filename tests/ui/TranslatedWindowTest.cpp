#include "platform/Translations.h"
#include "ui/window/BrushWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QToolBar>
#include <gtest/gtest.h>
#include <iostream>

namespace {
const char kChildVariable[] = "KELBRIN_TEST_PRINT_TRANSLATED_MENUS";

void CollectTexts(const QList<QAction*>& actions, QStringList& texts)
{
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        if (!action->text().isEmpty())
            texts << action->text();
        if (const QMenu* menu = action->menu())
            CollectTexts(menu->actions(), texts);
    }
}

// Every menu entry and toolbar button, submenus included.
QStringList MenuTexts(const BrushWindow& window)
{
    QStringList texts;
    CollectTexts(window.menuBar()->actions(), texts);
    for (const QToolBar* toolbar : window.findChildren<QToolBar*>())
        CollectTexts(toolbar->actions(), texts);
    return texts;
}

// Runs this program again, as the window program starts, with the given locale variables:
// translations are installed once per process.
QStringList MenusOfChild(const QStringList& variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    for (const QString& variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    environment.insert(QLatin1String(kChildVariable), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=TranslatedWindow.PrintsItsMenus")});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return {QStringLiteral("the child failed: ") +
                QString::fromUtf8(child.readAllStandardError())};
    QStringList texts;
    for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QLatin1String("MENU\t")))
            texts << line.mid(5);
    return texts;
}
} // namespace

// Only as the child of the test below.
TEST(TranslatedWindow, PrintsItsMenus)
{
    if (!qEnvironmentVariableIsSet(kChildVariable))
        GTEST_SKIP() << "run by MenusFollowLanguageAsGettextDoes";
    InstallTranslations();
    BrushWindow window;
    for (const QString& text : MenuTexts(window))
        std::cout << "MENU\t" << text.toStdString() << '\n';
}

// LANGUAGE names the languages wanted, unless the locale is C; the German window leaves no
// menu entry in English but those German writes alike.
TEST(TranslatedWindow, MenusFollowLanguageAsGettextDoes)
{
    if (qEnvironmentVariableIsSet(kChildVariable))
        GTEST_SKIP();
    QStringList english;
    {
        BrushWindow window;
        english = MenuTexts(window);
    }
    ASSERT_TRUE(english.contains(QStringLiteral("&File")));

    const QStringList german =
        MenusOfChild({QStringLiteral("LANGUAGE=de"), QStringLiteral("LANG=en_US.UTF-8")});
    ASSERT_EQ(german.size(), english.size()) << german.join('\n').toStdString();
    for (const char* word : {"&Datei", "&Ansicht", "&Hilfe", "Installieren", "In den Papierkorb"})
        EXPECT_TRUE(german.contains(QString::fromUtf8(word))) << word;
    // Names, words German shares with English, and the recent files' names.
    const QStringList alike{QStringLiteral("GIMP"), QStringLiteral("Krita"),
                            QStringLiteral("&System")};
    for (qsizetype i = 0; i < english.size(); ++i)
        if (german[i] == english[i] && !alike.contains(english[i]) &&
            !english[i].endsWith(QLatin1String(".abr")))
            ADD_FAILURE() << "left in English: " << english[i].toStdString();

    // A language without a catalogue is passed over for the next one.
    EXPECT_EQ(MenusOfChild({QStringLiteral("LANGUAGE=tlh:de"), QStringLiteral("LANG=en_US.UTF-8")}),
              german);
    // As with gettext, the C locale means English whatever LANGUAGE says.
    EXPECT_EQ(MenusOfChild({QStringLiteral("LANGUAGE=de"), QStringLiteral("LANG=C")}), english);
}

#include "platform/Translations.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {
struct LanguagesCase
{
    const char* name;
    QStringList variables;
    QStringList languages;
};

class MessageLanguagesTest : public testing::TestWithParam<LanguagesCase>
{
};

// %1, %n and %Ln, sorted: a translation must use the same ones as its source.
QStringList Placeholders(const QString& text)
{
    QStringList found;
    const QRegularExpression placeholder(QStringLiteral("%(L?n|[0-9]{1,2})"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}
} // namespace

// As GNU gettext reads them: LC_ALL over LC_MESSAGES over LANG for the locale, LANGUAGE's list
// over the locale unless the locale is C; each language followed by its bare form.
TEST_P(MessageLanguagesTest, FollowGettextsVariables)
{
    QProcessEnvironment environment;
    for (const QString& variable : GetParam().variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    EXPECT_EQ(MessageLanguages(environment), GetParam().languages);
}

INSTANTIATE_TEST_SUITE_P(
    Translations, MessageLanguagesTest,
    testing::Values(
        LanguagesCase{"Nothing", {}, {}},
        LanguagesCase{"LangAlone", {"LANG=de_DE.UTF-8"}, {"de_DE", "de"}},
        LanguagesCase{"ModifierDropped", {"LANG=de_DE.UTF-8@euro"}, {"de_DE", "de"}},
        LanguagesCase{
            "LanguageList", {"LANGUAGE=fr:pt_BR", "LANG=en_US.UTF-8"}, {"fr", "pt_BR", "pt"}},
        LanguagesCase{"EmptyEntriesSkipped", {"LANGUAGE=:ja::", "LANG=en_US.UTF-8"}, {"ja"}},
        LanguagesCase{
            "EmptyLanguageMeansLocale", {"LANGUAGE=", "LANG=es_ES.UTF-8"}, {"es_ES", "es"}},
        LanguagesCase{"LcAllOverLang", {"LC_ALL=zh_CN.UTF-8", "LANG=de_DE"}, {"zh_CN", "zh"}},
        LanguagesCase{
            "LcMessagesOverLang", {"LC_MESSAGES=ja_JP.UTF-8", "LANG=de_DE"}, {"ja_JP", "ja"}},
        LanguagesCase{"CLocaleIgnoresLanguage", {"LANGUAGE=de", "LANG=C.UTF-8"}, {}},
        LanguagesCase{"PosixIgnoresLanguage", {"LANGUAGE=de", "LC_ALL=POSIX", "LANG=de_DE"}, {}},
        LanguagesCase{"NoLocaleIgnoresLanguage", {"LANGUAGE=de"}, {}},
        LanguagesCase{"BareFormsNotRepeated",
                      {"LANGUAGE=de_AT:de_DE:de", "LANG=de_AT.UTF-8"},
                      {"de_AT", "de", "de_DE"}}),
    [](const testing::TestParamInfo<LanguagesCase>& info) { return info.param.name; });

// A translation that drops or invents a placeholder shows the wrong number or file, or a raw
// "%2"; lrelease does not notice. Accelerators too: a menu entry without its & cannot be
// reached from the keyboard.
TEST(Translations, KeepTheSourcesPlaceholdersAndAccelerators)
{
    const QDir folder(QStringLiteral(KELBRIN_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation") ||
                       xml.name() == QLatin1String("numerusform")) {
                const bool unfinished =
                    xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (translation.isEmpty() || unfinished)
                    continue;
                EXPECT_EQ(Placeholders(translation), Placeholders(source))
                    << name.toStdString() << ": " << source.toStdString() << " -> "
                    << translation.toStdString();
                const bool accelerated =
                    source.contains(QRegularExpression(QStringLiteral("&[^& ]")));
                EXPECT_EQ(translation.contains(QRegularExpression(QStringLiteral("&[^& ]"))),
                          accelerated)
                    << name.toStdString() << ": " << source.toStdString() << " -> "
                    << translation.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString();
    }
}

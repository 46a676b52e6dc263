#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {
// "de_DE.UTF-8@euro" -> "de_DE"
QString WithoutCodesetAndModifier(QString name)
{
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        name.truncate(cut);
    return name;
}

struct Catalogues
{
    // Most wanted first. They live as long as the program: Qt keeps only pointers to them.
    std::vector<std::unique_ptr<QTranslator>> translators;
    QString language;
    bool installed = false;
};

// The first call's environment counts; without one, the process's. Later calls build none:
// every text shown asks for the catalogues.
Catalogues& LoadedCatalogues(const QProcessEnvironment* environment = nullptr)
{
    static Catalogues catalogues = [&] {
        Catalogues loaded;
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        const QStringList languages =
            MessageLanguages(environment ? *environment : QProcessEnvironment::systemEnvironment());
        for (const QString& language : languages) {
            auto own = std::make_unique<QTranslator>();
            if (own->load(QStringLiteral("kelbrin_") + language, QStringLiteral(":/i18n"))) {
                if (loaded.language.isEmpty())
                    loaded.language = language;
                loaded.translators.push_back(std::move(own));
            }
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qtbase_") + language, qtFolder))
                loaded.translators.push_back(std::move(qt));
        }
        // "%n brush(es)" reads "1 brush" and "2 brushes" only through a catalogue.
        auto english = std::make_unique<QTranslator>();
        if (english->load(QStringLiteral("kelbrin_en"), QStringLiteral(":/i18n")))
            loaded.translators.push_back(std::move(english));
        return loaded;
    }();
    return catalogues;
}

// What QCoreApplication::translate does to a translated plural.
QString WithCount(QString text, int n)
{
    if (n < 0)
        return text;
    text.replace(QLatin1String("%Ln"), QLocale().toString(n));
    return text.replace(QLatin1String("%n"), QString::number(n));
}
} // namespace

QStringList MessageLanguages(const QProcessEnvironment& environment)
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(variable));
        if (!locale.isEmpty())
            break;
    }
    const QString bareLocale = WithoutCodesetAndModifier(locale);
    if (bareLocale.isEmpty() || bareLocale == QLatin1String("C") ||
        bareLocale == QLatin1String("POSIX"))
        return {};
    QStringList wanted =
        environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        wanted << locale;
    QStringList languages;
    for (const QString& entry : std::as_const(wanted)) {
        const QString name = WithoutCodesetAndModifier(entry);
        for (const QString& candidate : {name, name.section(QLatin1Char('_'), 0, 0)}) {
            if (!candidate.isEmpty() && !languages.contains(candidate))
                languages << candidate;
        }
    }
    return languages;
}

QString InstallTranslations(const QProcessEnvironment& environment)
{
    Catalogues& catalogues = LoadedCatalogues(&environment);
    if (QCoreApplication::instance() && !catalogues.installed) {
        catalogues.installed = true;
        // Qt asks the translator installed last first: install the least wanted first.
        for (auto it = catalogues.translators.crbegin(); it != catalogues.translators.crend(); ++it)
            QCoreApplication::installTranslator(it->get());
    }
    return catalogues.language;
}

QString Translated(const char* context, const char* sourceText, const char* disambiguation, int n)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, sourceText, disambiguation, n);
    for (const auto& translator : LoadedCatalogues().translators) {
        const QString text = translator->translate(context, sourceText, disambiguation, n);
        if (!text.isEmpty())
            return WithCount(text, n);
    }
    return WithCount(QString::fromUtf8(sourceText), n);
}

#pragma once

#include <QStringList>

#include <QProcessEnvironment>

// The languages the user asked messages in, most wanted first, as GNU gettext reads them:
// LANGUAGE's colon list, unless the message locale (LC_ALL, else LC_MESSAGES, else LANG) is
// "C" or "POSIX", which means untranslated. Each entry is followed by its bare language
// ("pt_BR.UTF-8" gives "pt_BR", "pt"), without duplicates.
QStringList MessageLanguages(const QProcessEnvironment& environment);

// Loads the program's own translations and Qt's for the languages of the environment, once
// (the first call's environment counts), and installs them in the application object if there
// is one; call it again once one is made. A message missing from the first language comes from
// the next one, as with gettext, and at last from English, whose catalogue holds only the
// plural forms. Returns the language of the first catalogue found, or "" for English.
QString InstallTranslations(
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// QCoreApplication::translate, also before there is an application object (kelbrin-cli runs
// most commands without one). lupdate is told to read it as translate().
QString Translated(const char* context, const char* sourceText,
                   const char* disambiguation = nullptr, int n = -1);

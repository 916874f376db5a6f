#pragma once
// The language the window and the runner speak: Russian, the texts as the
// sources hold them, or English through the installed translation. It
// follows the system's locale (an English one gives English; a Russian
// one, C and any other give Russian) unless "--lang ru|en" chose it. Set
// once at start-up, before any text is shown, and only read afterwards.
// Names a program reads never change with it: the file formats, the cases
// file's syntax, JSON keys and the report's column keys.

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include "core/text/Language.h"

enum class UiLanguage { Russian, English };

// A text the user reads, its Russian source as the sources hold it, in the
// current language: the installed translation's, or the source itself.
// `context` is the file the text lives in (the translation's context).
inline QString Tr(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

namespace Language {

UiLanguage Current();
void SetCurrent(UiLanguage language);
// The language a locale asks for: English for English locales, else Russian.
UiLanguage ForLocale(const QLocale& locale);
// "ru" or "en" (a --lang value), any case; nothing for any other word.
std::optional<UiLanguage> FromName(const QString& name);
inline bool English() {
    return Current() == UiLanguage::English;
}
// Makes `language` current for the application: for English the
// translation is installed, from `qmFile` when given, else the one built
// into the program; for Russian an installed one is taken out again. False
// when the translation could not be loaded (the texts then stay Russian).
bool Install(UiLanguage language, const QString& qmFile = QString());
// The language a program starts in: "--lang ru|en" among `arguments`
// (before a "--"), else the system's locale's. `error` gets a usage
// error's words (an unknown or missing value), and the choice is Russian.
UiLanguage Choose(const QStringList& arguments, QString& error);

}  // namespace Language

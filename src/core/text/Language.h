#pragma once
// The language the window and the runner speak: Russian, the texts as the
// sources hold them, or English through the installed translation. It
// follows the system's locale (an English one gives English; a Russian
// one, C and any other give Russian) unless "--lang ru|en" chose it. Set
// once at start-up, before any text is shown, and only read afterwards.
// Names a program reads never change with it: the file formats, the cases
// file's syntax, JSON keys and the report's column keys.

#include <QLocale>
#include <QString>
#include <optional>

enum class UiLanguage { Russian, English };

namespace Language {

UiLanguage Current();
void SetCurrent(UiLanguage language);
// The language a locale asks for: English for English locales, else Russian.
UiLanguage ForLocale(const QLocale& locale);
// "ru" or "en" (a --lang value), any case; nothing for any other word.
std::optional<UiLanguage> FromName(const QString& name);
// "ru" or "en".
QString Name(UiLanguage language);
inline bool English() {
    return Current() == UiLanguage::English;
}

}  // namespace Language

#include "core/text/Language.h"

#include <atomic>

namespace {

std::atomic<UiLanguage> current{UiLanguage::Russian};

}  // namespace

namespace Language {

UiLanguage Current() {
    return current.load(std::memory_order_relaxed);
}

void SetCurrent(UiLanguage language) {
    current.store(language, std::memory_order_relaxed);
}

UiLanguage ForLocale(const QLocale& locale) {
    return locale.language() == QLocale::English ? UiLanguage::English : UiLanguage::Russian;
}

std::optional<UiLanguage> FromName(const QString& name) {
    const QString word = name.trimmed().toLower();
    if (word == u"ru") {
        return UiLanguage::Russian;
    }
    if (word == u"en") {
        return UiLanguage::English;
    }
    return std::nullopt;
}

QString Name(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ru");
}

}  // namespace Language

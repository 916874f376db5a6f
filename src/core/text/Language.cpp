#include "core/text/Language.h"

#include <QTranslator>
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

bool Install(UiLanguage language, const QString& qmFile) {
    // The one translation installed, owned by the application.
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    SetCurrent(UiLanguage::Russian);
    if (language != UiLanguage::English) {
        return true;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(qmFile.isEmpty() ? QStringLiteral(":/i18n/zebrin42_en.qm") : qmFile)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    SetCurrent(UiLanguage::English);
    return true;
}

UiLanguage Choose(const QStringList& arguments, QString& error) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == u"--") {
            break;
        }
        QString value;
        if (word == u"--lang") {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("--lang wants ru or en");
                return UiLanguage::Russian;
            }
            value = arguments[i + 1];
        } else if (word.startsWith(u"--lang=")) {
            value = word.mid(7);
        } else {
            continue;
        }
        if (const std::optional<UiLanguage> chosen = FromName(value)) {
            return *chosen;
        }
        error = QStringLiteral("--lang wants ru or en, not %1").arg(value);
        return UiLanguage::Russian;
    }
    return ForLocale(QLocale::system());
}

}  // namespace Language

#include "window/main/Desktop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

#include "core/text/Language.h"

namespace Desktop {

bool LoadQtTranslation(QApplication& app) {
    // One translator for the whole run, owned by the application.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

QIcon ProgramIcon() {
    QIcon builtIn;
    for (const int size : {16, 32, 48, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/zebrin42.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("zebrin42"), builtIn);
}

void Configure(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Zebrin42"));
    QApplication::setApplicationVersion(QStringLiteral(ZEBRIN_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromUtf16(kDesktopFileName));
    QApplication::setWindowIcon(ProgramIcon());
    // Qt's own dialogs speak Russian with the window; in English they are
    // Qt's source texts already.
    if (!Language::English()) {
        LoadQtTranslation(app);
    }
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace Desktop

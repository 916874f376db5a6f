// The desktop program's entry. `zebrin42 [--lang ru|en] [FILE]` opens the
// window, in the language chosen or the system locale's, with the
// Post machine current and, given a document, opens it in the machine its
// first bytes name, as File > Open would. `--help` and `--version` answer on
// standard output without a display, before Qt's GUI starts; a usage error
// is reported on standard error with status 2.

#include <QApplication>
#include <QFont>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "core/text/Language.h"
#include "window/main/Desktop.h"
#include "window/main/MainWindow.h"

namespace {

constexpr char kUsage[] =
    "Usage: zebrin42 [--lang ru|en] [FILE]\n"
    "Post machine and Turing machine trainer.\n"
    "\n"
    "  FILE          a Post machine (.pst) or Turing machine (.tur) document to\n"
    "                open; its first bytes decide the machine\n"
    "  --lang ru|en  the interface's language (default: the system locale's,\n"
    "                English for an English locale, else Russian)\n"
    "  -h, --help    show this help and exit\n"
    "  -v, --version show the version and exit\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are accepted too.\n";

bool Is(const char* argument, const char* shortName, const char* longName) {
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

// --help and --version, answered without a display; -1 to go on.
int AnswerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        if (Is(argv[i], "-h", "--help") || std::strcmp(argv[i], "--help-all") == 0) {
            std::fputs(kUsage, stdout);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
        }
        if (Is(argv[i], "-v", "--version")) {
            std::fputs("zebrin42 " ZEBRIN_VERSION "\n", stdout);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
        }
    }
    return -1;
}

int UsageError(const QString& message) {
    std::fprintf(stderr, "zebrin42: %s\n%s", message.toLocal8Bit().constData(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = AnswerWithoutWindow(argc, argv); status >= 0) {
        return status;
    }
    QApplication app(argc, argv);
    QString languageError;
    const UiLanguage language = Language::Choose(QApplication::arguments().mid(1), languageError);
    if (!languageError.isEmpty()) {
        return UsageError(languageError);
    }
    Language::Install(language);
    Desktop::Configure(app);

    // What is left once Qt took its own options.
    QStringList files;
    bool optionsEnd = false;
    const QStringList arguments = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnd && argument == u"--lang") {
            ++i;  // its value, read above
        } else if (!optionsEnd && argument.startsWith(u"--lang=")) {
            continue;
        } else if (!optionsEnd && argument == u"--") {
            optionsEnd = true;
        } else if (!optionsEnd && argument.startsWith(u'-') && argument.size() > 1) {
            return UsageError(QStringLiteral("unknown option %1").arg(argument));
        } else {
            files.append(argument);
        }
    }
    if (files.size() > 1) {
        return UsageError(QStringLiteral("one document at a time"));
    }

    // The window is laid out for a small 8-point face, as its panels' fixed
    // widths assume.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    MainWindow form;
    Desktop::CentreOnScreen(form);
    form.show();
    if (!files.isEmpty()) {
        // Once the window is on screen, so a message about the document
        // stands over it.
        const QString path = files.front();
        QTimer::singleShot(0, &form, [&form, path] { form.OpenDocument(path); });
    }
    return app.exec();
}

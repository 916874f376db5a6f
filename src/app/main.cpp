// The desktop program's entry: the application takes its name, creates the
// main window with the Post machine current and runs the event loop until
// the window closes. Command-line arguments are ignored.

#include <QApplication>
#include <QFont>

#include "window/main/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zebrin42"));
    // The window is laid out for a small 8-point face, as its panels' fixed
    // widths assume.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    MainWindow form;
    form.show();
    return app.exec();
}

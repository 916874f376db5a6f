// The desktop program's entry: the application takes its name, creates the
// main window with the Post machine current and runs the event loop until
// the window closes. Command-line arguments are ignored.

#include <QApplication>

#include "shell/TMainForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zebrin42"));
    TMainForm form;
    form.show();
    return app.exec();
}

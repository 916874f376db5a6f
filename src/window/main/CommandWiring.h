#pragma once
// Connects every main-menu item (and so every toolbar button and pop-up
// item, which run the main item they stand for) to its command: the file
// commands, the interpreter switch, tape editing, the table row and column
// commands, the clearing commands, the run commands and the speeds. The
// commands themselves live in the core and in the panels; this class only
// decides which one a menu item runs and where the focus goes afterwards.

#include <QObject>

class MainWindow;

class CommandWiring : public QObject {
    Q_OBJECT
public:
    explicit CommandWiring(MainWindow& form);

private:
    void WireFile();
    void WireCommands();
    void WireRun();
    // Where the symbol list opens: under the write-symbol button, or below the
    // selected tape cell when asked from the tape's pop-up menu (or from the
    // menu while the toolbar is hidden).
    void ChangeSymbol(bool fromPopup);
    void FocusTable();

    MainWindow& form_;
};

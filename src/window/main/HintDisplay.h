#pragma once
// The application's hint display. A hint has a short part for the tooltip
// and a long part for the status line, joined by "|"; a hint without "|" is
// both. Installed on the main window, it catches every status tip that
// reaches the window (controls under the pointer, toolbar buttons,
// highlighted menu items, the message dialog's buttons) and writes two
// spaces and the long part into the Workbench's message panel. The tip
// never reaches QMainWindow, so no temporary message covers the panels.

#include <QObject>
#include <QString>

class QWidget;
class Workbench;

class HintDisplay : public QObject {
    Q_OBJECT
public:
    HintDisplay(Workbench& bench, QWidget* window);

    static QString ShortHint(const QString& hint);
    static QString LongHint(const QString& hint);
    // What the message panel shows for a hint: the panel is one line, so line
    // breaks in the long part show as spaces.
    static QString StatusText(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Workbench& bench_;
    QWidget* window_;
};

#pragma once
// The number ruler above the tape (sgNum): one row of 27 cells with the
// tape grid's column widths, each showing the number of the cell below it
// when that cell is on the tape. It reads the current machine's carriage at
// every paint; it takes neither the focus nor the mouse.

#include <QWidget>

class Workbench;

class TapeRulerWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 15;
    static QColor NumberColour() { return Qt::blue; }

    explicit TapeRulerWidget(Workbench& bench, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Workbench& bench_;
};

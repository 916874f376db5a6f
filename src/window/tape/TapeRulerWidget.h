#pragma once
// The number ruler above the tape: one row of 27 cells with the
// tape grid's column widths, each showing the number of the cell below it
// when that cell is on the tape. It reads the current machine's carriage at
// every paint; it takes neither the focus nor the mouse.

#include <QWidget>

class Workbench;

class TapeRulerWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 15;
    explicit TapeRulerWidget(Workbench& bench, QWidget* parent = nullptr);

    // The view's zoom: the ruler is drawn scaled by it, as the tape is.
    void SetZoom(qreal zoom);

    // The numbers' face: the window's font, narrowed until "-999" leaves
    // its neighbour a gap.
    QFont NumberFont() const;
    // Where `text` stands when it is the number of column `col`.
    QRect NumberRect(int col, const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Workbench& bench_;
    qreal zoom_ = 1;
};

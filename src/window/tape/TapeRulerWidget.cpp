#include "window/tape/TapeRulerWidget.h"

#include <QPainter>

#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"
#include "window/tape/TapeGridWidget.h"

TapeRulerWidget::TapeRulerWidget(Workbench& bench, QWidget* parent)
    : QWidget(parent), bench_(bench) {
    setObjectName(QStringLiteral("sgNum"));
    setFixedSize(TapeGridWidget::GridWidth, RowHeight);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setProperty("helpContext", TapeGridWidget::HelpContext);
}

void TapeRulerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(9);
    // Four characters ("-999") have to fit a 19-pixel column.
    font.setStretch(QFont::Condensed);
    painter.setFont(font);
    painter.setPen(NumberColour());
    const TapeStore& tape = bench_.Current().tape;
    for (int col = 0; col < TapeWindow::Cols; ++col) {
        const int cell = TapeWindow::CellAt(tape.CarriagePos(), col);
        if (!tape.OnTape(cell)) {
            continue;
        }
        const QRect box(TapeGridWidget::ColumnLeft(col), 2, TapeGridWidget::ColumnWidth(col),
                        RowHeight - 2);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::number(cell));
    }
}

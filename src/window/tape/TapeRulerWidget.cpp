#include "window/tape/TapeRulerWidget.h"

#include <QPainter>

#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"
#include "window/resources/WindowColours.h"
#include "window/tape/TapeGridWidget.h"

namespace {

constexpr int kNumberTop = 2;
constexpr int kNumberPixels = 9;
// The widest number on a tape, and the pixels kept free after it, so that
// "-999" and its neighbour never touch.
const QString kWidestNumber = QStringLiteral("-999");
constexpr int kNumberGap = 2;

}  // namespace

TapeRulerWidget::TapeRulerWidget(Workbench& bench, QWidget* parent)
    : QWidget(parent), bench_(bench) {
    setObjectName(QStringLiteral("sgNum"));
    setFixedSize(TapeGridWidget::GridWidth, RowHeight);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setProperty("helpContext", TapeGridWidget::HelpContext);
}

void TapeRulerWidget::SetZoom(qreal zoom) {
    zoom_ = zoom;
    setFixedSize(qRound(TapeGridWidget::GridWidth * zoom), qRound(RowHeight * zoom));
    update();
}

QFont TapeRulerWidget::NumberFont() const {
    // The window's face, narrowed as far as the widest number needs to fit
    // a cell column with its gap.
    QFont number = font();
    number.setPixelSize(kNumberPixels);
    const int room = TapeGridWidget::CellWidth - kNumberGap;
    const int wide = QFontMetrics(number).horizontalAdvance(kWidestNumber);
    if (wide > room) {
        number.setStretch(std::max(50, room * 100 / wide));
    }
    return number;
}

QRect TapeRulerWidget::NumberRect(int col, const QString& text) const {
    const QFontMetrics metrics(NumberFont());
    return QRect(TapeGridWidget::ColumnLeft(col), kNumberTop, metrics.horizontalAdvance(text),
                 std::min(metrics.height(), RowHeight - kNumberTop));
}

void TapeRulerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const WindowColours& colours = WindowColours::Current();
    painter.fillRect(rect(), colours.rulerGround);
    painter.scale(zoom_, zoom_);
    painter.setFont(NumberFont());
    painter.setPen(colours.rulerInk);
    const TapeStore& tape = bench_.Current().tape;
    for (int col = 0; col < TapeWindow::Cols; ++col) {
        const int cell = TapeWindow::CellAt(tape.CarriagePos(), col);
        if (!tape.OnTape(cell)) {
            continue;
        }
        const QRect box(TapeGridWidget::ColumnLeft(col), kNumberTop,
                        TapeGridWidget::ColumnWidth(col), RowHeight - kNumberTop);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::number(cell));
    }
}

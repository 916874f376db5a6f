#include "window/main/ToolPictures.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(128, 128, 128);
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 192);
const QColor kGreen(0, 160, 0);
const QColor kDarkGreen(0, 96, 0);
const QColor kRed(192, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kOlive(128, 128, 0);
const QColor kGold(255, 192, 0);
const QColor kTape(254, 255, 227);  // the tape grids' background

void Fill(QPainter& p, const QPolygon& shape, const QColor& fill, const QColor& line) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawPolygon(shape);
}

// A strip of tape cells with the carriage's cell marked.
void DrawTape(QPainter& p, int top, int cells, int markedCell) {
    const int cellWidth = 5;
    const int left = (22 - cells * cellWidth - 1) / 2;
    p.setPen(kBlack);
    p.setBrush(kTape);
    p.drawRect(left, top, cells * cellWidth, 6);
    for (int c = 1; c < cells; ++c) {
        p.drawLine(left + c * cellWidth, top, left + c * cellWidth, top + 6);
    }
    if (markedCell >= 0) {
        p.fillRect(left + markedCell * cellWidth + 2, top + 2, 2, 3, kBlack);
    }
}

void DrawArrowDown(QPainter& p, int top, int bottom, const QColor& fill) {
    const int head = bottom - 4;
    Fill(p,
         QPolygon({QPoint(9, top), QPoint(12, top), QPoint(12, head), QPoint(15, head),
                   QPoint(10, bottom + 1), QPoint(6, head), QPoint(9, head)}),
         fill, kBlack);
}

void DrawPicture(QPainter& p, int index) {
    switch (index) {
        case 0:  // new: a blank page with a folded corner and a spark
            Fill(p,
                 QPolygon(
                     {QPoint(6, 1), QPoint(14, 1), QPoint(18, 5), QPoint(18, 18), QPoint(6, 18)}),
                 kWhite, kBlack);
            p.drawLine(14, 1, 14, 5);
            p.drawLine(14, 5, 18, 5);
            p.setPen(kGold);
            p.drawLine(1, 3, 5, 3);
            p.drawLine(3, 1, 3, 5);
            p.drawPoint(2, 2);
            p.drawPoint(4, 4);
            break;
        case 1:  // open: a folder with its flap open
            Fill(p,
                 QPolygon({QPoint(1, 5), QPoint(3, 3), QPoint(7, 3), QPoint(9, 5), QPoint(15, 5),
                           QPoint(15, 16), QPoint(1, 16)}),
                 kOlive, kBlack);
            Fill(p, QPolygon({QPoint(1, 16), QPoint(5, 9), QPoint(20, 9), QPoint(16, 16)}), kYellow,
                 kBlack);
            break;
        case 2:  // save: a diskette
            p.setPen(kBlack);
            p.setBrush(kNavy);
            p.drawRect(2, 1, 17, 17);
            p.fillRect(5, 2, 12, 7, kWhite);
            p.fillRect(6, 12, 10, 6, kGrey);
            p.fillRect(12, 13, 2, 4, kNavy);
            break;
        case 3:  // memorise tape: from the tape down into memory
            DrawTape(p, 1, 4, 1);
            DrawArrowDown(p, 9, 18, kBlue);
            break;
        case 4:  // restore tape: from memory down onto the tape
            DrawArrowDown(p, 0, 10, kGreen);
            DrawTape(p, 13, 4, 1);
            break;
        case 5:  // run
            Fill(p, QPolygon({QPoint(6, 3), QPoint(6, 17), QPoint(16, 10)}), kGreen, kDarkGreen);
            break;
        case 6:  // pause
            p.setPen(kNavy);
            p.setBrush(kBlue);
            p.drawRect(6, 4, 3, 12);
            p.drawRect(12, 4, 3, 12);
            break;
        case 7:  // step: one move, then a stop
            Fill(p, QPolygon({QPoint(4, 4), QPoint(4, 16), QPoint(11, 10)}), kGreen, kDarkGreen);
            p.setPen(kNavy);
            p.setBrush(kBlue);
            p.drawRect(14, 4, 3, 12);
            break;
        case 8:  // break
            p.setPen(kDarkRed);
            p.setBrush(kRed);
            p.drawRect(5, 4, 11, 11);
            break;
        case 9:  // mark: a tape with a mark set in its middle cell
        default:
            DrawTape(p, 7, 3, -1);
            p.setPen(QPen(kRed, 2));
            p.drawLine(9, 9, 10, 12);
            p.drawLine(10, 12, 13, 3);
            break;
    }
}

QImage NewImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The disabled look: every dark pixel becomes grey with a white one below
// and right of it; light fills disappear.
QPixmap Embossed(const QImage& source) {
    QImage out = NewImage(source.size());
    auto dark = [&](int x, int y) {
        const QColor c = source.pixelColor(x, y);
        return c.alpha() > 0 && qGray(c.rgb()) < 170;
    };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (dark(x, y) && x + 1 < out.width() && y + 1 < out.height()) {
                out.setPixelColor(x + 1, y + 1, kWhite);
            }
        }
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (dark(x, y)) {
                out.setPixelColor(x, y, kGrey);
            }
        }
    }
    return QPixmap::fromImage(out);
}

}  // namespace

ToolPictures::ToolPictures() {
    for (int i = 0; i < Count; ++i) {
        QImage image = NewImage(PictureSize);
        {
            QPainter painter(&image);
            DrawPicture(painter, i);
        }
        enabled_[std::size_t(i)] = QPixmap::fromImage(image);
        disabled_[std::size_t(i)] = Embossed(image);
    }
    // The change-symbol button opens the choice of symbol: a drop-down arrow.
    QImage arrow = NewImage(SymbolChangeSize);
    {
        QPainter painter(&arrow);
        Fill(painter, QPolygon({QPoint(2, 8), QPoint(8, 8), QPoint(5, 11)}), kBlack, kBlack);
    }
    symbolChange_[0] = QPixmap::fromImage(arrow);
    symbolChange_[1] = Embossed(arrow);
}

const QPixmap& ToolPictures::Enabled(int index) const {
    return enabled_[std::size_t(qBound(0, index, Count - 1))];
}

const QPixmap& ToolPictures::Disabled(int index) const {
    return disabled_[std::size_t(qBound(0, index, Count - 1))];
}

QPixmap ToolPictures::SymbolPicture(const QString& symbol, QFont font) {
    QPixmap picture(SymbolButtonSize);
    picture.fill(Face());
    QPainter painter(&picture);
    font.setPointSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kBlack);
    const bool none = symbol.isEmpty() || symbol == QStringLiteral("нет");
    const QPoint at = none ? QPoint(1, 4) : QPoint(5, 4);
    painter.drawText(QRect(at, picture.rect().bottomRight()), Qt::AlignLeft | Qt::AlignTop,
                     none ? QStringLiteral("нет") : symbol);
    return picture;
}

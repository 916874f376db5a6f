#include "window/main/ToolPictures.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "core/text/Language.h"
#include "window/resources/WindowColours.h"

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

// A painter on a picture for one ratio, in logical coordinates. At ratio 1
// Qt's raster puts a one-pixel line on the pixels right of and below its
// points, where the classic pictures have it. Scaled, a stroke straddles
// its points and would lie half a logical pixel up and left of the whole
// pixels fillRect fills; so the painter is shifted by that half pixel, and
// every line covers the logical pixels it covers at ratio 1, `ratio` device
// pixels wide. Blocks of whole pixels and even-width pens, which straddle
// their points at every ratio, take the shift back.
class Canvas {
public:
    Canvas(QPaintDevice* device, qreal ratio) : p(device), shift(ratio == 1 ? 0 : 0.5) {
        p.translate(shift, shift);
    }
    void Block(int x, int y, int width, int height, const QColor& colour) {
        p.fillRect(QRectF(x - shift, y - shift, width, height), colour);
    }

    QPainter p;
    const qreal shift;
};

// A one-pixel pen whose corners are square, as they are at ratio 1, where
// a line is a single pixel wide.
QPen Line(const QColor& colour) {
    QPen pen(colour);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Fill(QPainter& p, const QPolygon& shape, const QColor& fill, const QColor& line) {
    p.setPen(Line(line));
    p.setBrush(fill);
    p.drawPolygon(shape);
}

// A strip of tape cells with the carriage's cell marked.
void DrawTape(Canvas& c, int top, int cells, int markedCell) {
    const int cellWidth = 5;
    const int left = (22 - cells * cellWidth - 1) / 2;
    QPainter& p = c.p;
    p.setPen(Line(kBlack));
    p.setBrush(kTape);
    p.drawRect(left, top, cells * cellWidth, 6);
    for (int i = 1; i < cells; ++i) {
        p.drawLine(left + i * cellWidth, top, left + i * cellWidth, top + 6);
    }
    if (markedCell >= 0) {
        c.Block(left + markedCell * cellWidth + 2, top + 2, 2, 3, kBlack);
    }
}

void DrawArrowDown(QPainter& p, int top, int bottom, const QColor& fill) {
    const int head = bottom - 4;
    Fill(p,
         QPolygon({QPoint(9, top), QPoint(12, top), QPoint(12, head), QPoint(15, head),
                   QPoint(10, bottom + 1), QPoint(6, head), QPoint(9, head)}),
         fill, kBlack);
}

void DrawPicture(Canvas& c, int index) {
    QPainter& p = c.p;
    switch (index) {
        case 0:  // new: a blank page with a folded corner and a spark
            Fill(p,
                 QPolygon(
                     {QPoint(6, 1), QPoint(14, 1), QPoint(18, 5), QPoint(18, 18), QPoint(6, 18)}),
                 kWhite, kBlack);
            p.drawLine(14, 1, 14, 5);
            p.drawLine(14, 5, 18, 5);
            p.setPen(Line(kGold));
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
            p.setPen(Line(kBlack));
            p.setBrush(kNavy);
            p.drawRect(2, 1, 17, 17);
            c.Block(5, 2, 12, 7, kWhite);
            c.Block(6, 12, 10, 6, kGrey);
            c.Block(12, 13, 2, 4, kNavy);
            break;
        case 3:  // memorise tape: from the tape down into memory
            DrawTape(c, 1, 4, 1);
            DrawArrowDown(p, 9, 18, kBlue);
            break;
        case 4:  // restore tape: from memory down onto the tape
            DrawArrowDown(p, 0, 10, kGreen);
            DrawTape(c, 13, 4, 1);
            break;
        case 5:  // run
            Fill(p, QPolygon({QPoint(6, 3), QPoint(6, 17), QPoint(16, 10)}), kGreen, kDarkGreen);
            break;
        case 6:  // pause
            p.setPen(Line(kNavy));
            p.setBrush(kBlue);
            p.drawRect(6, 4, 3, 12);
            p.drawRect(12, 4, 3, 12);
            break;
        case 7:  // step: one move, then a stop
            Fill(p, QPolygon({QPoint(4, 4), QPoint(4, 16), QPoint(11, 10)}), kGreen, kDarkGreen);
            p.setPen(Line(kNavy));
            p.setBrush(kBlue);
            p.drawRect(14, 4, 3, 12);
            break;
        case 8:  // break
            p.setPen(Line(kDarkRed));
            p.setBrush(kRed);
            p.drawRect(5, 4, 11, 11);
            break;
        case 9:  // mark: a tape with a mark set in its middle cell
        default:
            DrawTape(c, 7, 3, -1);
            p.translate(-c.shift, -c.shift);  // a two-pixel pen needs no shift
            p.setPen(QPen(kRed, 2));
            p.drawLine(9, 9, 10, 12);
            p.drawLine(10, 12, 13, 3);
            break;
    }
}

// A transparent image of `size` logical pixels for `ratio`.
QImage NewImage(QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The disabled look: every dark pixel becomes grey with a light one (the
// bevel's light) a logical pixel below and right of it; light fills
// disappear.
QPixmap Embossed(const QImage& source, const QColor& light) {
    QImage out(source.size(), source.format());
    out.setDevicePixelRatio(source.devicePixelRatio());
    out.fill(Qt::transparent);
    const int offset = std::max(1, qRound(source.devicePixelRatio()));
    auto dark = [&](int x, int y) {
        const QColor c = source.pixelColor(x, y);
        return c.alpha() > 0 && qGray(c.rgb()) < 170;
    };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (dark(x, y) && x + offset < out.width() && y + offset < out.height()) {
                out.setPixelColor(x + offset, y + offset, light);
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

ToolPictures::ToolPictures(qreal ratio) : ratio_(ratio), dark_(WindowColours::Current().dark) {
    const WindowColours& colours = WindowColours::Current();
    for (int i = 0; i < Count; ++i) {
        QImage image = NewImage(PictureSize, ratio);
        {
            Canvas canvas(&image, ratio);
            DrawPicture(canvas, i);
        }
        enabled_[std::size_t(i)] = QPixmap::fromImage(image);
        disabled_[std::size_t(i)] = Embossed(image, colours.toolLight);
    }
    // The change-symbol button opens the choice of symbol: a drop-down arrow
    // in the toolbar's ink; its disabled look is embossed from a dark one.
    auto arrow = [ratio](const QColor& ink) {
        QImage image = NewImage(SymbolChangeSize, ratio);
        Canvas canvas(&image, ratio);
        Fill(canvas.p, QPolygon({QPoint(2, 8), QPoint(8, 8), QPoint(5, 11)}), ink, ink);
        return image;
    };
    symbolChange_[0] = QPixmap::fromImage(arrow(colours.toolInk));
    symbolChange_[1] = Embossed(arrow(kBlack), colours.toolLight);
}

const QPixmap& ToolPictures::Enabled(int index) const {
    return enabled_[std::size_t(qBound(0, index, Count - 1))];
}

const QPixmap& ToolPictures::Disabled(int index) const {
    return disabled_[std::size_t(qBound(0, index, Count - 1))];
}

QPixmap ToolPictures::SymbolPicture(const QString& symbol, QFont font, qreal ratio) {
    QPixmap picture(SymbolButtonSize * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Face());
    QPainter painter(&picture);
    font.setPointSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(WindowColours::Current().toolInk);
    const bool none = symbol.isEmpty() || symbol == Tr("ToolPictures", "нет");
    const QPoint at = none ? QPoint(1, 4) : QPoint(5, 4);
    const QRect face(QPoint(0, 0), SymbolButtonSize);
    painter.drawText(QRect(at, face.bottomRight()), Qt::AlignLeft | Qt::AlignTop,
                     none ? Tr("ToolPictures", "нет") : symbol);
    return picture;
}

QColor ToolPictures::Face() {
    return WindowColours::Current().toolFace;
}

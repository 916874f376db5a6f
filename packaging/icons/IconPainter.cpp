// zebrin42-icons: draws the program's icon and the icons of its two document
// types from one description of their shapes, and writes each as a scalable
// SVG and as PNGs in the hicolor sizes. The shapes live only here, so the SVG
// and the PNGs can never disagree. Painting needs no display: QPainter draws
// straight into QImages.
//
// Usage: zebrin42-icons OUTDIR
// writes OUTDIR/scalable/NAME.svg and OUTDIR/SIZExSIZE/NAME.png for every
// icon NAME and size; exits 1 when a file cannot be written.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QVector>
#include <cstdio>

namespace {

constexpr int kCanvas = 256;  // every shape is given on a 256 x 256 canvas
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPostBlue(0x2e, 0x6f, 0x8e);
const QColor kTuringRed(0x9c, 0x3d, 0x2e);
const QColor kCarriage(0xf2, 0xa9, 0x3b);
const QColor kFold(0xd8, 0xd8, 0xd8);
const QColor kPageEdge(0x55, 0x55, 0x55);

// A filled polygon (or a rounded rectangle when `radius` > 0, given by its
// first and third corners), optionally outlined.
struct Shape {
    QVector<QPointF> points;
    QColor fill;
    QColor stroke;  // invalid: no outline
    double strokeWidth = 0;
    double radius = 0;
};

struct Icon {
    QString name;
    QVector<Shape> shapes;
};

Shape Rect(double x1, double y1, double x2, double y2, QColor fill, QColor stroke = QColor(),
           double width = 0) {
    return Shape{{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, fill, stroke, width, 0};
}

Shape RoundedRect(double x1, double y1, double x2, double y2, double radius, QColor fill) {
    Shape s = Rect(x1, y1, x2, y2, fill);
    s.radius = radius;
    return s;
}

Shape Polygon(QVector<QPointF> points, QColor fill, QColor stroke = QColor(), double width = 0) {
    return Shape{std::move(points), fill, stroke, width, 0};
}

// A strip of tape cells from x1 to x2; the cells listed in `marked` carry
// a mark, a dark bar like a zebra's stripe.
void AddTape(QVector<Shape>& shapes, double x1, double y1, double x2, double y2, int cells,
             const QVector<int>& marked, double line) {
    shapes.append(Rect(x1, y1, x2, y2, kPaper, kInk, line));
    const double cell = (x2 - x1) / cells;
    for (int i = 0; i < cells; ++i) {
        const double left = x1 + i * cell;
        if (i > 0) {
            shapes.append(Rect(left - line / 4, y1, left + line / 4, y2, kInk));
        }
        if (marked.contains(i)) {
            const double bar = cell * 0.34;
            const double mid = left + cell / 2;
            shapes.append(Rect(mid - bar / 2, y1 + line, mid + bar / 2, y2 - line, kInk));
        }
    }
}

// The program: a tape with marked cells on a blue tile and the carriage
// pointing at the middle cell.
Icon ProgramIcon() {
    Icon icon{QStringLiteral("zebrin42"), {}};
    icon.shapes.append(RoundedRect(12, 12, 244, 244, 44, kPostBlue));
    AddTape(icon.shapes, 24, 128, 232, 188, 5, {0, 1, 3}, 8);
    icon.shapes.append(Polygon({{94, 56}, {162, 56}, {128, 114}}, kCarriage, kInk, 8));
    return icon;
}

// A document: a page with a folded corner, the machine's letter (a
// Cyrillic "П" for Post, "Т" for Turing) drawn as bars, and a short tape.
Icon DocumentIcon(const QString& name, bool post) {
    const QColor colour = post ? kPostBlue : kTuringRed;
    Icon icon{name, {}};
    icon.shapes.append(
        Polygon({{44, 12}, {164, 12}, {216, 64}, {216, 244}, {44, 244}}, kPaper, kPageEdge, 8));
    icon.shapes.append(Polygon({{164, 12}, {164, 64}, {216, 64}}, kFold, kPageEdge, 8));
    icon.shapes.append(Rect(76, 80, 164, 104, colour));
    if (post) {
        icon.shapes.append(Rect(76, 80, 100, 172, colour));
        icon.shapes.append(Rect(140, 80, 164, 172, colour));
    } else {
        icon.shapes.append(Rect(108, 80, 132, 172, colour));
    }
    AddTape(icon.shapes, 64, 190, 196, 226, 4, post ? QVector<int>{0, 2} : QVector<int>{1, 2}, 6);
    return icon;
}

QString SvgColour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString Number(double v) {
    return QString::number(v, 'g', 6);
}

QByteArray Svg(const Icon& icon) {
    QString out = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kCanvas);
    for (const Shape& s : icon.shapes) {
        QString outline;
        if (s.stroke.isValid()) {
            outline = QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                          .arg(SvgColour(s.stroke), Number(s.strokeWidth));
        }
        if (s.radius > 0) {
            const QPointF a = s.points[0];
            const QPointF b = s.points[2];
            out += QStringLiteral(
                       "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                       "fill=\"%6\"%7/>\n")
                       .arg(Number(a.x()), Number(a.y()), Number(b.x() - a.x()),
                            Number(b.y() - a.y()), Number(s.radius), SvgColour(s.fill), outline);
            continue;
        }
        QStringList points;
        for (const QPointF& p : s.points) {
            points.append(Number(p.x()) + u',' + Number(p.y()));
        }
        out += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\"%3/>\n")
                   .arg(points.join(u' '), SvgColour(s.fill), outline);
    }
    out += QStringLiteral("</svg>\n");
    return out.toUtf8();
}

QImage Png(const Icon& icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kCanvas, double(size) / kCanvas);
    for (const Shape& s : icon.shapes) {
        painter.setBrush(s.fill);
        if (s.stroke.isValid()) {
            painter.setPen(
                QPen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        } else {
            painter.setPen(Qt::NoPen);
        }
        if (s.radius > 0) {
            painter.drawRoundedRect(QRectF(s.points[0], s.points[2]), s.radius, s.radius);
        } else {
            painter.drawPolygon(QPolygonF(s.points));
        }
    }
    painter.end();
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zebrin42-icons OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QVector<Icon> icons = {
        ProgramIcon(),
        DocumentIcon(QStringLiteral("application-x-zebrin42-post"), true),
        DocumentIcon(QStringLiteral("application-x-zebrin42-turing"), false),
    };
    bool ok = out.mkpath(QStringLiteral("scalable"));
    for (const Icon& icon : icons) {
        ok = WriteFile(out.filePath(QStringLiteral("scalable/%1.svg").arg(icon.name)), Svg(icon)) &&
             ok;
        for (int size : kSizes) {
            const QString folder = QStringLiteral("%1x%1").arg(size);
            ok = out.mkpath(folder) &&
                 Png(icon, size).save(out.filePath(folder + u'/' + icon.name + ".png"), "PNG") &&
                 ok;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "zebrin42-icons: could not write every icon into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

#pragma once
// Text, tables and pictures laid out on paged paper (a printer, the print
// preview, a PDF), top to bottom in points, a new page begun where the next
// line does not fit. Text is drawn as text, so a PDF of it can be searched.
// The document's pages, the cases' results and the runner's class PDF all
// write through it.

#include <QByteArray>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace Paper {
constexpr double kGap = 8;   // points between the parts of a page
constexpr double kRow = 15;  // a table row
}  // namespace Paper

// Lays the parts of a document out top to bottom in points, beginning a
// page when the next line does not fit.
class PageWriter {
public:
    explicit PageWriter(QPagedPaintDevice& device) : device_(device), painter_(&device) {
        dpi_ = device.logicalDpiX();
        painter_.scale(dpi_ / 72.0, dpi_ / 72.0);
        const QSizeF size = device.pageLayout().paintRectPoints().size();
        width_ = size.width();
        height_ = size.height();
    }

    double Width() const { return width_; }
    double Height() const { return height_; }
    QPainter& Painter() { return painter_; }

    QFont Font(double points, bool bold = false) const {
        QFont font(QStringLiteral("DejaVu Sans"));
        // The painter is scaled to points: the device's own scaling of a
        // point size is taken out again.
        font.setPointSizeF(points * 72.0 / dpi_);
        font.setBold(bold);
        return font;
    }

    void NewPage() {
        device_.newPage();
        y_ = 0;
    }
    // Room for `height` more points on this page, or a new page.
    bool Room(double height) {
        if (y_ > 0 && y_ + height > height_) {
            NewPage();
            return false;
        }
        return true;
    }
    void Skip(double points) { y_ += points; }
    double Y() const { return y_; }

    // A paragraph, wrapped to the page's width, line by line across pages.
    void Paragraph(const QString& text, const QFont& font) {
        painter_.setFont(font);
        for (const QString& line : text.split(u'\n')) {
            const QString shown = line.isEmpty() ? QStringLiteral(" ") : line;
            const QRectF box = painter_.boundingRect(QRectF(0, 0, width_, 1e6),
                                                     Qt::TextWordWrap | Qt::AlignLeft, shown);
            Room(box.height());
            painter_.drawText(QRectF(0, y_, width_, box.height()), Qt::TextWordWrap | Qt::AlignLeft,
                              shown);
            y_ += box.height();
        }
    }
    void Heading(const QString& text) {
        Skip(Paper::kGap);
        Room(40);
        Paragraph(text, Font(12, true));
        Skip(2);
    }

    // One row of cells at the current line: each (width, text), framed.
    void Cells(const std::vector<std::pair<double, QString>>& cells, const QFont& font,
               bool header) {
        painter_.setFont(font);
        double x = 0;
        for (const auto& [width, text] : cells) {
            const QRectF box(x, y_, width, Paper::kRow);
            if (header) {
                painter_.fillRect(box, QColor(235, 235, 235));
            }
            painter_.setPen(QPen(Qt::black, 0.5));
            painter_.drawRect(box);
            painter_.drawText(
                box.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                painter_.fontMetrics().elidedText(text, Qt::ElideRight, int(width - 5)));
            x += width;
        }
        y_ += Paper::kRow;
    }

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    double dpi_ = 72;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
};

namespace Paper {
// The bytes of a PDF file of the pages `paint` writes, on paper of `size`,
// with 15 mm margins, titled `title`.
QByteArray Pdf(const QString& title, const QPageSize& size,
               const std::function<void(PageWriter&)>& paint);
}  // namespace Paper

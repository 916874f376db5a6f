#include "window/print/DocumentPages.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <algorithm>

#include "core/machine/Machine.h"
#include "core/post/PostMachine.h"
#include "core/post/PostTable.h"
#include "core/turing/TuringMachine.h"
#include "core/turing/TuringTable.h"
#include "window/post/PostCommandBox.h"
#include "window/post/PostTableDelegate.h"

namespace {

constexpr double kGap = 8;          // points between the parts of a page
constexpr double kCell = 16;        // a tape cell's side
constexpr double kRow = 15;         // a table row
constexpr double kPostNumber = 40;  // the Post table's fixed columns
constexpr double kPostCommand = 62;
constexpr double kPostJump = 58;
constexpr double kTuringLabel = 48;  // the Turing table's label column
constexpr double kTuringState = 52;  // and each state's column

// The tape's cell `k` as the window shows it, read without writing the
// tape: the Post mark as "V", a Turing symbol as itself, blanks as nothing.
QString CellText(const TapeStore& tape, int k) {
    if (tape.Kind() == TapeKind::Post) {
        return tape.PeekPostCell(k) ? QStringLiteral("V") : QString();
    }
    const QChar symbol = tape.PeekTuringCell(k);
    return symbol == u' ' ? QString() : QString(symbol);
}

// Lays the parts of a document out top to bottom in points, beginning a
// page when the next line does not fit.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device) : device_(device), painter_(&device) {
        dpi_ = device.logicalDpiX();
        painter_.scale(dpi_ / 72.0, dpi_ / 72.0);
        const QSizeF size = device.pageLayout().paintRectPoints().size();
        width_ = size.width();
        height_ = size.height();
    }

    double Width() const { return width_; }
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
        Skip(kGap);
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
            const QRectF box(x, y_, width, kRow);
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
        y_ += kRow;
    }

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    double dpi_ = 72;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
};

void PaintTape(PageWriter& out, const TapeStore& tape) {
    out.Heading(QStringLiteral("Лента"));
    const int carriage = tape.CarriagePos();
    int low = carriage;
    int high = carriage;
    if (!tape.IsEmpty()) {
        low = std::min(low, tape.UsedMin());
        high = std::max(high, tape.UsedMax());
    }
    const int perLine = std::max(1, int(out.Width() / kCell));
    QPainter& painter = out.Painter();
    for (int first = low; first <= high; first += perLine) {
        out.Room(kCell + 12);
        const double top = out.Y();
        for (int k = first; k <= std::min(high, first + perLine - 1); ++k) {
            const QRectF number((k - first) * kCell, top, kCell, 10);
            const QRectF cell(number.left(), top + 10, kCell, kCell);
            painter.setFont(out.Font(5.5));
            painter.setPen(Qt::darkBlue);
            painter.drawText(number, Qt::AlignCenter, QString::number(k));
            painter.setPen(QPen(Qt::black, k == carriage ? 1.8 : 0.5));
            painter.drawRect(k == carriage ? cell.adjusted(0.9, 0.9, -0.9, -0.9) : cell);
            painter.setFont(out.Font(10));
            painter.drawText(cell, Qt::AlignCenter, CellText(tape, k));
        }
        out.Skip(kCell + 12);
    }
}

void PaintPostTable(PageWriter& out, const PostTable& table) {
    out.Heading(QStringLiteral("Программа"));
    const double comment = std::max(60.0, out.Width() - kPostNumber - kPostCommand - kPostJump);
    const std::vector<std::pair<double, QString>> header = {
        {kPostNumber, QStringLiteral("Номер")},
        {kPostCommand, QStringLiteral("Команда")},
        {kPostJump, QStringLiteral("Отсылка")},
        {comment, QStringLiteral("Комментарии")}};
    out.Room(2 * kRow);
    out.Cells(header, out.Font(9, true), true);
    for (int row = 1; row <= table.ProgramRows(); ++row) {
        if (!out.Room(kRow)) {
            out.Cells(header, out.Font(9, true), true);  // repeated on each page
        }
        const int code = PostTableDelegate::CodeOf(table.Code(row));
        out.Cells({{kPostNumber, QString::number(row)},
                   {kPostCommand, code >= 0 ? PostCommandBox::ItemText(code) : table.Code(row)},
                   {kPostJump, table.Jump(row)},
                   {comment, table.Cell(PostTable::ColComment, row)}},
                  out.Font(9), false);
    }
}

void PaintTuringTable(PageWriter& out, const TuringTable& table) {
    out.Heading(QStringLiteral("Программа"));
    const int states = table.StateCount();
    const int perPart = std::max(1, int((out.Width() - kTuringLabel) / kTuringState));
    for (int first = 1; first <= states; first += perPart) {
        const int last = std::min(states, first + perPart - 1);
        std::vector<std::pair<double, QString>> header = {{kTuringLabel, QStringLiteral("A \\ Q")}};
        for (int col = first; col <= last; ++col) {
            header.emplace_back(kTuringState, TuringTable::Header(col));
        }
        if (first > 1) {
            out.Skip(kGap);
        }
        out.Room(2 * kRow);
        out.Cells(header, out.Font(9, true), true);
        for (int row = 1; row < table.RowCount(); ++row) {
            if (!out.Room(kRow)) {
                out.Cells(header, out.Font(9, true), true);
            }
            std::vector<std::pair<double, QString>> cells = {{kTuringLabel, table.Cell(0, row)}};
            for (int col = first; col <= last; ++col) {
                cells.emplace_back(kTuringState, table.Cell(col, row));
            }
            out.Cells(cells, out.Font(9), false);
        }
    }
}

void PaintDiagram(PageWriter& out, const QImage& diagram) {
    out.NewPage();
    out.Paragraph(QStringLiteral("Диаграмма программы"), out.Font(12, true));
    out.Skip(kGap);
    const QSizeF room(out.Width(), std::max(100.0, 760 - out.Y()));
    QSizeF size = QSizeF(diagram.size()) * 0.5;  // the picture is drawn at two pixels a point
    if (size.width() > room.width() || size.height() > room.height()) {
        size.scale(room, Qt::KeepAspectRatio);
    }
    out.Painter().drawImage(QRectF(QPointF(0, out.Y()), size), diagram);
}

}  // namespace

namespace DocumentPages {

void Paint(QPagedPaintDevice& device, Machine& machine, const QImage& diagram) {
    PageWriter out(device);
    const bool post = machine.Kind() == MachineKind::Post;
    out.Paragraph(machine.document.DisplayedName(), out.Font(16, true));
    out.Paragraph(post ? QStringLiteral("Машина Поста") : QStringLiteral("Машина Тьюринга"),
                  out.Font(11));
    out.Skip(kGap);
    out.Paragraph(machine.Statement(), out.Font(10));
    if (!post) {
        auto& turing = static_cast<TuringMachine&>(machine);
        out.Skip(4);
        out.Paragraph(QStringLiteral("Внешний алфавит: ") + turing.AlphabetText(), out.Font(10));
    }
    PaintTape(out, machine.tape);
    if (post) {
        PaintPostTable(out, static_cast<PostMachine&>(machine).table);
    } else {
        auto& turing = static_cast<TuringMachine&>(machine);
        PaintTuringTable(out, turing.table);
        out.Skip(kGap);
        out.Paragraph(turing.Comments(), out.Font(10));
    }
    if (!diagram.isNull()) {
        PaintDiagram(out, diagram);
    }
}

QByteArray Pdf(Machine& machine, const QImage& diagram, const QPageSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(size);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(machine.document.DisplayedName());
        writer.setCreator(QStringLiteral("Zebrin42"));
        Paint(writer, machine, diagram);
    }
    return bytes;
}

QPageSize DefaultPaper() {
    const QPageSize size = QPrinterInfo::defaultPrinter().defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

}  // namespace DocumentPages

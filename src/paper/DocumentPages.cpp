#include "paper/DocumentPages.h"

#include <algorithm>

#include "core/diagram/ProgramDiagram.h"
#include "core/machine/Machine.h"
#include "core/post/PostMachine.h"
#include "core/post/PostTable.h"
#include "core/text/Language.h"
#include "core/turing/TuringMachine.h"
#include "core/turing/TuringTable.h"
#include "layout/DiagramLayout.h"
#include "layout/DiagramPainter.h"

namespace {

constexpr double kCell = 16;        // a tape cell's side
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

void PaintTape(PageWriter& out, const TapeStore& tape) {
    out.Heading(Tr("DocumentPages", "Лента"));
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
    out.Heading(Tr("DocumentPages", "Программа"));
    const double comment = std::max(60.0, out.Width() - kPostNumber - kPostCommand - kPostJump);
    const std::vector<std::pair<double, QString>> header = {
        {kPostNumber, PostTable::HeaderCaption(PostTable::ColNumber)},
        {kPostCommand, PostTable::HeaderCaption(PostTable::ColCommand)},
        {kPostJump, PostTable::HeaderCaption(PostTable::ColJump)},
        {comment, PostTable::HeaderCaption(PostTable::ColComment)}};
    out.Room(2 * Paper::kRow);
    out.Cells(header, out.Font(9, true), true);
    for (int row = 1; row <= table.ProgramRows(); ++row) {
        if (!out.Room(Paper::kRow)) {
            out.Cells(header, out.Font(9, true), true);  // repeated on each page
        }
        const int code = PostTable::CodeOfText(table.Code(row));
        out.Cells({{kPostNumber, QString::number(row)},
                   {kPostCommand, code >= 0 ? PostTable::CommandName(code) : table.Code(row)},
                   {kPostJump, table.Jump(row)},
                   {comment, table.Cell(PostTable::ColComment, row)}},
                  out.Font(9), false);
    }
}

void PaintTuringTable(PageWriter& out, const TuringTable& table) {
    out.Heading(Tr("DocumentPages", "Программа"));
    const int states = table.StateCount();
    const int perPart = std::max(1, int((out.Width() - kTuringLabel) / kTuringState));
    for (int first = 1; first <= states; first += perPart) {
        const int last = std::min(states, first + perPart - 1);
        std::vector<std::pair<double, QString>> header = {{kTuringLabel, QStringLiteral("A \\ Q")}};
        for (int col = first; col <= last; ++col) {
            header.emplace_back(kTuringState, TuringTable::Header(col));
        }
        if (first > 1) {
            out.Skip(Paper::kGap);
        }
        out.Room(2 * Paper::kRow);
        out.Cells(header, out.Font(9, true), true);
        for (int row = 1; row < table.RowCount(); ++row) {
            if (!out.Room(Paper::kRow)) {
                out.Cells(header, out.Font(9, true), true);
            }
            std::vector<std::pair<double, QString>> cells = {
                {kTuringLabel, TuringTable::ShownLabel(table.Cell(0, row))}};
            for (int col = first; col <= last; ++col) {
                cells.emplace_back(kTuringState, table.Cell(col, row));
            }
            out.Cells(cells, out.Font(9), false);
        }
    }
}

// The program's diagram on a page of its own, painted as the window paints
// it, its labels as text, scaled down to the page where it is larger.
void PaintDiagram(PageWriter& out, Machine& machine) {
    // A program too large to draw gets no page, and no picture is built.
    const DiagramSize counted = machine.Kind() == MachineKind::Post
                                    ? PostDiagramSize(static_cast<PostMachine&>(machine).table)
                                    : TuringDiagramSize(static_cast<TuringMachine&>(machine));
    if (DiagramLayout::SizeCheck(counted).kind != DiagramLayout::Failure::Kind::None) {
        return;
    }
    const ProgramDiagram diagram = machine.Kind() == MachineKind::Post
                                       ? BuildPostDiagram(static_cast<PostMachine&>(machine).table)
                                       : BuildTuringDiagram(static_cast<TuringMachine&>(machine));
    if (diagram.nodes.empty()) {
        return;
    }
    const DiagramLayout::Geometry geometry = DiagramLayout::Layout(diagram);
    const DiagramPainter picture(diagram, geometry);
    if (!picture.Drawable()) {
        return;
    }
    out.NewPage();
    out.Paragraph(Tr("DocumentPages", "Диаграмма программы"), out.Font(12, true));
    out.Skip(Paper::kGap);
    const QSizeF room(out.Width(), std::max(100.0, out.Height() - out.Y()));
    const QSizeF size = picture.Size();
    const double scale =
        std::min({1.0, room.width() / size.width(), room.height() / size.height()});
    QPainter& painter = out.Painter();
    painter.save();
    painter.translate(0, out.Y());
    painter.setClipRect(QRectF(QPointF(0, 0), size * scale));
    picture.Paint(painter, scale, DiagramInks::Light());
    painter.restore();
    out.Skip(size.height() * scale);
}

}  // namespace

namespace DocumentPages {

void Paint(PageWriter& out, Machine& machine, const QString& title) {
    const bool post = machine.Kind() == MachineKind::Post;
    out.Paragraph(title, out.Font(16, true));
    out.Paragraph(
        post ? Tr("DocumentPages", "Машина Поста") : Tr("DocumentPages", "Машина Тьюринга"),
        out.Font(11));
    out.Skip(Paper::kGap);
    out.Paragraph(machine.Statement(), out.Font(10));
    if (!post) {
        auto& turing = static_cast<TuringMachine&>(machine);
        out.Skip(4);
        out.Paragraph(Tr("DocumentPages", "Внешний алфавит: ") + turing.AlphabetText(),
                      out.Font(10));
    }
    PaintTape(out, machine.tape);
    if (post) {
        PaintPostTable(out, static_cast<PostMachine&>(machine).table);
    } else {
        auto& turing = static_cast<TuringMachine&>(machine);
        PaintTuringTable(out, turing.table);
        out.Skip(Paper::kGap);
        out.Paragraph(turing.Comments(), out.Font(10));
    }
    PaintDiagram(out, machine);
}

void PaintUnreadable(PageWriter& out, const QString& name, const QString& reason) {
    out.Paragraph(name, out.Font(16, true));
    out.Skip(Paper::kGap);
    out.Paragraph(Tr("DocumentPages", "Документ не удалось прочитать: ") + reason, out.Font(11));
}

}  // namespace DocumentPages

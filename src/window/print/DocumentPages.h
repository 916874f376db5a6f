#pragma once
// A machine's document on paper: its title (the file name or «Без имени»),
// the machine, the task statement, the tape's used part with the carriage
// and the cell numbers, the program table as the window shows it (Post:
// number, command, jump, comment; Turing: the alphabet's rows by the
// states' columns in the table's notation, a table wider than the page
// split into parts that each repeat the row labels), the comments, and the
// program's diagram on a page of its own when it can be drawn. Everything
// but the diagram is drawn as text, so a PDF of it can be searched. The
// same pages go to a printer, the print preview and a PDF file.

#include <QByteArray>
#include <QImage>
#include <QPageSize>

class Machine;
class QPagedPaintDevice;

namespace DocumentPages {

// Paints the pages onto `device`, whose first page is begun; `diagram` is
// the program's picture, or a null image for none.
void Paint(QPagedPaintDevice& device, Machine& machine, const QImage& diagram);

// The pages as a PDF file's bytes on paper of `size`.
QByteArray Pdf(Machine& machine, const QImage& diagram, const QPageSize& size);

// The paper the system's default printer uses, A4 when it has none.
QPageSize DefaultPaper();

}  // namespace DocumentPages

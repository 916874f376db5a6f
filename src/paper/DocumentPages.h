#pragma once
// A machine's document on paper: its title (the file name or «Без имени»),
// the machine, the task statement, the tape's used part with the carriage
// and the cell numbers, the program table as the window shows it (Post:
// number, command, jump, comment; Turing: the alphabet's rows by the
// states' columns in the table's notation, a table wider than the page
// split into parts that each repeat the row labels), the comments, and the
// program's diagram on a page of its own when it can be drawn. Everything
// is drawn as text and lines, so a PDF of it can be searched. The same
// pages go to a printer, the print preview, a PDF file and the runner's
// class PDF.

#include <QString>

#include "paper/PageWriter.h"

class Machine;

namespace DocumentPages {

// Writes the document's pages from the writer's place on, titled `title`
// (the window's: the file name or «Без имени»).
void Paint(PageWriter& out, Machine& machine, const QString& title);
// In the class PDF, the page of a document that could not be read: its
// name and why.
void PaintUnreadable(PageWriter& out, const QString& name, const QString& reason);

}  // namespace DocumentPages

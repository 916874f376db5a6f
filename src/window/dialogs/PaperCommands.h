#pragma once
// Printing, the print preview and PDF files for the window and its dialogs:
// Qt's print and preview dialogs on the system's paper (A4 when it has
// none), and a PDF file written through the documents' checked write. What
// goes on the pages is the caller's (DocumentPages, CasesPages).

#include <QPageSize>
#include <QString>
#include <functional>

#include "paper/PageWriter.h"

class QWidget;

namespace PaperCommands {

using Pages = std::function<void(PageWriter&)>;

// The paper the system's default printer uses, A4 when it has none.
QPageSize DefaultPaper();
// «Предварительный просмотр»: the pages in Qt's preview, `name` their title.
void Preview(QWidget* parent, const QString& name, const Pages& pages);
// «Печать...»: Qt's print dialog, then the pages to the printer chosen.
void Print(QWidget* parent, const QString& name, const Pages& pages);
// The pages as a PDF file at `path`; why it was not written, or nothing.
QString WritePdf(const QString& path, const QString& name, const Pages& pages);

}  // namespace PaperCommands

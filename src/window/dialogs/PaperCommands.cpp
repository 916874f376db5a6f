#include "window/dialogs/PaperCommands.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/documents/DocumentFile.h"
#include "core/text/Language.h"

namespace PaperCommands {

QPageSize DefaultPaper() {
    const QPageSize size = QPrinterInfo::defaultPrinter().defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

void Preview(QWidget* parent, const QString& name, const Pages& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(DefaultPaper());
    printer.setDocName(name);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(Tr("PaperCommands", "Предварительный просмотр"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter* on) {
                         PageWriter out(*on);
                         pages(out);
                     });
    preview.exec();
}

void Print(QWidget* parent, const QString& name, const Pages& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(DefaultPaper());
    printer.setDocName(name);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Tr("PaperCommands", "Печать"));
    if (dialog.exec() == QDialog::Accepted) {
        PageWriter out(printer);
        pages(out);
    }
}

QString WritePdf(const QString& path, const QString& name, const Pages& pages) {
    if (!DocumentFile::WriteBytes(path, Paper::Pdf(name, DefaultPaper(), pages)).isEmpty()) {
        return Tr("PaperCommands", "ошибка записи файла: ") + path;
    }
    return {};
}

}  // namespace PaperCommands

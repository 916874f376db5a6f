#pragma once
// What the file commands need to know of one machine's documents: the first
// bytes that name them, the file-name suffix and the dialog filter, the
// texts of the open dialog and of the save questions, and the reader and
// writer. There is one value for each machine (DocumentFormat::Of), so New,
// Open, Save and the closing questions are written once for both machines;
// the bytes of a document are the reader's and writer's alone.

#include <QByteArray>
#include <QString>

#include "core/documents/DocumentFile.h"
#include "core/machine/MachineKind.h"
#include "core/port/Ui.h"

class Workbench;

struct DocumentFormat {
    MachineKind kind;
    QByteArray magic;       // the first bytes of every document of the machine
    QString suffix;         // without the dot: "pst", "tur"
    QString filter;         // the file dialogs' filter
    QString openTitle;      // the open dialog's title
    QString caption;        // the caption of the save question
    QString closeQuestion;  // the closing question, before the document's name
    // Reads the document at the path into the machine, or reports why not.
    bool (*read)(Workbench& bench, const QString& path, DocumentFile::ReadStatus& why);
    // Writes the machine to the path, or reports why not.
    bool (*write)(Workbench& bench, const QString& path);

    // The name field's pattern, "*.pst" or "*.tur".
    QString Pattern() const { return QStringLiteral("*.") + suffix; }
    FileDialogRequest OpenDialog() const { return {openTitle, filter, suffix, Pattern()}; }

    static const DocumentFormat& Of(MachineKind kind);
};

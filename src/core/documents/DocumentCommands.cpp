#include "core/documents/DocumentCommands.h"

#include "core/documents/DocumentFile.h"
#include "core/documents/DocumentFormat.h"
#include "core/editing/TableCommands.h"
#include "core/editing/TapeEditing.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"

namespace DocumentCommands {

namespace {

const DocumentFormat& FormatOf(const Workbench& bench) {
    return DocumentFormat::Of(bench.Kind());
}

DialogAnswer AskSaveQuestion(Workbench& bench) {
    return bench.UiPort().ShowMessageDialog(
        {MessageKind::Question, FormatOf(bench).caption,
         Tr("DocumentCommands", "<Сохранить изменения в файле ") +
             bench.Current().document.DisplayedName() + QStringLiteral("?")});
}

void BreakActiveRun(Workbench& bench) {
    if (bench.RunControl().Active(bench.Current())) {
        bench.RunControl().Break();
    }
}

// The save question before work is discarded: true to go on. "Да" goes on
// only once the document is saved.
bool MayDiscard(Workbench& bench) {
    if (!bench.Current().Modified()) {
        return true;
    }
    switch (AskSaveQuestion(bench)) {
        case DialogAnswer::Yes:
            return Save(bench);
        case DialogAnswer::No:
            return true;
        default:
            return false;
    }
}

// A document begun or opened shows no step of a run before it.
void ResetStepPanel(Workbench& bench) {
    bench.SetStatusText(Workbench::PanelStep, Workbench::StatusStartText(Workbench::PanelStep));
}

void MakeUntitled(Workbench& bench) {
    ClearAll(bench);
    bench.SetStatusText(Workbench::PanelMessage, QString());
    ResetStepPanel(bench);
    bench.Current().SetDocument(MachineDocument::Untitled(), false);
    bench.SetModified(false);
    bench.RunControl().SetEditedSinceStart(bench.Current(), false);
    Q_EMIT bench.Current().DocumentCleared();
}

bool Write(Workbench& bench) {
    return FormatOf(bench).write(bench, bench.Current().document.fileName);
}

// Save for the machine of `kind`, shown for the time of the save.
bool SaveMachine(Workbench& bench, MachineKind kind) {
    const MachineKind shown = bench.Kind();
    const FileDialogRequest dialog = bench.saveDialog;
    bench.SetKind(kind);
    bench.ConfigureSaveDialog();
    const bool saved = Save(bench);
    bench.SetKind(shown);
    bench.saveDialog = dialog;
    bench.SetModified(bench.Current().Modified());
    return saved;
}

}  // namespace

void New(Workbench& bench) {
    BreakActiveRun(bench);
    if (MayDiscard(bench)) {
        MakeUntitled(bench);
    }
}

void Open(Workbench& bench) {
    BreakActiveRun(bench);
    const QString path = bench.UiPort().AskOpenFileName(FormatOf(bench).OpenDialog());
    if (!path.isEmpty()) {
        OpenPath(bench, path);
    }
}

std::optional<MachineKind> KindByMagic(const QString& path) {
    // Only a regular file is looked into, and it is opened without
    // blocking: a named pipe must not hang the choice of the reader.
    QByteArray magic;
    if (DocumentFile::ReadFileHead(path, DocumentFile::kMagicSize, magic) !=
        DocumentFile::ReadStatus::Ok) {
        return std::nullopt;
    }
    for (MachineKind kind : kMachineKinds) {
        if (magic == DocumentFormat::Of(kind).magic) {
            return kind;
        }
    }
    return std::nullopt;
}

MachineKind KindToRead(const QString& path) {
    const QString turingEnding = u'.' + DocumentFormat::Of(MachineKind::Turing).suffix;
    return KindByMagic(path).value_or(
        path.endsWith(turingEnding, Qt::CaseInsensitive) ? MachineKind::Turing : MachineKind::Post);
}

bool OpenPath(Workbench& bench, const QString& path) {
    BreakActiveRun(bench);
    if (!MayDiscard(bench)) {
        return false;
    }
    const DocumentFormat& format = FormatOf(bench);
    bench.SetStatusText(Workbench::PanelMessage, QString());
    ResetStepPanel(bench);
    ClearAll(bench);
    bench.Current().SetDocument(path, true);
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    const bool read = format.read(bench, path, why);
    if (!read) {
        // The cleared machine still carries the damaged file's name; it is
        // replaced without a question so that nothing is written over it.
        MakeUntitled(bench);
    }
    return read;
}

bool OpenExample(Workbench& bench, const QString& path) {
    if (!OpenPath(bench, path)) {
        return false;
    }
    bench.Current().SetDocument(MachineDocument::Untitled(), false);
    return true;
}

namespace {

// Writes the current machine under `path`. A document takes the new name
// only with a file written: after a failed write it keeps its old name,
// and with it the window's title, and stays modified.
bool WriteAs(Workbench& bench, const QString& path) {
    Machine& machine = bench.Current();
    const MachineDocument before = machine.document;
    bench.saveDialog.fileName = path;
    machine.SetDocument(path, true);
    if (Write(bench)) {
        return true;
    }
    machine.SetDocument(before.fileName, before.hasFileName);
    return false;
}

}  // namespace

bool Save(Workbench& bench) {
    Machine& machine = bench.Current();
    if (machine.document.hasFileName) {
        return Write(bench);
    }
    const QString path = bench.UiPort().AskSaveFileName(bench.saveDialog);
    return !path.isEmpty() && WriteAs(bench, path);
}

void SaveAs(Workbench& bench) {
    bench.saveDialog.fileName = FormatOf(bench).Pattern();
    const QString path = bench.UiPort().AskSaveFileName(bench.saveDialog);
    if (!path.isEmpty()) {
        WriteAs(bench, path);
    }
}

bool CloseQuery(Workbench& bench) {
    bool allowed = true;
    for (MachineKind kind : kMachineKinds) {
        const DocumentFormat& format = DocumentFormat::Of(kind);
        Machine& machine = bench.MachineOf(kind);
        if (!machine.Modified()) {
            continue;
        }
        bench.UiPort().Beep();
        const DialogAnswer answer = bench.UiPort().ShowMessageDialog(
            {MessageKind::Question, format.caption,
             format.closeQuestion + machine.document.DisplayedName() + u'?'});
        if (answer == DialogAnswer::No) {
            continue;
        }
        if (answer != DialogAnswer::Yes) {
            return false;  // "Отмена" asks nothing more
        }
        // A save that did not happen keeps the window open, so the work is
        // not lost; the other machine is still offered its save.
        if (!SaveMachine(bench, kind)) {
            allowed = false;
        }
    }
    return allowed;
}

void ClearStatement(Workbench& bench) {
    bench.Current().NameEdit(EditKind::ClearStatement);
    bench.SetModified(true);
    bench.Current().SetStatement(QStringLiteral("Условие задачи: "));
}

void ClearComments(Workbench& bench) {
    bench.Turing().NameEdit(EditKind::ClearComments);
    bench.SetModified(true);
    TuringMachine& turing = bench.Turing();
    bench.RunControl().NoteEdit(turing);
    turing.SetComments(QStringLiteral("Комментарии:"));
}

void ClearAll(Workbench& bench) {
    bench.Current().NameEdit(EditKind::ClearAll);
    ClearStatement(bench);
    TapeEditing::ClearTape(bench);
    TableCommands::ClearTable(bench);
    if (bench.Kind() == MachineKind::Turing) {
        bench.Turing().ClearAlphabet();
        ClearComments(bench);
    }
    // Nothing of the runs before is taken back into what follows.
    bench.RunControl().ForgetRuns(bench.Current());
}

}  // namespace DocumentCommands

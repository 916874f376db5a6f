#include "core/documents/TuringFile.h"

#include <optional>

#include "core/documents/DocumentFile.h"
#include "core/port/HelpTopics.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace {

QString Caption() {
    return Tr("TuringFile", "Интерпретатор машины Тьюринга");
}
constexpr int kReadHelp = HelpTopic::TuringReadError;
constexpr int kWriteHelp = HelpTopic::TuringWriteError;

void ReportFailure(Workbench& bench, const QString& message, int help, const QString& status) {
    bench.RunControl().ReportFailure(Caption(), message, help, status);
}

// The message names the cause on a line of its own.
void ReportReadFailure(Workbench& bench, DocumentFile::ReadStatus why) {
    ReportFailure(
        bench,
        Tr("TuringFile", "Ошибка чтения файла! ") + u'\n' + DocumentFile::ReadStatusText(why),
        kReadHelp, Tr("TuringFile", "  Ошибка чтения файла!"));
}

// Everything a document holds, checked, before the machine takes it over.
// The table's cells stay in the text read until then.
struct TuringDocument {
    explicit TuringDocument(const DocumentFile::LineReader& in) : table(in) {}
    QString statement;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    QString tape;
    QString alphabet;
    int rowCount = 0;
    int colCount = 0;
    // At the table's first line: R groups of C + 1 lines.
    DocumentFile::LineReader table;
    QString comments;
};

// A memo as a count line and that many lines. The count is checked against
// the lines present, so a damaged count can neither allocate nor run long.
std::optional<QString> ReadMemo(DocumentFile::LineReader& in) {
    const qint32 count = in.NextInt();
    if (!in.Ok() || count < 0 || count > in.Remaining()) {
        return std::nullopt;
    }
    return in.NextJoined(count);
}

std::optional<TuringDocument> ParseDocument(const DocumentFile::ReadResult& file) {
    DocumentFile::LineReader in(file);
    TuringDocument doc(in);
    const std::optional<QString> statement = ReadMemo(in);
    if (!statement) {
        return std::nullopt;
    }
    doc.statement = *statement;

    doc.carriage = in.NextInt();
    doc.usedMin = in.NextInt();
    doc.usedMax = in.NextInt();
    doc.tape = in.Next();
    doc.alphabet = in.Next();
    // Later code walks the tape from these values; a file must not be able
    // to put them off the tape.
    if (!in.Ok() || !TapeStore::StoredTapeValid(TapeKind::Turing, doc.carriage, doc.usedMin,
                                                doc.usedMax, {doc.tape.size()})) {
        return std::nullopt;
    }

    doc.rowCount = in.NextInt();
    doc.colCount = in.NextInt();
    if (!in.Ok() || doc.rowCount < 2 || doc.colCount < 2) {
        return std::nullopt;
    }
    const qint64 groupLines = qint64(doc.rowCount) * (qint64(doc.colCount) + 1);
    if (groupLines > in.Remaining()) {
        return std::nullopt;
    }
    doc.table = in;
    in.Skip(groupLines);

    const std::optional<QString> comments = ReadMemo(in);
    if (!comments || !in.Ok()) {
        return std::nullopt;
    }
    doc.comments = *comments;
    return doc;
}

// The document's lines, in order, into `out`. A memo's lines are
// MemoLines: every kind of line break ends a line, so the count written
// always matches the lines a reader finds.
void PutTuringLines(const TuringMachine& machine, DocumentFile::LineSink& out) {
    const QStringList statement = DocumentFile::MemoLines(machine.Statement());
    out.Add(QString::number(statement.size()));
    out.AddAll(statement);

    const TapeStore& tape = machine.tape;
    out.Add(QString::number(tape.CarriagePos()));
    out.Add(QString::number(tape.UsedMin()));
    out.Add(QString::number(tape.UsedMax()));
    out.AddOneLine(tape.TuringString());
    QString alphabet = DocumentFile::OneLine(machine.Alphabet());
    alphabet.remove(u' ');
    out.Add(alphabet);

    const TuringTable& table = machine.table;
    out.Add(QString::number(table.RowCount()));
    out.Add(QString::number(table.ColCount()));
    // Cells outside the table read empty, which fills the group past the
    // last row and the line past the last column.
    for (int row = 1; row <= table.RowCount(); ++row) {
        for (int col = 0; col <= table.ColCount(); ++col) {
            out.AddOneLine(table.Cell(col, row));
        }
    }

    const QStringList comments = DocumentFile::MemoLines(machine.Comments());
    out.Add(QString::number(comments.size()));
    out.AddAll(comments);
}

}  // namespace

QStringList TuringFileLines(const TuringMachine& machine) {
    DocumentFile::LineList list;
    PutTuringLines(machine, list);
    return list.lines;
}

bool ReadTuringFile(Workbench& bench, const QString& path) {
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    return ReadTuringFile(bench, path, why);
}

bool ReadTuringFile(Workbench& bench, const QString& path, DocumentFile::ReadStatus& why) {
    DocumentFile::ReadResult file = DocumentFile::Read(path, DocumentFile::kTuringMagic);
    why = file.status;
    if (file.status == DocumentFile::ReadStatus::WrongMagic) {
        ReportFailure(
            bench, Tr("TuringFile", "Файл не является файлом машины Тьюринга или поврежден!"),
            kReadHelp,
            Tr("TuringFile", " Ошибка: файл не является файлом машины Тьюринга или поврежден!"));
        return false;
    }
    if (file.status != DocumentFile::ReadStatus::Ok) {
        ReportReadFailure(bench, file.status);
        return false;
    }
    std::optional<TuringDocument> doc = ParseDocument(file);
    if (!doc) {
        why = DocumentFile::ReadStatus::Damaged;
        ReportReadFailure(bench, why);
        return false;
    }

    TuringMachine& machine = bench.Turing();
    machine.SetStatement(doc->statement);
    machine.tape.SetTuringString(doc->tape);
    machine.tape.SetCarriagePos(doc->carriage);
    machine.tape.SetUsedBounds(doc->usedMin, doc->usedMax);
    machine.tape.ReadWindowCells();
    // The rows are taken as the file has them, even where they disagree with
    // the alphabet: no rebuild runs.
    machine.LoadAlphabet(doc->alphabet);
    // Each cell is decoded straight from its line into the table; the line
    // past the last column and the group past the last row hold no cell.
    DocumentFile::LineReader& cells = doc->table;
    DocumentFile::SharedTextBlock texts(cells.RemainingBytes() + 1);
    const int lastCol = doc->colCount - 1;
    machine.table.Load(doc->colCount, doc->rowCount, [&cells, &texts, lastCol](int col, int) {
        QString text = cells.Next(texts);
        if (col == lastCol) {
            cells.Skip(1);
        }
        return text;
    });
    machine.SetComments(doc->comments);
    if (!machine.tape.IsEmpty()) {
        machine.tape.ShowUsedBounds();
    }
    if (machine.IsCurrent()) {
        bench.RunControl().RefreshBoundButtons();
    }
    machine.SetModified(false);
    bench.RunControl().SetEditedSinceStart(machine, false);
    Q_EMIT machine.DocumentLoaded();
    return true;
}

bool WriteTuringFile(Workbench& bench, const QString& path) {
    TuringMachine& machine = bench.Turing();
    machine.tape.ReadWindowCells();
    DocumentFile::ImageComposer image(DocumentFile::kTuringMagic);
    PutTuringLines(machine, image);
    Q_EMIT machine.DocumentWriting(path);
    if (!DocumentFile::Write(path, image)) {
        ReportFailure(bench, Tr("TuringFile", "Ошибка записи файла!"), kWriteHelp,
                      Tr("TuringFile", "  Ошибка записи файла!"));
        machine.SetModified(true);
        return false;
    }
    machine.SetModified(false);
    return true;
}

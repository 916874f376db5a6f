#include "core/documents/TuringFile.h"

#include <QVector>
#include <optional>

#include "core/documents/DocumentFile.h"
#include "core/port/HelpTopics.h"
#include "core/run/RunController.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace {

const QString kCaption = QStringLiteral("Интерпретатор машины Тьюринга");
constexpr int kReadHelp = HelpTopic::TuringReadError;
constexpr int kWriteHelp = HelpTopic::TuringWriteError;

void ReportFailure(Workbench& bench, const QString& message, int help, const QString& status) {
    bench.RunControl().ReportFailure(kCaption, message, help, status);
}

void ReportReadFailure(Workbench& bench) {
    ReportFailure(bench, QStringLiteral("Ошибка чтения файла! "), kReadHelp,
                  QStringLiteral("  Ошибка чтения файла!"));
}

// Everything a document holds, checked, before the machine takes it over.
struct TuringDocument {
    QString statement;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    QString tape;
    QString alphabet;
    int rowCount = 0;
    int colCount = 0;
    QVector<QString> cells;  // rows 1 to R - 1, columns 0 to C - 1
    QString comments;
};

// A memo as a count line and that many lines. The count is checked against
// the lines present, so a damaged count can neither allocate nor run long.
std::optional<QString> ReadMemo(DocumentFile::LineReader& in) {
    const qint32 count = in.NextInt();
    if (!in.Ok() || count < 0 || count > in.Remaining()) {
        return std::nullopt;
    }
    QStringList lines;
    lines.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        lines.append(in.Next());
    }
    return lines.join(u'\n');
}

std::optional<TuringDocument> ParseDocument(const QStringList& lines) {
    DocumentFile::LineReader in(lines);
    TuringDocument doc;
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
    doc.cells.reserve(qsizetype(doc.rowCount - 1) * doc.colCount);
    for (int row = 1; row <= doc.rowCount; ++row) {
        for (int col = 0; col <= doc.colCount; ++col) {
            const QString line = in.Next();
            // The positions past the last row and column hold no cell.
            if (row < doc.rowCount && col < doc.colCount) {
                doc.cells.append(line);
            }
        }
    }

    const std::optional<QString> comments = ReadMemo(in);
    if (!comments || !in.Ok()) {
        return std::nullopt;
    }
    doc.comments = *comments;
    return doc;
}

// A memo's lines; an empty memo has none. Every kind of line break ends a
// line, so the count written always matches the lines a reader finds.
}  // namespace

QStringList TuringFileLines(const TuringMachine& machine) {
    QStringList lines;
    const QStringList statement = DocumentFile::MemoLines(machine.Statement());
    lines.append(QString::number(statement.size()));
    lines.append(statement);

    const TapeStore& tape = machine.tape;
    lines.append(QString::number(tape.CarriagePos()));
    lines.append(QString::number(tape.UsedMin()));
    lines.append(QString::number(tape.UsedMax()));
    lines.append(DocumentFile::OneLine(tape.TuringString()));
    QString alphabet = DocumentFile::OneLine(machine.Alphabet());
    alphabet.remove(u' ');
    lines.append(alphabet);

    const TuringTable& table = machine.table;
    lines.append(QString::number(table.RowCount()));
    lines.append(QString::number(table.ColCount()));
    // Cells outside the table read empty, which fills the group past the
    // last row and the line past the last column.
    for (int row = 1; row <= table.RowCount(); ++row) {
        for (int col = 0; col <= table.ColCount(); ++col) {
            lines.append(DocumentFile::OneLine(table.Cell(col, row)));
        }
    }

    const QStringList comments = DocumentFile::MemoLines(machine.Comments());
    lines.append(QString::number(comments.size()));
    lines.append(comments);
    return lines;
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
            bench, QStringLiteral("Файл не является файлом машины Тьюринга или поврежден!"),
            kReadHelp,
            QStringLiteral(" Ошибка: файл не является файлом машины Тьюринга или поврежден!"));
        return false;
    }
    if (file.status != DocumentFile::ReadStatus::Ok) {
        ReportReadFailure(bench);
        return false;
    }
    const std::optional<TuringDocument> doc = ParseDocument(file.lines);
    if (!doc) {
        why = DocumentFile::ReadStatus::Damaged;
        ReportReadFailure(bench);
        return false;
    }
    // The document holds every value now; the list of lines is let go
    // before the table is built, which lowers the peak for a large file.
    file.lines = QStringList();

    TuringMachine& machine = bench.Turing();
    machine.SetStatement(doc->statement);
    machine.tape.SetTuringString(doc->tape);
    machine.tape.SetCarriagePos(doc->carriage);
    machine.tape.SetUsedBounds(doc->usedMin, doc->usedMax);
    machine.tape.ReadWindowCells();
    // The rows are taken as the file has them, even where they disagree with
    // the alphabet: no rebuild runs.
    machine.LoadAlphabet(doc->alphabet);
    machine.table.Load(doc->colCount, doc->rowCount, doc->cells);
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
    const QStringList lines = TuringFileLines(machine);
    Q_EMIT machine.DocumentWriting(path);
    if (!DocumentFile::Write(path, DocumentFile::kTuringMagic, lines)) {
        ReportFailure(bench, QStringLiteral("Ошибка записи файла!"), kWriteHelp,
                      QStringLiteral("  Ошибка записи файла!"));
        machine.SetModified(true);
        return false;
    }
    machine.SetModified(false);
    return true;
}

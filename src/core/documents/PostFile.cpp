#include "core/documents/PostFile.h"

#include "core/documents/DocumentFile.h"
#include "core/port/HelpTopics.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

const QString kCaption = QStringLiteral("Интерпретатор машины Поста");

void Report(Workbench& bench, const QString& dialog, int help, const QString& status) {
    bench.RunControl().ReportFailure(kCaption, dialog, help, status);
}

struct PostDocument {
    QStringList statement;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    QString left;
    QChar zero;
    QString right;
    int rows = 0;       // R, header included
    QStringList cells;  // 4 per row for rows 1..R
};

bool ParsePostDocument(const QStringList& lines, PostDocument& doc) {
    DocumentFile::LineReader in(lines);
    const qint32 n = in.NextInt();
    if (!in.Ok() || n < 0 || n > in.Remaining()) {
        return false;
    }
    for (int i = 0; i < n; ++i) {
        doc.statement.append(in.Next());
    }
    doc.carriage = in.NextInt();
    doc.usedMin = in.NextInt();
    doc.usedMax = in.NextInt();
    doc.left = in.Next();
    const QString zero = in.Next();
    doc.right = in.Next();
    doc.rows = in.NextInt();
    if (!in.Ok() || zero.isEmpty()) {
        return false;
    }
    doc.zero = zero.front();
    // Values no document written by the system holds: they would put the
    // carriage or cells off the tape.
    if (!TapeStore::StoredTapeValid(TapeKind::Post, doc.carriage, doc.usedMin, doc.usedMax,
                                    {doc.left.size(), doc.right.size()})) {
        return false;
    }
    if (doc.rows < 2 || qint64(doc.rows) * 4 > in.Remaining()) {
        return false;
    }
    for (int i = 0; i < doc.rows * 4; ++i) {
        doc.cells.append(in.Next());
    }
    return in.Ok();
}

}  // namespace

bool ReadPostFile(Workbench& bench, const QString& path) {
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    return ReadPostFile(bench, path, why);
}

bool ReadPostFile(Workbench& bench, const QString& path, DocumentFile::ReadStatus& why) {
    DocumentFile::ReadResult file = DocumentFile::Read(path, DocumentFile::kPostMagic);
    why = file.status;
    if (file.status == DocumentFile::ReadStatus::WrongMagic) {
        Report(bench, QStringLiteral("Файл не является файлом машины Поста или поврежден!"),
               HelpTopic::PostReadError,
               QStringLiteral(" Ошибка: файл не является файлом машины Поста или поврежден!"));
        return false;
    }
    PostDocument doc;
    if (file.status == DocumentFile::ReadStatus::Ok && !ParsePostDocument(file.lines, doc)) {
        why = DocumentFile::ReadStatus::Damaged;
    }
    if (why != DocumentFile::ReadStatus::Ok) {
        Report(bench, QStringLiteral("Ошибка чтения файла! "), HelpTopic::PostReadError,
               QStringLiteral("  Ошибка чтения файла!"));
        return false;
    }
    // The document holds every value now; the list of lines is let go
    // before the table is built, which lowers the peak for a large file.
    file.lines = QStringList();

    PostMachine& post = bench.Post();
    post.SetStatement(DocumentFile::MemoText(doc.statement));
    TapeStore& tape = post.tape;
    tape.SetPostStrings(doc.left, doc.right, doc.zero);
    tape.SetCarriagePos(doc.carriage);
    tape.SetUsedBounds(doc.usedMin, doc.usedMax);
    tape.ReadWindowCells();
    // The table has rows 1 to R-1; the last group stands for the position
    // after them and is read but not kept.
    PostTable& table = post.table;
    table.SetRowCount(doc.rows);
    for (int row = 1; row < doc.rows; ++row) {
        table.Renumber(row);
        for (int col = 1; col <= 4; ++col) {
            table.SetCell(col, row, doc.cells[(row - 1) * 4 + col - 1]);
        }
    }
    if (!tape.IsEmpty()) {
        tape.ShowUsedBounds();
    }
    if (post.IsCurrent()) {
        bench.RunControl().RefreshBoundButtons();
    }
    post.SetModified(false);
    bench.RunControl().SetEditedSinceStart(post, false);
    Q_EMIT post.DocumentLoaded();
    return true;
}

QStringList PostFileLines(Workbench& bench) {
    PostMachine& post = bench.Post();
    TapeStore& tape = post.tape;
    tape.ReadWindowCells();
    QStringList lines;
    const QStringList statement = DocumentFile::MemoLines(post.Statement());
    lines.append(QString::number(statement.size()));
    lines.append(statement);
    lines.append(QString::number(tape.CarriagePos()));
    lines.append(QString::number(tape.UsedMin()));
    lines.append(QString::number(tape.UsedMax()));
    lines.append(DocumentFile::OneLine(tape.LeftString()));
    lines.append(DocumentFile::OneLine(QString(tape.ZeroCell())));
    lines.append(DocumentFile::OneLine(tape.RightString()));
    const PostTable& table = post.table;
    const int rows = table.RowCount();  // R: the header is counted
    lines.append(QString::number(rows));
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= 4; ++col) {
            lines.append(DocumentFile::OneLine(table.Cell(col, row)));
        }
    }
    return lines;
}

bool WritePostFile(Workbench& bench, const QString& path) {
    PostMachine& post = bench.Post();
    const QStringList lines = PostFileLines(bench);
    Q_EMIT post.DocumentWriting(path);
    if (!DocumentFile::Write(path, DocumentFile::kPostMagic, lines)) {
        Report(bench, QStringLiteral("Ошибка записи файла!"), HelpTopic::PostWriteError,
               QStringLiteral("  Ошибка записи файла!"));
        post.SetModified(true);
        return false;
    }
    post.SetModified(false);
    return true;
}

#include "core/documents/PostFile.h"

#include "core/documents/DocumentFile.h"
#include "core/port/HelpTopics.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"

namespace {

QString Caption() {
    return Tr("PostFile", "Интерпретатор машины Поста");
}

void Report(Workbench& bench, const QString& dialog, int help, const QString& status) {
    bench.RunControl().ReportFailure(Caption(), dialog, help, status);
}

// Everything before the table; the table's cells are taken from the
// lines only once the whole document has been checked.
struct PostDocument {
    QString statement;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    QString left;
    QChar zero;
    QString right;
    int rows = 0;  // R, header included
};

// Reads and checks the document up to its table, and that the table's
// lines (4 per row for rows 1..R) are all there; `in` is left at the first.
bool ParsePostDocument(DocumentFile::LineReader& in, PostDocument& doc) {
    const qint32 n = in.NextInt();
    if (!in.Ok() || n < 0 || n > in.Remaining()) {
        return false;
    }
    doc.statement = in.NextJoined(n);
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
    return doc.rows >= 2 && qint64(doc.rows) * 4 <= in.Remaining();
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
        Report(bench, Tr("PostFile", "Файл не является файлом машины Поста или поврежден!"),
               HelpTopic::PostReadError,
               Tr("PostFile", " Ошибка: файл не является файлом машины Поста или поврежден!"));
        return false;
    }
    DocumentFile::LineReader in(file);
    PostDocument doc;
    if (file.status == DocumentFile::ReadStatus::Ok && !ParsePostDocument(in, doc)) {
        why = DocumentFile::ReadStatus::Damaged;
    }
    if (why != DocumentFile::ReadStatus::Ok) {
        // The message names the cause on a line of its own.
        Report(bench,
               Tr("PostFile", "Ошибка чтения файла! ") + u'\n' + DocumentFile::ReadStatusText(why),
               HelpTopic::PostReadError, Tr("PostFile", "  Ошибка чтения файла!"));
        return false;
    }
    PostMachine& post = bench.Post();
    post.SetStatement(doc.statement);
    TapeStore& tape = post.tape;
    tape.SetPostStrings(doc.left, doc.right, doc.zero);
    tape.SetCarriagePos(doc.carriage);
    tape.SetUsedBounds(doc.usedMin, doc.usedMax);
    tape.ReadWindowCells();
    // The table has rows 1 to R-1, each cell decoded straight from its
    // line into the table, the texts of them all in one shared block; the
    // last group stands for the position after them and is not read.
    PostTable& table = post.table;
    table.SetRowCount(doc.rows);
    DocumentFile::SharedTextBlock texts(in.RemainingBytes() + 1);
    for (int row = 1; row < doc.rows; ++row) {
        for (int col = 1; col <= 4; ++col) {
            table.SetCell(col, row, in.Next(texts));
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

namespace {

// The document's lines, in order, into `out`.
void PutPostLines(Workbench& bench, DocumentFile::LineSink& out) {
    PostMachine& post = bench.Post();
    TapeStore& tape = post.tape;
    tape.ReadWindowCells();
    const QStringList statement = DocumentFile::MemoLines(post.Statement());
    out.Add(QString::number(statement.size()));
    out.AddAll(statement);
    out.Add(QString::number(tape.CarriagePos()));
    out.Add(QString::number(tape.UsedMin()));
    out.Add(QString::number(tape.UsedMax()));
    out.AddOneLine(tape.LeftString());
    out.AddOneLine(QString(tape.ZeroCell()));
    out.AddOneLine(tape.RightString());
    const PostTable& table = post.table;
    const int rows = table.RowCount();  // R: the header is counted
    out.Add(QString::number(rows));
    // Columns 1 to 4 are stored cells, read in place rather than copied.
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= 4; ++col) {
            out.AddOneLine(table.TextTable::Cell(col, row));
        }
    }
}

}  // namespace

QStringList PostFileLines(Workbench& bench) {
    DocumentFile::LineList list;
    PutPostLines(bench, list);
    return list.lines;
}

bool WritePostFile(Workbench& bench, const QString& path) {
    PostMachine& post = bench.Post();
    DocumentFile::ImageComposer image(DocumentFile::kPostMagic);
    PutPostLines(bench, image);
    Q_EMIT post.DocumentWriting(path);
    if (!DocumentFile::Write(path, image)) {
        Report(bench, Tr("PostFile", "Ошибка записи файла!"), HelpTopic::PostWriteError,
               Tr("PostFile", "  Ошибка записи файла!"));
        post.SetModified(true);
        return false;
    }
    post.SetModified(false);
    return true;
}

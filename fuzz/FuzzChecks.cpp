#include "FuzzChecks.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <optional>

#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/post/PostInterpreter.h"
#include "core/run/RunController.h"
#include "core/text/CellText.h"
#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"
#include "runner/BatchRun.h"

namespace FuzzChecks {

namespace {

// Documents travel through real files, as they do for the user. One scratch
// folder serves the whole process; each check overwrites the same few names.
QString ScratchPath(const QString& name) {
    static QTemporaryDir dir;
    return dir.filePath(name);
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Quote(const QString& text) {
    return QStringLiteral("\"") + text.left(60) +
           (text.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

// Where two documents' lines part, for the report of a failed round trip.
QString FirstDifference(const QStringList& a, const QStringList& b) {
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            return QStringLiteral("line %1: %2 became %3").arg(i).arg(Quote(a[i]), Quote(b[i]));
        }
    }
    return QStringLiteral("%1 lines became %2").arg(a.size()).arg(b.size());
}

// What both document kinds share: how each is read, listed and written.
struct DocumentKind {
    QString suffix;
    QByteArray magic;
    MachineKind kind;
    bool (*read)(Workbench&, const QString&);
    bool (*write)(Workbench&, const QString&);
    QStringList (*lines)(Workbench&);
    Machine& (*machine)(Workbench&);
    QStringList refusals;  // the dialog texts a refused file may get
};

QStringList TuringLines(Workbench& bench) {
    bench.Turing().tape.ReadWindowCells();
    return TuringFileLines(bench.Turing());
}

}  // namespace

QByteArray DocumentImage(const QByteArray& magic, const QByteArray& input) {
    if (input.startsWith(kFilePrefix)) {
        return input;
    }
    QByteArray image = input;
    for (char& b : image) {
        b = char(b ^ DocumentFile::kMask);
    }
    return magic + image;
}

namespace {

const DocumentKind& PostKind() {
    static const DocumentKind kind{
        QStringLiteral(".pst"),
        QByteArrayLiteral("Zebrin42[pst]"),
        MachineKind::Post,
        ReadPostFile,
        WritePostFile,
        PostFileLines,
        [](Workbench& bench) -> Machine& { return bench.Post(); },
        {QStringLiteral("Ошибка чтения файла! "),
         QStringLiteral("Файл не является файлом машины Поста или поврежден!")}};
    return kind;
}

const DocumentKind& TuringKind() {
    static const DocumentKind kind{
        QStringLiteral(".tur"),
        DocumentFile::kTuringMagic,
        MachineKind::Turing,
        ReadTuringFile,
        WriteTuringFile,
        TuringLines,
        [](Workbench& bench) -> Machine& { return bench.Turing(); },
        {QStringLiteral("Ошибка чтения файла! "),
         QStringLiteral("Файл не является файлом машины Тьюринга или поврежден!")}};
    return kind;
}

QString CheckDocument(const DocumentKind& kind, const QByteArray& input) {
    const QString in = ScratchPath(QStringLiteral("in") + kind.suffix);
    const QString out = ScratchPath(QStringLiteral("out") + kind.suffix);
    const QString again = ScratchPath(QStringLiteral("again") + kind.suffix);
    const QString after = ScratchPath(QStringLiteral("after-run") + kind.suffix);
    if (!WriteBytes(in, DocumentImage(kind.magic, input))) {
        return QStringLiteral("cannot write the scratch file ") + in;
    }

    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(kind.kind);
    const QStringList fresh = kind.lines(bench);
    if (!kind.read(bench, in)) {
        if (kind.lines(bench) != fresh) {
            return QStringLiteral("a refused document changed the machine: ") +
                   FirstDifference(fresh, kind.lines(bench));
        }
        if (ui.dialogs.size() != 1 || !kind.refusals.contains(ui.dialogs[0].message)) {
            return QStringLiteral("a refused document did not get exactly one read-error dialog");
        }
        return {};
    }
    if (!ui.dialogs.isEmpty()) {
        return QStringLiteral("an accepted document showed a dialog: ") + ui.dialogs[0].message;
    }
    if (kind.machine(bench).Modified()) {
        return QStringLiteral("a document read in leaves the machine modified");
    }

    const QStringList first = kind.lines(bench);
    if (!kind.write(bench, out)) {
        return QStringLiteral("the machine read in cannot be written");
    }
    ScriptedUi ui2(ScriptedUi::Unplanned::FirstButton);
    Workbench bench2(ui2);
    bench2.SetKind(kind.kind);
    if (!kind.read(bench2, out)) {
        return QStringLiteral("the written document does not read back");
    }
    const QStringList second = kind.lines(bench2);
    if (first != second) {
        return QStringLiteral("the round trip changed the machine: ") +
               FirstDifference(first, second);
    }
    if (!kind.write(bench2, again) || ReadBytes(again) != ReadBytes(out)) {
        return QStringLiteral("a written document does not write again byte for byte");
    }

    // The machine as read must also run and be stored after its run.
    RunSpec spec;
    spec.file = out;
    spec.maxSteps = 40;
    spec.saveTo = after;
    const RunOutcome outcome = RunDocument(spec);
    if (outcome.result == RunOutcome::Result::Unreadable ||
        outcome.result == RunOutcome::Result::Usage || !outcome.saveError.isEmpty()) {
        return QStringLiteral("the batch runner could not run or store the document");
    }
    ScriptedUi ui3(ScriptedUi::Unplanned::FirstButton);
    Workbench bench3(ui3);
    bench3.SetKind(kind.kind);
    if (!kind.read(bench3, after)) {
        return QStringLiteral("the document stored after a run does not read back");
    }
    return {};
}

QString Text(const QByteArray& input) {
    return Cp1251::Decode(input);
}

QString ShowCommand(const std::optional<QString>& command) {
    return command ? Quote(*command) : QStringLiteral("rejected");
}

// The alphabet a rebuild must leave for an editor text: its symbols in
// order, each once, without the blank mark and the separating spaces.
QString ExpectedAlphabet(const QString& text) {
    QString symbols;
    for (QChar c : text) {
        if (c != u' ' && c != kTuringBlankMark && !symbols.contains(c)) {
            symbols.append(c);
        }
    }
    return symbols;
}

// The commands of a row, state columns 1 to C - 1.
QStringList RowCommands(const TuringTable& table, int row) {
    QStringList commands;
    for (int col = 1; col < table.ColCount(); ++col) {
        commands.append(table.Cell(col, row));
    }
    return commands;
}

// What a sound table keeps through an alphabet change: each symbol's
// commands from its first row, and the blank row's from the last blank row.
struct TableMemory {
    QHash<QChar, QStringList> symbolRows;
    QStringList blankRow;
};

TableMemory Remember(const TuringTable& table) {
    TableMemory memory;
    memory.blankRow = QStringList(table.ColCount() - 1, QString());
    for (int row = 1; row < table.RowCount(); ++row) {
        const QString& label = table.Cell(0, row);
        if (label == TuringTable::BlankLabel()) {
            memory.blankRow = RowCommands(table, row);
        } else if (label.size() == 1 && !memory.symbolRows.contains(label[0])) {
            memory.symbolRows.insert(label[0], RowCommands(table, row));
        }
    }
    return memory;
}

// Gives every command cell a text of its own, so that a check can see where
// each row's commands went.
void Mark(TuringTable& table, int round) {
    for (int row = 1; row < table.RowCount(); ++row) {
        for (int col = 1; col < table.ColCount(); ++col) {
            table.SetCell(col, row, QStringLiteral("%1:%2:%3").arg(round).arg(row).arg(col));
        }
    }
}

// The table's invariants for the machine's alphabet: headers "Q0".. by
// position over an empty corner, rows 1..k the alphabet in order, the
// blank row last, the cursor inside.
QString CheckTableShape(const TuringMachine& machine) {
    const TuringTable& table = machine.table;
    const QString& alphabet = machine.Alphabet();
    if (table.ColCount() < 2) {
        return QStringLiteral("the table has no state column");
    }
    if (!table.Cell(0, 0).isEmpty()) {
        return QStringLiteral("the header corner is not empty");
    }
    for (int col = 1; col < table.ColCount(); ++col) {
        if (table.Cell(col, 0) != TuringTable::Header(col)) {
            return QStringLiteral("column %1 is headed %2").arg(col).arg(Quote(table.Cell(col, 0)));
        }
    }
    if (table.RowCount() != alphabet.size() + 2) {
        return QStringLiteral("%1 rows for the alphabet %2")
            .arg(table.RowCount())
            .arg(Quote(alphabet));
    }
    for (int row = 1; row <= alphabet.size(); ++row) {
        if (table.Cell(0, row) != QString(alphabet[row - 1])) {
            return QStringLiteral("row %1 is labelled %2 for the alphabet %3")
                .arg(row)
                .arg(Quote(table.Cell(0, row)), Quote(alphabet));
        }
    }
    if (table.Cell(0, table.RowCount() - 1) != TuringTable::BlankLabel()) {
        return QStringLiteral("the last row is not the blank row");
    }
    if (!table.Contains(table.Col(), table.Row())) {
        return QStringLiteral("the cursor left the table");
    }
    for (int i = 0; i < alphabet.size(); ++i) {
        const QChar c = alphabet[i];
        if (c == u' ' || c == kTuringBlankMark || alphabet.indexOf(c, i + 1) >= 0) {
            return QStringLiteral("the alphabet %1 holds a space, a blank mark or a repeat")
                .arg(Quote(alphabet));
        }
    }
    return {};
}

// After an alphabet change every symbol row holds the commands it had (or
// none when new) and the blank row keeps every command it had.
QString CheckCommandsTravelled(const TuringTable& table, const TableMemory& before) {
    const int last = table.RowCount() - 1;
    for (int row = 1; row < last; ++row) {
        const QChar symbol = table.Cell(0, row)[0];
        const QStringList expected =
            before.symbolRows.value(symbol, QStringList(table.ColCount() - 1, QString()));
        if (RowCommands(table, row) != expected) {
            return QStringLiteral("the row of %1 lost its commands").arg(Quote(QString(symbol)));
        }
    }
    if (RowCommands(table, last) != before.blankRow) {
        return QStringLiteral("the blank row lost its commands");
    }
    return {};
}

// A damaged table as a document may bring it: one row per character of
// `labels` ("~" stands for the blank row's label), two state columns.
void LoadDamagedTable(TuringMachine& machine, const QString& labels) {
    constexpr int kCols = 3;
    QVector<QString> cells;
    for (QChar c : labels) {
        cells.append(c == u'~' ? TuringTable::BlankLabel() : QString(c));
        for (int col = 1; col < kCols; ++col) {
            cells.append(QString());
        }
    }
    machine.table.Load(kCols, int(labels.size()) + 1, cells);
    QString alphabet = labels;
    alphabet.remove(u'~');
    machine.LoadAlphabet(alphabet);
}

struct JumpRun {
    QString dialog;  // the last dialog's text, empty when none
    int row = 0;     // the row the jump went to, 0 when it failed
    bool running = false;
};

// Three ticks of a program whose row 1 is a conditional jump with `field`
// and whose rows 2 and 3 stop, from an empty or a marked carriage cell.
JumpRun RunConditionalJump(const QString& field, bool marked) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    post.table.SetProgramRows(3);
    post.table.SetCode(1, QStringLiteral("5"));
    post.table.SetCell(PostTable::ColJump, 1, field);
    post.table.SetCode(2, QStringLiteral("6"));
    post.table.SetCode(3, QStringLiteral("6"));
    post.tape.SetPostCell(post.tape.CarriagePos(), marked);
    bench.RunControl().Run();
    // The first tick announces row 1 and the second executes it and
    // announces the row it jumped to; the third stops there.
    JumpRun result;
    RunController& run = bench.RunControl();
    for (int tick = 0; tick < 3 && run.Active(post); ++tick) {
        run.PostRunTick();
        if (tick == 1 && run.Active(post)) {
            result.row = run.Position(post).at;
        }
    }
    result.dialog = ui.dialogs.isEmpty() ? QString() : ui.dialogs.back().message;
    result.running = run.Active(post);
    if (run.Active(post)) {
        bench.RunControl().Break();
    }
    return result;
}

QString ExpectJumpRun(const QString& field, bool marked, const PostJump& jump) {
    const JumpRun run = RunConditionalJump(field, marked);
    const QString state = marked ? QStringLiteral(" on a mark") : QStringLiteral(" on no mark");
    const auto valid = [](qint32 row) { return row >= 1 && row <= 3; };
    QString expected;
    int row = 0;
    if (!jump.ok) {
        expected = QStringLiteral("Неверно указан номер отсылки!");
    } else if (!valid(jump.first) || (marked && !valid(jump.second))) {
        expected = QStringLiteral("Команды с таким номером не существует!");
    } else {
        row = marked ? jump.second : jump.first;
        // A jump back to itself comes back to the configuration it left:
        // a loop of one step, which pauses the run.
        expected = row != 1 ? QStringLiteral("Программа завершена!")
                            : QStringLiteral(
                                  "Программа зациклилась: с шага 1 машина повторяет "
                                  "одни и те же 1 шагов.");
    }
    if (run.dialog != expected) {
        return QStringLiteral("the jump %1 ended with %2, not %3")
                   .arg(Quote(field), Quote(run.dialog), Quote(expected)) +
               state;
    }
    if (run.row != row || run.running != (row == 1)) {
        return QStringLiteral("the jump %1 went to row %2, not %3")
                   .arg(Quote(field))
                   .arg(run.row)
                   .arg(row) +
               state;
    }
    return {};
}

}  // namespace

QString PostDocument(const QByteArray& input) {
    return CheckDocument(PostKind(), input);
}

QString TuringDocument(const QByteArray& input) {
    return CheckDocument(TuringKind(), input);
}

QString TuringCommandText(const QByteArray& input) {
    const QString text = Text(input);
    const qsizetype split = text.indexOf(u'\n');
    const QString alphabetText = split < 0 ? QString() : text.left(split);
    const QString cell = split < 0 ? text : text.mid(split + 1);

    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& machine = bench.Turing();
    machine.EditAlphabetText(alphabetText);
    machine.RebuildAlphabet();
    const QString& alphabet = machine.Alphabet();

    const std::optional<QString> checked =
        cell.isEmpty() ? std::nullopt : NormaliseTuringCommand(cell, alphabet);
    if (checked) {
        const QString& c = *checked;
        if (c.size() < 3 || c.contains(u' ') || c.front().unicode() <= 32 ||
            c.back().unicode() <= 32) {
            return QStringLiteral("the cell check let %1 through").arg(Quote(c));
        }
        if ((c[0] != kTuringBlankMark && !alphabet.contains(c[0])) || !IsTuringMove(c[1])) {
            return QStringLiteral("the cell check accepted %1 for the alphabet %2")
                .arg(Quote(c), Quote(alphabet));
        }
        if (NormaliseTuringCommand(c, alphabet) != checked) {
            return QStringLiteral("the cell check changes its own result %1").arg(Quote(c));
        }
        const std::optional<TuringCommand> read = ParseTuringCommand(c);
        if (!read || read->write != c[0] || read->move != c[1] ||
            ParseInteger(QStringView(c).mid(2)) != read->nextState) {
            return QStringLiteral("the interpreter misreads the checked command %1").arg(Quote(c));
        }
    }

    const std::optional<TuringCommand> read = ParseTuringCommand(cell);
    const std::optional<qint32> rest =
        cell.size() < 2 ? std::nullopt : ParseInteger(QStringView(cell).mid(2));
    if (read.has_value() != rest.has_value() ||
        (read && (read->write != cell[0] || read->move != cell[1] || read->nextState != *rest))) {
        return QStringLiteral("the interpreter misreads %1").arg(Quote(cell));
    }

    // The table's cell check on Enter must do exactly what the function says.
    TuringTable& table = machine.table;
    table.SetCell(1, 1, cell);
    table.SetCursor(1, 1);
    machine.CheckCell();
    const QString expected = cell.isEmpty() ? cell : checked.value_or(QString());
    if (table.Cell(1, 1) != expected) {
        return QStringLiteral("the table's check left %1 for %2, not %3")
            .arg(Quote(table.Cell(1, 1)), Quote(cell), ShowCommand(checked));
    }
    return {};
}

QString PostJumpField(const QByteArray& input) {
    const QString field = Text(input);
    const PostJump execution = ParsePostJumpForExecution(field);
    const PostJump announcement = ParsePostJumpForAnnouncement(field);
    const bool blank = TrimLow(field).isEmpty();
    const bool comma = field.contains(u',');

    if (execution.ok != (execution.helpTopic == 0) ||
        (!execution.ok && execution.helpTopic != (blank ? 132 : 133))) {
        return QStringLiteral("execution gives help topic %1 for %2")
            .arg(execution.helpTopic)
            .arg(Quote(field));
    }
    if (announcement.ok != (announcement.helpTopic == 0) ||
        (!announcement.ok && announcement.helpTopic != 133)) {
        return QStringLiteral("the announcement gives help topic %1 for %2")
            .arg(announcement.helpTopic)
            .arg(Quote(field));
    }
    if (announcement.ok && (!comma || !execution.ok || execution.first != announcement.first ||
                            execution.second != announcement.second)) {
        return QStringLiteral("the two readings disagree on %1").arg(Quote(field));
    }
    if (comma && execution.ok != announcement.ok) {
        return QStringLiteral("the two readings disagree on %1").arg(Quote(field));
    }
    if (execution.ok && !comma && execution.second != 0) {
        return QStringLiteral("a lone number %1 gives a second row").arg(Quote(field));
    }
    if (execution.ok) {
        const QString plain = QStringLiteral("%1,%2").arg(execution.first).arg(execution.second);
        const PostJump again = ParsePostJumpForAnnouncement(plain);
        if (!again.ok || again.first != execution.first || again.second != execution.second) {
            return QStringLiteral("%1 does not read back as %2").arg(Quote(field), plain);
        }
    }

    for (bool marked : {false, true}) {
        const QString failure = ExpectJumpRun(field, marked, announcement);
        if (!failure.isEmpty()) {
            return failure;
        }
    }
    return {};
}

QString AlphabetRebuild(const QByteArray& input) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& machine = bench.Turing();
    TuringTable& table = machine.table;
    // A loaded damaged table holds no promise until the next rebuild.
    bool sound = true;
    int round = 0;

    for (const QString& line : Text(input).split(u'\n')) {
        ++round;
        Mark(table, round);
        const TableMemory before = Remember(table);
        const QString alphabetBefore = machine.Alphabet();
        const int rowsBefore = table.RowCount();
        const QChar op = line.isEmpty() ? QChar() : line[0];
        const QString arg = line.mid(1);
        QString failure;

        if (op == u'!') {
            LoadDamagedTable(machine, arg);
            sound = false;
            continue;
        }
        if (op == u'+') {
            const QChar symbol = arg.isEmpty() ? QChar(u' ') : arg[0];
            const bool refused =
                symbol == u' ' || symbol == kTuringBlankMark || machine.Alphabet().contains(symbol);
            if (machine.AddSymbol(symbol) == refused) {
                return QStringLiteral("adding %1 was answered wrongly").arg(Quote(QString(symbol)));
            }
            if (!sound) {
                continue;
            }
            const QString expected = refused ? alphabetBefore : alphabetBefore + symbol;
            if (machine.Alphabet() != expected ||
                table.RowCount() != rowsBefore + (refused ? 0 : 1)) {
                return QStringLiteral("adding %1 gave the alphabet %2")
                    .arg(Quote(QString(symbol)), Quote(machine.Alphabet()));
            }
            failure = CheckTableShape(machine);
            if (failure.isEmpty()) {
                failure = CheckCommandsTravelled(table, before);
            }
        } else if (op == u'<' || op == u'>' || op == u'|') {
            const int col = arg.isEmpty() ? 1 : int(arg[0].unicode() % (table.ColCount() + 1));
            table.SetCursor(col, table.Row());
            const int cols = table.ColCount();
            if (op == u'<') {
                machine.DeleteColumn();
            } else if (op == u'>') {
                machine.InsertColumn();
            } else {
                machine.AppendColumn();
            }
            const int expectedCols = op == u'<' ? std::max(cols - 1, 2) : cols + 1;
            if (table.ColCount() != expectedCols || table.RowCount() != rowsBefore) {
                return QStringLiteral("a column command left %1 columns and %2 rows")
                    .arg(table.ColCount())
                    .arg(table.RowCount());
            }
            if (sound) {
                failure = CheckTableShape(machine);
            }
        } else {
            const bool clear = op == u'-';
            const QString text = op == u'=' ? arg : line;
            if (clear) {
                machine.ClearAlphabet();
            } else {
                machine.EditAlphabetText(text);
                machine.RebuildAlphabet();
            }
            const QString expected = clear ? QString() : ExpectedAlphabet(text);
            if (machine.Alphabet() != expected) {
                return QStringLiteral("the editor text %1 gave the alphabet %2, not %3")
                    .arg(Quote(text), Quote(machine.Alphabet()), Quote(expected));
            }
            if (ExpectedAlphabet(machine.AlphabetText()) != expected ||
                machine.AlphabetText().contains(kTuringBlankMark)) {
                return QStringLiteral("the editor was left with %1")
                    .arg(Quote(machine.AlphabetText()));
            }
            sound = true;
            failure = CheckTableShape(machine);
            if (failure.isEmpty()) {
                failure = CheckCommandsTravelled(table, before);
            }
        }
        if (!failure.isEmpty()) {
            return QStringLiteral("after %1: ").arg(Quote(line)) + failure;
        }
    }
    return {};
}

const QList<Target>& Targets() {
    static const QList<Target> targets{
        {"post_file", PostDocument},           {"turing_file", TuringDocument},
        {"turing_command", TuringCommandText}, {"post_jump", PostJumpField},
        {"alphabet", AlphabetRebuild},
    };
    return targets;
}

const Target* FindTarget(const QString& name) {
    for (const Target& target : Targets()) {
        if (name == QLatin1String(target.name)) {
            return &target;
        }
    }
    return nullptr;
}

}  // namespace FuzzChecks

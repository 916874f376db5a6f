// New, Open, Save, Save As and the closing questions: every path that would
// discard changes asks first, and no answer loses unsaved work.

#include <sys/stat.h>
#include <QTemporaryDir>
#include <QtTest>

#include "core/documents/DocumentCommands.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

using Answers = QList<DialogAnswer>;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Edit(Workbench& bench) {
    bench.Current().tape.SetPostCell(3, true);
}

}  // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newAndOpen_data();
    void newAndOpen();
    void openReadsTheFileAndTitlesTheWindow();
    void damagedFileGivesAnEmptyUntitledMachine();
    void nodesThatAreNotFilesAreReadErrors_data();
    void nodesThatAreNotFilesAreReadErrors();
    void saveAndSaveAs();
    void eachMachineKeepsToItsOwnFormat_data();
    void eachMachineKeepsToItsOwnFormat();
    void machineToReadByFirstBytesThenName_data();
    void machineToReadByFirstBytesThenName();
    void closeQuestions_data();
    void closeQuestions();
    void clearingCommands();

private:
    QTemporaryDir dir_;
};

void TestDocumentCommands::newAndOpen_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("files");  // the save dialog's answers after the open dialog's
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("new, not modified") << false << false << Answers{} << QStringList{} << 0 << true;
    QTest::newRow("new, no") << false << true << Answers{DialogAnswer::No} << QStringList{} << 1
                             << true;
    QTest::newRow("new, cancel") << false << true << Answers{DialogAnswer::Cancel} << QStringList{}
                                 << 1 << false;
    QTest::newRow("new, dismissed")
        << false << true << Answers{DialogAnswer::Closed} << QStringList{} << 1 << false;
    QTest::newRow("new, yes, save dialog cancelled")
        << false << true << Answers{DialogAnswer::Yes} << QStringList{QString()} << 1 << false;
    QTest::newRow("new, yes, saved") << false << true << Answers{DialogAnswer::Yes}
                                     << QStringList{QStringLiteral("saved.pst")} << 1 << true;
    QTest::newRow("open, cancel the question")
        << true << true << Answers{DialogAnswer::Cancel} << QStringList{} << 1 << false;
    QTest::newRow("open, yes, save dialog cancelled")
        << true << true << Answers{DialogAnswer::Yes} << QStringList{QString()} << 1 << false;
}

void TestDocumentCommands::newAndOpen() {
    QFETCH(bool, open);
    QFETCH(bool, modified);
    QFETCH(Answers, answers);
    QFETCH(QStringList, files);
    const QString target = dir_.filePath(QStringLiteral("target.pst"));
    {
        ScriptedUi writerUi;
        Workbench writer(writerUi);
        writer.Post().tape.SetPostCell(-7, true);
        QVERIFY(WritePostFile(writer, target));
    }
    ScriptedUi ui;
    Workbench bench(ui);
    bench.Post().tape.SetPostCell(5, true);
    bench.Post().SetStatement(QStringLiteral("моя задача"));
    bench.SetModified(modified);
    ui.answers = answers;
    if (open) {
        ui.fileAnswers.append(target);
    }
    for (const QString& f : files) {
        ui.fileAnswers.append(f.isEmpty() ? f : dir_.filePath(f));
    }
    if (open) {
        DocumentCommands::Open(bench);
    } else {
        DocumentCommands::New(bench);
    }
    QTEST(int(ui.dialogs.size()), "questions");
    if (!ui.dialogs.isEmpty()) {
        QCOMPARE(ui.dialogs[0].message, QStringLiteral("<Сохранить изменения в файле Без имени?"));
        QCOMPARE(ui.dialogs[0].kind, MessageKind::Question);
        QCOMPARE(ui.beeps, 0);
    }
    QFETCH(bool, cleared);
    QCOMPARE(!bench.Post().tape.GetPostCell(5), cleared);
    if (cleared) {
        QCOMPARE(bench.Title(), QStringLiteral("Zebrin42 [машина Поста] - Без имени"));
        QVERIFY(!bench.Post().Modified());
        QCOMPARE(bench.StatusText(Workbench::PanelModified), QString());
        QCOMPARE(bench.Post().table.ProgramRows(), 10);
    } else {
        // Unsaved work stays, still marked as unsaved, and the chosen file
        // was not read.
        QCOMPARE(bench.Post().Statement(), QStringLiteral("моя задача"));
        QVERIFY(bench.Post().Modified());
        QVERIFY(!bench.Post().tape.GetPostCell(-7));
    }
}

void TestDocumentCommands::openReadsTheFileAndTitlesTheWindow() {
    const QString path = dir_.filePath(QStringLiteral("задача 1.tur"));
    {
        ScriptedUi ui;
        Workbench writer(ui);
        writer.SetKind(MachineKind::Turing);
        writer.Turing().SetStatement(QStringLiteral("из файла"));
        QVERIFY(WriteTuringFile(writer, path));
    }
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    ui.fileAnswers = {path};
    DocumentCommands::Open(bench);
    QCOMPARE(ui.fileDialogs[0].title, QStringLiteral("Открытие Машины Тьюринга"));
    QCOMPARE(ui.fileDialogs[0].filter, QStringLiteral("Машина Тьюринга|*.tur"));
    QCOMPARE(bench.Turing().Statement(), QStringLiteral("из файла"));
    QCOMPARE(bench.Title(), QStringLiteral("Zebrin42 [машина Тьюринга] - задача 1.tur"));
    QVERIFY(!bench.Turing().Modified());
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QString());
}

void TestDocumentCommands::damagedFileGivesAnEmptyUntitledMachine() {
    const QString path = dir_.filePath(QStringLiteral("damaged.pst"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Zebrin42[pst]garbage");
    file.close();
    const QByteArray before = Contents(path);

    ScriptedUi ui;
    Workbench bench(ui);
    ui.fileAnswers = {path};
    ui.ExpectDialog();
    DocumentCommands::Open(bench);
    QCOMPARE(ui.dialogs.size(), 1);  // the reader's error, and no save question
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Ошибка чтения файла! \nдокумент повреждён"));
    QVERIFY(!bench.Post().document.hasFileName);
    QVERIFY(!bench.Post().Modified());
    QCOMPARE(bench.Title(), QStringLiteral("Zebrin42 [машина Поста] - Без имени"));
    // New afterwards asks nothing and the damaged file stays as it was.
    DocumentCommands::New(bench);
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(Contents(path), before);
}

void TestDocumentCommands::nodesThatAreNotFilesAreReadErrors_data() {
    QTest::addColumn<QString>("node");
    QTest::addColumn<DocumentFile::ReadStatus>("why");
    QTest::newRow("named pipe") << "pipe" << DocumentFile::ReadStatus::NotRegular;
    QTest::newRow("link to a named pipe") << "link" << DocumentFile::ReadStatus::NotRegular;
    QTest::newRow("folder") << "folder" << DocumentFile::ReadStatus::NotRegular;
    QTest::newRow("device") << "/dev/zero" << DocumentFile::ReadStatus::NotRegular;
    QTest::newRow("missing") << "missing" << DocumentFile::ReadStatus::Missing;
}

// Open of a named pipe waited for a writer in open() (the look at the first
// bytes as well as the reader); now it is refused at once with the read
// error, as a missing file is, for both machines.
void TestDocumentCommands::nodesThatAreNotFilesAreReadErrors() {
    QFETCH(QString, node);
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.tur"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(pipe, dir.filePath(QStringLiteral("link.pst"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pst")));
    const QString path = node.startsWith(u'/') ? node
                         : node == u"pipe"     ? pipe
                                               : dir.filePath(node + QStringLiteral(".pst"));
    QVERIFY(!DocumentCommands::KindByMagic(path));
    for (const MachineKind kind : {MachineKind::Post, MachineKind::Turing}) {
        ScriptedUi ui;
        Workbench bench(ui);
        bench.SetKind(kind);
        ui.ExpectDialog();
        DocumentCommands::OpenPath(bench, path);
        QCOMPARE(ui.dialogs.size(), 1);
        const QString message = ui.dialogs[0].message;
        QVERIFY(!bench.Current().document.hasFileName);

        ui.ExpectDialog();
        DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
        QVERIFY(kind == MachineKind::Post ? !ReadPostFile(bench, path, why)
                                          : !ReadTuringFile(bench, path, why));
        QTEST(why, "why");
        // The message's second line names the cause.
        QCOMPARE(message,
                 QStringLiteral("Ошибка чтения файла! \n") + DocumentFile::ReadStatusText(why));
    }
}

void TestDocumentCommands::saveAndSaveAs() {
    ScriptedUi ui;
    Workbench bench(ui);
    Edit(bench);
    // Save on an untitled document, the dialog cancelled: nothing written.
    ui.fileAnswers = {QString()};
    QVERIFY(!DocumentCommands::Save(bench));
    QCOMPARE(ui.fileDialogs.back().title, QStringLiteral("Сохранение файла машины Поста"));
    QVERIFY(bench.Post().Modified());
    QVERIFY(!bench.Post().document.hasFileName);

    const QString first = dir_.filePath(QStringLiteral("first.pst"));
    ui.fileAnswers = {first};
    QVERIFY(DocumentCommands::Save(bench));
    QVERIFY(!bench.Post().Modified());
    QCOMPARE(bench.Title(), QStringLiteral("Zebrin42 [машина Поста] - first.pst"));

    // Save As offers "*.pst" again and writes under the new name.
    Edit(bench);
    const QString second = dir_.filePath(QStringLiteral("second.pst"));
    ui.fileAnswers = {second};
    DocumentCommands::SaveAs(bench);
    QCOMPARE(ui.fileDialogs.back().fileName, QStringLiteral("*.pst"));
    QVERIFY(QFile::exists(second));
    QCOMPARE(bench.Post().document.fileName, second);
    // A plain Save writes without a dialog now.
    const int dialogs = ui.fileDialogs.size();
    Edit(bench);
    QVERIFY(DocumentCommands::Save(bench));
    QCOMPARE(ui.fileDialogs.size(), dialogs);

    // A Save As that cannot write (the folder is gone) keeps the name the
    // document had, the title and the modified flag.
    Edit(bench);
    ui.fileAnswers = {dir_.filePath(QStringLiteral("gone/third.pst"))};
    ui.ExpectDialog(DialogAnswer::Ok);  // the write error
    DocumentCommands::SaveAs(bench);
    QCOMPARE(bench.Post().document.fileName, second);
    QCOMPARE(bench.Title(), QStringLiteral("Zebrin42 [машина Поста] - second.pst"));
    QVERIFY(bench.Post().Modified());
    // So does the first Save of an untitled document.
    ui.ExpectDialog(DialogAnswer::No);  // not saved before New
    DocumentCommands::New(bench);
    Edit(bench);
    ui.fileAnswers = {dir_.filePath(QStringLiteral("gone/fourth.pst"))};
    ui.ExpectDialog(DialogAnswer::Ok);
    QVERIFY(!DocumentCommands::Save(bench));
    QVERIFY(!bench.Post().document.hasFileName);
    QCOMPARE(bench.Title(), QStringLiteral("Zebrin42 [машина Поста] - Без имени"));
    QVERIFY(bench.Post().Modified());
}

void TestDocumentCommands::eachMachineKeepsToItsOwnFormat_data() {
    QTest::addColumn<MachineKind>("kind");
    QTest::addColumn<QStringList>("openDialog");  // title, filter, suffix, name field
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("closeQuestion");
    QTest::newRow("Post") << MachineKind::Post
                          << QStringList{"Открытие Машины Поста", "Машина Поста|*.pst", "pst",
                                         "*.pst"}
                          << QByteArray("Zebrin42[pst]") << "Интерпретатор машины Поста"
                          << "<Сохранить машину Поста - документ?";
    QTest::newRow("Turing") << MachineKind::Turing
                            << QStringList{"Открытие Машины Тьюринга", "Машина Тьюринга|*.tur",
                                           "tur", "*.tur"}
                            << QByteArray("Zebrin42[tur]") << "Интерпретатор машины Тьюринга"
                            << "<Сохранить машину Тьюринга - документ?";
}

// Open, Save As, the save question and the closing question of each
// machine use that machine's dialog texts, writer and reader.
void TestDocumentCommands::eachMachineKeepsToItsOwnFormat() {
    QFETCH(MachineKind, kind);
    QFETCH(QStringList, openDialog);
    const QString path = dir_.filePath(QStringLiteral("документ"));
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(kind);
    bench.Current().SetStatement(QStringLiteral("своя задача"));

    ui.fileAnswers = {path};
    DocumentCommands::SaveAs(bench);
    QCOMPARE(ui.fileDialogs.back().fileName, openDialog[3]);
    QVERIFY(!bench.Current().Modified());
    QTEST(Contents(path).left(13), "magic");
    QCOMPARE(DocumentCommands::KindByMagic(path), std::optional<MachineKind>(kind));

    // The save question before Open, answered "Нет", then the file read back.
    bench.Current().SetStatement(QStringLiteral("чужая"));
    ui.answers = {DialogAnswer::No};
    ui.fileAnswers = {path};
    DocumentCommands::Open(bench);
    QCOMPARE(ui.dialogs.size(), 1);
    QTEST(ui.dialogs[0].caption, "caption");
    const FileDialogRequest& open = ui.fileDialogs.back();
    QCOMPARE((QStringList{open.title, open.filter, open.defaultSuffix, open.fileName}), openDialog);
    QCOMPARE(bench.Current().Statement(), QStringLiteral("своя задача"));

    bench.SetModified(true);
    ui.answers = {DialogAnswer::Cancel};
    QVERIFY(!DocumentCommands::CloseQuery(bench));
    QTEST(ui.dialogs.back().caption, "caption");
    QTEST(ui.dialogs.back().message, "closeQuestion");
}

void TestDocumentCommands::machineToReadByFirstBytesThenName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<MachineKind>("kind");
    QTest::newRow("Post bytes under .tur")
        << "a.tur" << QByteArray("Zebrin42[pst]") << MachineKind::Post;
    QTest::newRow("Turing bytes under .pst")
        << "b.pst" << QByteArray("Zebrin42[tur]") << MachineKind::Turing;
    QTest::newRow("neither, .TUR") << "c.TUR" << QByteArray("text") << MachineKind::Turing;
    QTest::newRow("neither, .pst") << "d.pst" << QByteArray("text") << MachineKind::Post;
    QTest::newRow("neither, no suffix") << "tur" << QByteArray() << MachineKind::Post;
}

void TestDocumentCommands::machineToReadByFirstBytesThenName() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = dir_.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QTEST(DocumentCommands::KindToRead(path), "kind");
}

void TestDocumentCommands::closeQuestions_data() {
    QTest::addColumn<bool>("postModified");
    QTest::addColumn<bool>("turingModified");
    QTest::addColumn<bool>("turingShown");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("asked");  // captions in order
    QTest::addColumn<bool>("closes");
    constexpr DialogAnswer Yes = DialogAnswer::Yes, No = DialogAnswer::No;
    constexpr DialogAnswer Ok = DialogAnswer::Ok, Help = DialogAnswer::Help;
    constexpr DialogAnswer Closed = DialogAnswer::Closed;
    const QString post = QStringLiteral("Интерпретатор машины Поста");
    const QString turing = QStringLiteral("Интерпретатор машины Тьюринга");
    QTest::newRow("nothing modified")
        << false << false << false << Answers{} << QStringList{} << QStringList{} << true;
    QTest::newRow("both, no and no") << true << true << false << Answers{No, No} << QStringList{}
                                     << QStringList{post, turing} << true;
    QTest::newRow("escape on post")
        << true << true << false << Answers{Closed} << QStringList{} << QStringList{post} << false;
    QTest::newRow("yes on post, dialog cancelled")
        << true << false << false << Answers{Yes} << QStringList{QString()} << QStringList{post}
        << false;
    QTest::newRow("yes on post from the turing machine")
        << true << false << true << Answers{Yes} << QStringList{QStringLiteral("p.pst")}
        << QStringList{post} << true;
    QTest::newRow("yes on post, write fails") << true << true << false << Answers{Yes, Help, No}
                                              << QStringList{QStringLiteral("no/such/dir/p.pst")}
                                              << QStringList{post, post, turing} << false;
    QTest::newRow("yes on post, dialog cancelled, turing still saved")
        << true << true << false << Answers{Yes, Yes} << QStringList{QString(), "t.tur"}
        << QStringList{post, turing} << false;
    QTest::newRow("yes on both from the turing machine, turing write fails")
        << true << true << true << Answers{Yes, Yes, Ok}
        << QStringList{QStringLiteral("p.pst"), QStringLiteral("no/such/dir/t.tur")}
        << QStringList{post, turing, turing} << false;
}

void TestDocumentCommands::closeQuestions() {
    QFETCH(bool, postModified);
    QFETCH(bool, turingModified);
    QFETCH(bool, turingShown);
    QFETCH(Answers, answers);
    QFETCH(QStringList, files);
    ScriptedUi ui;
    Workbench bench(ui);
    bench.Post().SetModified(postModified);
    bench.Turing().SetModified(turingModified);
    if (turingShown) {
        bench.SetKind(MachineKind::Turing);
        bench.ConfigureSaveDialog();
    }
    ui.answers = answers;
    for (const QString& f : files) {
        ui.fileAnswers.append(f.isEmpty() ? f : dir_.filePath(f));
    }
    // The title as the window shows it, following every change.
    QString title = bench.Title();
    connect(&bench, &Workbench::TitleChanged, this, [&] { title = bench.Title(); });
    const bool closes = DocumentCommands::CloseQuery(bench);
    QStringList asked;
    for (const ScriptedUi::Dialog& d : ui.dialogs) {
        asked.append(d.caption);
    }
    QTEST(asked, "asked");
    QTEST(closes, "closes");
    if (!ui.fileDialogs.isEmpty()) {
        QCOMPARE(ui.fileDialogs[0].filter, QStringLiteral("Машина Поста|*.pst"));
        QCOMPARE(ui.fileDialogs[0].defaultSuffix, QStringLiteral("pst"));
    }
    // The alert comes before the first question; the shown machine stays
    // shown with its own save dialog settings.
    if (!asked.isEmpty()) {
        QCOMPARE(ui.events.value(ui.events.indexOf(QStringLiteral("dialog")) - 1),
                 QStringLiteral("beep"));
    }
    QCOMPARE(bench.Kind(), turingShown ? MachineKind::Turing : MachineKind::Post);
    QCOMPARE(title, bench.Title());
    QVERIFY(
        title.startsWith(turingShown ? u"Zebrin42 [машина Тьюринга]" : u"Zebrin42 [машина Поста]"));
    QCOMPARE(bench.saveDialog.defaultSuffix,
             turingShown ? QStringLiteral("tur") : QStringLiteral("pst"));
}

void TestDocumentCommands::clearingCommands() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(QStringLiteral("ab"));
    turing.RebuildAlphabet();
    turing.tape.SetTuringCell(3, u'a');
    turing.SetComments(QStringLiteral("мои заметки"));
    bench.SetModified(false);
    DocumentCommands::ClearAll(bench);
    QCOMPARE(turing.Statement(), QStringLiteral("Условие задачи: "));
    QCOMPARE(turing.Comments(), QStringLiteral("Комментарии:"));
    QVERIFY(turing.Alphabet().isEmpty());
    QVERIFY(turing.tape.IsEmpty());
    QCOMPARE(turing.table.StateCount(), 5);
    QVERIFY(turing.Modified());
}

QTEST_GUILESS_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"

// A long random use of the real window: a seeded sequence of user actions
// (menu commands, toolbar clicks, tape keys and clicks, table and alphabet
// edits, switches, runs with their ticks, saves and opens of files) with
// every dialog answered at random, and after each action the invariants
// that no sequence of actions may break. A failure names its seed and the
// action number, so the run can be replayed with ZEBRIN_RANDOM_SEEDS.
//
// ZEBRIN_RANDOM_ACTIONS sets the number of actions per seed (default 600),
// ZEBRIN_RANDOM_SEEDS a comma-separated list of seeds (default 1,2,3).

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "window/dialogs/MessageDialog.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/ToolButton.h"
#include "window/post/PostTableView.h"
#include "window/tape/SymbolPopup.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

class RandomUse {
public:
    RandomUse(quint32 seed, const QString& folder) : random_(seed), folder_(folder) {}

    // Runs the actions; returns an empty text or the first broken invariant.
    QString Run(int actions);

private:
    int Pick(int n) { return int(random_.bounded(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }
    QString RandomFile();

    void AnswerModals();
    void Act();
    void MenuCommand();
    void ToolbarClick();
    void TapeKeys();
    void TapeMouse();
    void TableEdit();
    void AlphabetEdit();
    void Ticks();
    void RememberSaves(const std::function<void()>& action);
    QString Check();

    QRandomGenerator random_;
    QString folder_;
    MainWindow form_;
    QTimer answerer_;
    QPointer<QWidget> answeredDialog_;
    int waits_ = 0;
    QString action_;
    // Every document the window saved, with the lines it held then.
    QHash<QString, QStringList> saved_;
};

QString RandomUse::RandomFile() {
    static const char* names[] = {"a", "b", "c", "ученик"};
    const bool post = Chance(50);
    return QStringLiteral("%1/%2.%3")
        .arg(folder_, QString::fromUtf8(names[Pick(4)]), post ? u"pst" : u"tur");
}

// Answers whatever modal window is open: a message dialog with a random
// key, a file dialog with a random file or a cancel, a question box yes.
void RandomUse::AnswerModals() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        return;
    }
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        // Accepting may open the question whether to replace a file, which
        // runs its own loop: the answer is queued so that this timer keeps
        // firing and answers that question too.
        if (dialog == answeredDialog_) {
            // Still open after its answer (a name it refused): cancel it.
            if (++waits_ > 100) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                waits_ = 0;
            }
            return;
        }
        answeredDialog_ = dialog;
        waits_ = 0;
        if (Chance(20)) {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name) {
            name->setText(RandomFile());
        }
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->done(QMessageBox::Yes);
        return;
    }
    static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Return,
                                   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space};
    QTest::keyClick(modal, keys[Pick(6)]);
    if (modal->isVisible() && Chance(30)) {
        modal->close();
    }
}

void RandomUse::MenuCommand() {
    MainMenu& menu = form_.Bars().Menu();
    QList<QAction*> items;
    for (QAction* item : menu.Actions()) {
        const QString name = item->objectName();
        // Closing the window would end the test; the help window and the
        // About box are not part of a document's life, and Qt's own print
        // dialogs open dialogs of their own from a key this answerer sends.
        if (name.startsWith(u"pm") || name == u"mmFileExit" || name.startsWith(u"mmHelp") ||
            name == u"mmFilePrint" || name == u"mmFilePreview") {
            continue;
        }
        QMenu* top = menu.TopMenuOf(item);
        if (item->isVisible() && item->isEnabled() && (!top || top->menuAction()->isEnabled())) {
            items.append(item);
        }
    }
    if (items.isEmpty()) {
        return;
    }
    QAction* item = items[Pick(int(items.size()))];
    action_ = item->objectName();
    RememberSaves([item] { item->trigger(); });
}

void RandomUse::ToolbarClick() {
    MainToolBar& bar = form_.Bars().ToolBar();
    ToolButton* button = bar.Button(1 + Pick(12));
    if (!button || !button->isVisible() || !button->isEnabled() || !bar.isEnabled()) {
        return;
    }
    action_ = QStringLiteral("toolbar ") + button->objectName();
    RememberSaves([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

void RandomUse::TapeKeys() {
    TapeGridWidget* grid = form_.Tape()->CurrentGrid();
    if (!grid->isEnabled()) {
        return;
    }
    grid->setFocus();
    static const Qt::Key keys[] = {Qt::Key_Left,       Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_Space,      Qt::Key_A,     Qt::Key_B,    Qt::Key_1,
                                   Qt::Key_Underscore, Qt::Key_Return};
    const Qt::Key key = keys[Pick(10)];
    const Qt::KeyboardModifiers mods =
        Chance(20) ? Qt::ControlModifier : (Chance(20) ? Qt::ShiftModifier : Qt::NoModifier);
    action_ = QStringLiteral("tape key %1").arg(int(key));
    QTest::keyClick(grid, key, mods);
}

void RandomUse::TapeMouse() {
    TapeGridWidget* grid = form_.Tape()->CurrentGrid();
    if (!grid->isEnabled()) {
        return;
    }
    const QPoint at = grid->CellRect(Pick(27)).center();
    action_ = QStringLiteral("tape click");
    if (Chance(30)) {
        QTest::mouseDClick(grid, Qt::LeftButton, Qt::NoModifier, at);
    } else {
        QTest::mouseClick(grid, Qt::LeftButton, Chance(20) ? Qt::ShiftModifier : Qt::NoModifier,
                          at);
    }
}

void RandomUse::TableEdit() {
    static const char* texts[] = {"1",  "2",   "3,4", " 5 ", "x",   "",    "a>1",
                                  ">0", "1!0", "_<2", "b>9", "1>1", "0,1", "12"};
    const QString text = QString::fromUtf8(texts[Pick(14)]);
    if (form_.Bench().Kind() == MachineKind::Post) {
        PostTableView* view = form_.PostTable();
        if (!view->isEnabled()) {
            return;
        }
        PostTable& table = form_.Bench().Post().table;
        const int row = 1 + Pick(table.ProgramRows());
        if (Chance(40)) {
            action_ = QStringLiteral("choose a command");
            view->setFocus();
            view->OpenCommandChooser(row, false);
            QWidget* chooser = QApplication::focusWidget();
            if (chooser) {
                QTest::keyClick(chooser, Chance(50) ? Qt::Key_Left : Qt::Key_Right);
                QTest::keyClick(chooser, Qt::Key_Return);
                QTest::keyClick(chooser, Qt::Key_Return);
            }
            if (view->ChooserOpen()) {
                view->CloseCommandChooser();
            }
            return;
        }
        action_ = QStringLiteral("edit a Post cell");
        const int col = Chance(70) ? PostTable::ColJump : PostTable::ColComment;
        view->setFocus();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                           view->CellRect(col, row).center());
        if (QWidget* editor = QApplication::focusWidget(); editor && editor != view) {
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
        }
        return;
    }
    TuringTableView* view = form_.TuringPanel()->Table();
    if (!view->isEnabled()) {
        return;
    }
    const TuringTable& table = form_.Bench().Turing().table;
    action_ = QStringLiteral("edit a Turing cell");
    view->setFocus();
    const int col = 1 + Pick(table.StateCount());
    const int row = 1 + Pick(table.RowCount() - 1);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                       view->CellRect(col, row).center());
    if (QWidget* editor = QApplication::focusWidget(); editor && editor != view) {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Chance(50) ? Qt::Key_Return : Qt::Key_Down);
    }
}

void RandomUse::AlphabetEdit() {
    if (form_.Bench().Kind() != MachineKind::Turing || !form_.Alphabet()->isVisible()) {
        return;
    }
    QLineEdit* editor = form_.Alphabet()->Editor();
    if (!editor->isEnabled()) {
        return;
    }
    static const char* texts[] = {"ab", "1 0", "a_b", "ba1", "", "abab", "xyz", "01"};
    action_ = QStringLiteral("alphabet edit");
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, QString::fromUtf8(texts[Pick(8)]));
    QTest::keyClick(editor, Qt::Key_Return);
}

void RandomUse::Ticks() {
    RunController& run = form_.Bench().RunControl();
    const bool post = form_.Bench().Kind() == MachineKind::Post;
    QTimer& timer = post ? run.PostRunTimer() : run.TuringRunTimer();
    action_ = QStringLiteral("ticks");
    for (int i = Pick(20); i >= 0 && timer.isActive(); --i) {
        if (post) {
            run.PostRunTick();
        } else {
            run.TuringRunTick();
        }
    }
}

// Runs an action that may save the current machine, and remembers what a
// successful save wrote, so the file can be checked against it later.
void RandomUse::RememberSaves(const std::function<void()>& action) {
    Workbench& bench = form_.Bench();
    Machine& machine = bench.Current();
    const bool post = machine.Kind() == MachineKind::Post;
    QMetaObject::Connection writing =
        QObject::connect(&machine, &Machine::DocumentWriting, [&, post](const QString& path) {
            saved_[path] = post ? PostFileLines(bench) : TuringFileLines(bench.Turing());
        });
    action();
    QObject::disconnect(writing);
}

void RandomUse::Act() {
    switch (Pick(10)) {
        case 0:
        case 1:
            MenuCommand();
            break;
        case 2:
            ToolbarClick();
            break;
        case 3:
        case 4:
            TapeKeys();
            break;
        case 5:
            TapeMouse();
            break;
        case 6:
            TableEdit();
            break;
        case 7:
            AlphabetEdit();
            break;
        default:
            Ticks();
            break;
    }
    // The symbol list closes on a choice or when it loses the focus.
    SymbolPopup* list = form_.Tape()->SymbolList();
    if (list->isVisible()) {
        QTest::keyClick(list->List(), Chance(50) ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(list->List(), Qt::Key_Return);
        list->hide();
    }
    QCoreApplication::processEvents();
}

QString RandomUse::Check() {
    Workbench& bench = form_.Bench();
    for (Machine* machine :
         {static_cast<Machine*>(&bench.Post()), static_cast<Machine*>(&bench.Turing())}) {
        const TapeStore& tape = machine->tape;
        const bool post = tape.Kind() == TapeKind::Post;
        if (!tape.OnTape(tape.CarriagePos())) {
            return QStringLiteral("carriage off the tape at %1").arg(tape.CarriagePos());
        }
        // The used cells, read from the strings as stored.
        int low = TapeStore::TapeLimit + 1;
        int high = -TapeStore::TapeLimit - 1;
        auto note = [&](int cell) {
            low = std::min(low, cell);
            high = std::max(high, cell);
        };
        if (post) {
            for (int k = 0; k < tape.LeftString().size(); ++k) {
                if (tape.LeftString()[k] == u'1') {
                    note(-(k + 1));
                }
            }
            for (int k = 0; k < tape.RightString().size(); ++k) {
                if (tape.RightString()[k] == u'1') {
                    note(k + 1);
                }
            }
            if (tape.ZeroCell() == u'1') {
                note(0);
            }
        } else {
            for (int k = 0; k < tape.TuringString().size(); ++k) {
                if (tape.TuringString()[k] != u' ') {
                    note(k + 1);
                }
            }
        }
        const bool empty = low > high;
        if (empty ? !tape.IsEmpty() : (tape.UsedMin() != low || tape.UsedMax() != high)) {
            return QStringLiteral("bounds %1..%2 but used cells %3..%4")
                .arg(tape.UsedMin())
                .arg(tape.UsedMax())
                .arg(empty ? QStringLiteral("none") : QString::number(low))
                .arg(high);
        }
    }
    const PostTable& post = bench.Post().table;
    for (int row = 1; row <= post.ProgramRows(); ++row) {
        if (post.Cell(PostTable::ColNumber, row) != QString::number(row)) {
            return QStringLiteral("Post row %1 numbered %2").arg(row).arg(post.Cell(0, row));
        }
    }
    const TuringMachine& turing = bench.Turing();
    const TuringTable& table = turing.table;
    for (int col = 1; col < table.ColCount(); ++col) {
        if (table.Cell(col, 0) != QStringLiteral("Q%1").arg(col - 1)) {
            return QStringLiteral("Turing column %1 headed %2").arg(col).arg(table.Cell(col, 0));
        }
    }
    QStringList labels;
    for (int row = 1; row < table.RowCount(); ++row) {
        labels.append(table.Cell(0, row));
    }
    QStringList expected;
    for (QChar c : turing.Alphabet()) {
        expected.append(QString(c));
    }
    expected.append(QStringLiteral("Пробел"));
    if (labels != expected) {
        return QStringLiteral("Turing rows %1 for the alphabet \"%2\"")
            .arg(labels.join(u','), turing.Alphabet());
    }
    const bool postShown = bench.Kind() == MachineKind::Post;
    if (form_.PostTable()->isVisible() != postShown ||
        form_.TuringPanel()->isVisible() == postShown ||
        (postShown && form_.Alphabet()->isVisible()) ||
        form_.Tape()->CurrentGrid()->Kind() !=
            (postShown ? MachineKind::Post : MachineKind::Turing)) {
        return QStringLiteral("the views of both machines are mixed");
    }
    const RunController& run = bench.RunControl();
    const MainMenu& menu = form_.Bars().Menu();
    if (!run.Controls().boundScroll) {
        switch (run.State()) {
            case RunController::RunState::Idle:
                // Break may stay offered while the other machine's run is
                // paused, as the switch leaves that run alone.
                if (!menu.runAction->isEnabled() || menu.pauseAction->isEnabled() ||
                    (menu.breakAction->isEnabled() && !bench.RunControl().Active(bench.Post()) &&
                     !bench.RunControl().Active(bench.Turing()))) {
                    return QStringLiteral("run items wrong when idle");
                }
                break;
            case RunController::RunState::Running:
            case RunController::RunState::Stepping:
                if (menu.runAction->isEnabled() || !menu.pauseAction->isEnabled() ||
                    !menu.breakAction->isEnabled()) {
                    return QStringLiteral("run items wrong while running");
                }
                break;
            case RunController::RunState::Paused:
                if (!menu.runAction->isEnabled() || menu.pauseAction->isEnabled() ||
                    !menu.breakAction->isEnabled()) {
                    return QStringLiteral("run items wrong while paused");
                }
                break;
        }
    }
    // Every document saved reads back to the machine that was saved.
    for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
        // A name the other machine's save took since reads with an error.
        ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
        Workbench reader(ui);
        const bool isPost = it.key().endsWith(QStringLiteral(".pst"));
        QStringList lines;
        if (isPost) {
            if (!ReadPostFile(reader, it.key())) {
                continue;  // a later save of the other machine took the name
            }
            lines = PostFileLines(reader);
        } else {
            reader.SetKind(MachineKind::Turing);
            if (!ReadTuringFile(reader, it.key())) {
                continue;
            }
            lines = TuringFileLines(reader.Turing());
        }
        if (lines != it.value()) {
            return QStringLiteral("%1 does not read back as saved").arg(it.key());
        }
    }
    saved_.clear();
    return QString();
}

QString RandomUse::Run(int actions) {
    form_.show();
    answerer_.setInterval(1);
    QObject::connect(&answerer_, &QTimer::timeout, [this] { AnswerModals(); });
    answerer_.start();
    for (int i = 0; i < actions; ++i) {
        Act();
        const QString broken = Check();
        if (!broken.isEmpty()) {
            return QStringLiteral("action %1 (%2): %3").arg(i).arg(action_, broken);
        }
    }
    answerer_.stop();
    // Leave without the closing questions.
    form_.Bench().Post().SetModified(false);
    form_.Bench().Turing().SetModified(false);
    return QString();
}

}  // namespace

class TestRandomUse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomUse_data();
    void randomUse();
};

void TestRandomUse::randomUse_data() {
    QTest::addColumn<quint32>("seed");
    const QByteArray seeds = qgetenv("ZEBRIN_RANDOM_SEEDS");
    for (const QByteArray& seed : (seeds.isEmpty() ? QByteArray("1,2,3") : seeds).split(',')) {
        QTest::newRow(seed.constData()) << quint32(seed.toUInt());
    }
}

void TestRandomUse::randomUse() {
    QFETCH(quint32, seed);
    const int actions = qEnvironmentVariableIsSet("ZEBRIN_RANDOM_ACTIONS")
                            ? qEnvironmentVariableIntValue("ZEBRIN_RANDOM_ACTIONS")
                            : 600;
    QTemporaryDir dir;
    RandomUse use(seed, dir.path());
    const QString broken = use.Run(actions);
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(broken)));
}

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"

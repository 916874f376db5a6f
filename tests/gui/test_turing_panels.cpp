// The panels around the Turing table: the splitter between table and
// comments with its drag limits and the resizing rule, the comments memo
// writing through the model, and the alphabet editor with its rebuild on
// Enter and on leaving, its enabling and its pop-up menu.

#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "TuringScreen.h"

class TestTuringPanels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitterDragStaysInsideThePanel_data();
    void splitterDragStaysInsideThePanel();
    void narrowingThePanelPushesTheSplitter();
    void clearingTheTablePutsTheSplitterBack();
    void commentsEditsMarkTheDocumentModified();
    void commentsFollowTheModel();
    void alphabetRebuildsOnEnterReleaseAndOnLeaving_data();
    void alphabetRebuildsOnEnterReleaseAndOnLeaving();
    void alphabetEditorFollowsTheModel();
    void alphabetPanelLayout();
    void alphabetMenuOpensOnThePanel();
};

namespace {

// A mouse move over the splitter with the given buttons held, `dx` pixels
// right of its left edge.
void MoveOverSplitter(QWidget* splitter, int dx, Qt::MouseButtons buttons) {
    const QPointF local(dx, 5);
    QMouseEvent move(QEvent::MouseMove, local, splitter->mapToGlobal(local), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(splitter, &move);
}

void CheckLayout(const TuringScreen& screen, int pos) {
    const TuringTablePanel& panel = *screen.panel;
    QCOMPARE(screen.turing.SplitterPos(), pos);
    QCOMPARE(panel.Splitter()->geometry(), QRect(pos, 0, 1, panel.height()));
    QCOMPARE(panel.Table()->geometry(), QRect(0, 0, pos, panel.height()));
    QCOMPARE(panel.Comments()->geometry(),
             QRect(pos + 1, 0, panel.width() - pos - 1, panel.height()));
}

}  // namespace

void TestTuringPanels::splitterDragStaysInsideThePanel_data() {
    QTest::addColumn<QList<int>>("moves");  // pointer positions within the splitter
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("pos");

    // The panel is 700 wide: the splitter may go from 15 to 685.
    QTest::newRow("right a little") << QList<int>{50} << true << 485;
    QTest::newRow("left a little") << QList<int>{-35} << true << 400;
    QTest::newRow("step by step") << QList<int>{10, 10, 10} << true << 465;
    QTest::newRow("far left") << QList<int>{-5000} << true << 15;
    QTest::newRow("far right") << QList<int>{5000} << true << 685;
    QTest::newRow("to the limit and back") << QList<int>{5000, -100} << true << 585;
    QTest::newRow("button not held") << QList<int>{120} << false << 435;
}

void TestTuringPanels::splitterDragStaysInsideThePanel() {
    QFETCH(QList<int>, moves);
    QFETCH(bool, held);
    QFETCH(int, pos);

    TuringScreen screen(700, 400);
    QVERIFY(screen.Show());
    QCOMPARE(screen.panel->width(), 700);
    QWidget* splitter = screen.panel->Splitter();
    QCOMPARE(splitter->cursor().shape(), Qt::SplitHCursor);
    QCOMPARE(splitter->toolTip(), QStringLiteral("Шторка"));
    CheckLayout(screen, 435);
    for (int dx : moves) {
        MoveOverSplitter(splitter, dx, held ? Qt::LeftButton : Qt::NoButton);
    }
    CheckLayout(screen, pos);
    QVERIFY(!screen.turing.Modified());  // the splitter is not part of the document
}

void TestTuringPanels::narrowingThePanelPushesTheSplitter() {
    TuringScreen screen(900, 400);
    QVERIFY(screen.Show());
    MoveOverSplitter(screen.panel->Splitter(), 200, Qt::LeftButton);
    CheckLayout(screen, 635);
    screen.window.resize(620, 400);
    QTRY_COMPARE(screen.panel->width(), 620);
    CheckLayout(screen, 605);
    // Widening again leaves the splitter where it was pushed.
    screen.window.resize(1000, 400);
    QTRY_COMPARE(screen.panel->width(), 1000);
    CheckLayout(screen, 605);
}

void TestTuringPanels::clearingTheTablePutsTheSplitterBack() {
    TuringScreen screen(800, 400);
    QVERIFY(screen.Show());
    MoveOverSplitter(screen.panel->Splitter(), -300, Qt::LeftButton);
    CheckLayout(screen, 135);
    screen.turing.ClearTable();
    CheckLayout(screen, 435);
}

void TestTuringPanels::commentsEditsMarkTheDocumentModified() {
    TuringScreen screen;
    QVERIFY(screen.Show());
    QPlainTextEdit* memo = screen.panel->Comments();
    QCOMPARE(memo->toPlainText(), QStringLiteral("Комментарий:"));
    QCOMPARE(memo->toolTip(), QStringLiteral("Сюда можно записать пояснения к задаче"));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!screen.turing.Modified());

    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    TypeText(memo, QStringLiteral("ленту 漢"));
    QCOMPARE(screen.turing.Comments(), QStringLiteral("Комментарий:\nленту ?"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("Комментарий:\nленту ?"));
    QVERIFY(screen.turing.Modified());
    QCOMPARE(screen.bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));
    // Typing goes on where it stopped after the replaced character.
    TypeText(memo, QStringLiteral("!"));
    QCOMPARE(screen.turing.Comments(), QStringLiteral("Комментарий:\nленту ?!"));
}

void TestTuringPanels::commentsFollowTheModel() {
    TuringScreen screen;
    QVERIFY(screen.Show());
    const QString text = QStringLiteral("Строка 1\n\nстрока\u00A03\n");
    screen.turing.SetComments(text);
    QCOMPARE(screen.panel->Comments()->document()->lineCount(), 4);
    screen.bench.SetModified(false);
    // Showing the model's text is no edit of it: the no-break space stays
    // and nothing is marked.
    screen.turing.SetComments(text);
    QCOMPARE(screen.turing.Comments(), text);
    QVERIFY(!screen.turing.Modified());
}

void TestTuringPanels::alphabetRebuildsOnEnterReleaseAndOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("trigger");  // "enter", "leave" or "none"
    QTest::addColumn<QString>("editorText");
    QTest::addColumn<QStringList>("labels");

    const QString blank = QStringLiteral("Пробел");
    QTest::newRow("enter") << "1 0 1"
                           << "enter"
                           << "1 0 " << QStringList{"1", "0", blank};
    QTest::newRow("leaving") << "ab"
                             << "leave"
                             << "ab" << QStringList{"a", "b", blank};
    QTest::newRow("blank marks dropped") << "_a_b"
                                         << "enter"
                                         << "ab" << QStringList{"a", "b", blank};
    QTest::newRow("cyrillic") << "а б"
                              << "leave"
                              << "а б" << QStringList{"а", "б", blank};
    QTest::newRow("outside the code page") << "x漢"
                                           << "enter"
                                           << "x?" << QStringList{"x", "?", blank};
    QTest::newRow("no trigger, no rows") << "xy"
                                         << "none"
                                         << "xy" << QStringList{blank};
}

void TestTuringPanels::alphabetRebuildsOnEnterReleaseAndOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, trigger);
    QFETCH(QString, editorText);
    QFETCH(QStringList, labels);

    TuringScreen screen;
    screen.table.SetCell(1, 1, QStringLiteral("_>0"));  // the blank row's command
    screen.bench.SetModified(false);
    QVERIFY(screen.Show());
    QLineEdit* alphabetEdit = screen.alphabet->Editor();
    alphabetEdit->setFocus();
    QVERIFY(alphabetEdit->hasFocus());
    TypeText(alphabetEdit, typed);
    QVERIFY(screen.turing.Modified());
    QCOMPARE(screen.table.RowCount(), 2);  // nothing rebuilt while typing

    if (trigger == QStringLiteral("enter")) {
        // Pressing is not enough: the rebuild comes when Enter is released.
        QTest::keyPress(alphabetEdit, Qt::Key_Return);
        QCOMPARE(screen.table.RowCount(), 2);
        QTest::keyRelease(alphabetEdit, Qt::Key_Return);
    } else if (trigger == QStringLiteral("leave")) {
        const QPoint cell = screen.view().CellRect(2, 1).center();
        QTest::mouseClick(screen.view().viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(screen.view().hasFocus());
    }

    QCOMPARE(alphabetEdit->text(), editorText);
    QStringList shown;
    for (int row = 1; row < screen.table.RowCount(); ++row) {
        shown << screen.table.Cell(0, row);
    }
    QCOMPARE(shown, labels);
    // The view shows every row: the blank row, last, keeps its command.
    const int last = screen.table.RowCount() - 1;
    QVERIFY(!screen.view().CellRect(0, last).isEmpty());
    QVERIFY(screen.view().CellRect(0, last + 1).isEmpty());
    QCOMPARE(screen.table.Cell(1, last), QStringLiteral("_>0"));
}

void TestTuringPanels::alphabetEditorFollowsTheModel() {
    TuringScreen screen;
    QVERIFY(screen.Show());
    QLineEdit* alphabetEdit = screen.alphabet->Editor();
    screen.turing.LoadAlphabet(QStringLiteral("01"));
    QCOMPARE(alphabetEdit->text(), QStringLiteral("01"));
    screen.turing.AddSymbol(u'x');
    QCOMPARE(alphabetEdit->text(), QStringLiteral("01 x"));
    screen.turing.ClearAlphabet();
    QCOMPARE(alphabetEdit->text(), QString());

    RunController& run = screen.bench.RunControl();
    screen.table.SetCell(1, 1, QStringLiteral("_>0"));
    run.Run();
    QVERIFY(!alphabetEdit->isEnabled());
    run.Pause();
    QVERIFY(alphabetEdit->isEnabled());
    run.Break();
}

void TestTuringPanels::alphabetPanelLayout() {
    TuringScreen screen(780, 400);
    QVERIFY(screen.Show());
    TuringAlphabetPanel& panel = *screen.alphabet;
    QCOMPARE(panel.height(), 34);
    QCOMPARE(panel.Editor()->font().pixelSize(), 13);
    QCOMPARE(panel.Editor()->toolTip(),
             QStringLiteral("Редактор внешнего алфавит машины Тьюринга. Его можно спрятать"));
    // The frame keeps a margin on the right, right of the label, and the
    // editor fills the frame within its one-pixel border.
    const QRect frame = panel.Frame()->geometry();
    QVERIFY(frame.right() < panel.width());
    QVERIFY(frame.right() >= panel.width() - 12);
    QVERIFY(frame.width() <= panel.width() - TuringAlphabetPanel::kFrameMargin);
    QCOMPARE(panel.Editor()->width(), frame.width() - 2);
    screen.window.resize(900, 400);
    QTRY_COMPARE(panel.width(), 900);
    QCOMPARE(panel.Frame()->geometry().right(), frame.right() + 120);
}

void TestTuringPanels::alphabetMenuOpensOnThePanel() {
    TuringScreen screen;
    QVERIFY(screen.Show());
    TuringAlphabetPanel& panel = *screen.alphabet;
    QMenu menu;
    menu.addAction(QStringLiteral("Очистить"));
    panel.SetPopupMenu(&menu);
    // A right click on the panel and one inside the editor open the same
    // menu, never the editor's own.
    for (QWidget* target : {static_cast<QWidget*>(&panel), static_cast<QWidget*>(panel.Editor())}) {
        const QPoint at(4, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        QVERIFY(menu.isVisible());
        QCOMPARE(QApplication::activePopupWidget(), &menu);
        menu.close();
    }
}

QTEST_MAIN(TestTuringPanels)
#include "test_turing_panels.moc"

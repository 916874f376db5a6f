// The message dialog: how each kind of message looks (captions, widths,
// button places), the layout arithmetic, the alignment markers, choosing by
// keyboard and mouse and the answer each button gives, closing without a
// choice, reuse across calls and a second call while one is open.

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

#include "ModalAnswer.h"
#include "window/dialogs/DialogButton.h"
#include "window/dialogs/MessageDialog.h"
#include "window/dialogs/MessageLayout.h"
#include "window/main/MainWindow.h"

using Keys = QList<int>;
using Lefts = QList<int>;

namespace {

MessageRequest Request(MessageKind kind, const QString& caption = QStringLiteral("Вопрос"),
                       const QString& message = QStringLiteral("Текст")) {
    return {kind, caption, message};
}

}  // namespace

class TestMessageDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void looks_data();
    void looks();
    void layout_data();
    void layout();
    void markers_data();
    void markers();
    void keyboard_data();
    void keyboard();
    void clickChoosesButton();
    void hoverSelectsAndShowsHint();
    void releaseOutsideOnlyRestoresLook();
    void closeBoxGivesClosed();
    void reusedDialogStartsClean();
    void secondCallLeavesOpenDialogIntact();
    void answerArmedInVainStops();
};

void TestMessageDialog::looks_data() {
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<Lefts>("lefts");

    QTest::newRow("end of program")
        << MessageKind::Notice << 200 << 100 << QStringList{"Ок"} << Lefts{50};
    QTest::newRow("error") << MessageKind::Error << 250 << 100 << QStringList{"Ок"} << Lefts{75};
    QTest::newRow("error with help") << MessageKind::ErrorWithHelp << 250 << 100
                                     << QStringList{"Ок", "Помощь"} << Lefts{12, 137};
    QTest::newRow("window command error")
        << MessageKind::CommandError << 315 << 90 << QStringList{"Ок"} << Lefts{112};
    QTest::newRow("question") << MessageKind::Question << 315 << 90
                              << QStringList{"Да", "Нет", "Отмена"} << Lefts{13, 112, 211};
    QTest::newRow("question with help")
        << MessageKind::QuestionWithHelp << 315 << 90 << QStringList{"Да", "Нет", "Помощь"}
        << Lefts{13, 112, 211};
    QTest::newRow("restart question")
        << MessageKind::RestartQuestion << 400 << 110
        << QStringList{"Заново", "Продолжить так", "Отмена"} << Lefts{25, 145, 265};
}

// Each kind as the window shows it, and the real dialog placed so.
void TestMessageDialog::looks() {
    QFETCH(MessageKind, kind);
    QFETCH(int, width);
    QFETCH(int, buttonWidth);
    QFETCH(QStringList, captions);
    QFETCH(Lefts, lefts);

    const MessageLook look = LookOf(kind);
    QCOMPARE(look.buttons, captions.join(u'|'));
    QCOMPARE(look.width, width);
    QCOMPARE(look.buttonWidth, buttonWidth);
    QCOMPARE(AnswersOf(kind).size(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(CaptionOf(AnswersOf(kind)[i]), captions[i]);
    }

    MessageDialog dialog;
    bool checked = false;
    WhenModal(
        [&](QWidget*) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Заголовок"));
            QCOMPARE(dialog.size(), QSize(width, MessageDialog::ClientHeight));
            QCOMPARE(dialog.MessageLabel()->geometry(), QRect(8, 20, width - 32, 37));
            for (int n = 1; n <= 3; ++n) {
                DialogButton* panel = dialog.Button(n);
                QCOMPARE(panel->isVisible(), n <= captions.size());
                if (n > captions.size())
                    continue;
                QCOMPARE(panel->Caption(), captions[n - 1]);
                QCOMPARE(panel->statusTip(), captions[n - 1]);
                QCOMPARE(panel->geometry(), QRect(lefts[n - 1], 58, buttonWidth, 23));
            }
            QVERIFY(dialog.SelectionFrame()->isVisible());
            QCOMPARE(dialog.SelectionFrame()->geometry(),
                     QRect(lefts[0] - 1, 57, buttonWidth + 2, 25));
            checked = true;
        },
        Press(Qt::Key_Escape));
    QCOMPARE(dialog.Ask(Request(kind, QStringLiteral("Заголовок"))), DialogAnswer::Closed);
    QVERIFY(checked);
}

void TestMessageDialog::layout_data() {
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<Lefts>("lefts");

    QTest::newRow("two buttons") << "Ок|Помощь" << 250 << 100 << QStringList{"Ок", "Помощь"}
                                 << Lefts{12, 137};
    QTest::newRow("odd widths truncate")
        << "a|b" << 251 << 101 << QStringList{"a", "b"} << Lefts{12, 138};
    QTest::newRow("empty string: one empty button")
        << "" << 250 << 100 << QStringList{""} << Lefts{75};
    QTest::newRow("empty captions between bars")
        << "||" << 315 << 90 << QStringList{"", "", ""} << Lefts{13, 112, 211};
    QTest::newRow("fourth caption dropped")
        << "a|b|c|d" << 315 << 90 << QStringList{"a", "b", "c"} << Lefts{13, 112, 211};
    QTest::newRow("widths kept on the screen")
        << "a" << 100000 << -5 << QStringList{"a"} << Lefts{2048};
}

// The arithmetic on any captions and widths.
void TestMessageDialog::layout() {
    QFETCH(QString, buttons);
    QFETCH(int, width);
    QFETCH(int, buttonWidth);
    QFETCH(QStringList, captions);
    QFETCH(Lefts, lefts);

    const MessageLayout layout =
        LayOutMessage(QStringLiteral("Текст"), buttons, width, buttonWidth);
    QCOMPARE(layout.buttonCount, captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(layout.captions[std::size_t(i)], captions[i]);
        QCOMPARE(layout.lefts[std::size_t(i)], lefts[i]);
    }
    QCOMPARE(layout.clientWidth, std::clamp(width, 0, 4096));
}

void TestMessageDialog::markers_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("alignment");

    QTest::newRow("no marker is centred") << "Программа завершена!"
                                          << "Программа завершена!" << int(Qt::AlignHCenter);
    QTest::newRow("^ centres") << "^Текст"
                               << " Текст" << int(Qt::AlignHCenter);
    QTest::newRow("< left-aligns") << "<Сохранить изменения?"
                                   << " Сохранить изменения?" << int(Qt::AlignLeft);
    QTest::newRow("> right-aligns") << ">Текст"
                                    << " Текст" << int(Qt::AlignRight);
    QTest::newRow("only the first marker counts") << "<^x"
                                                  << " ^x" << int(Qt::AlignLeft);
    QTest::newRow("empty message") << ""
                                   << "" << int(Qt::AlignHCenter);
}

void TestMessageDialog::markers() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QFETCH(int, alignment);

    MessageDialog dialog;
    WhenModal(
        [&](QWidget*) {
            QCOMPARE(dialog.MessageLabel()->text(), shown);
            QCOMPARE(int(dialog.MessageLabel()->alignment() & Qt::AlignHorizontal_Mask), alignment);
        },
        Press(Qt::Key_Return));
    QCOMPARE(dialog.Ask(Request(MessageKind::Error, QStringLiteral("Ошибка"), message)),
             DialogAnswer::Ok);
}

void TestMessageDialog::keyboard_data() {
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<Keys>("moves");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("finalKey");
    QTest::addColumn<DialogAnswer>("result");

    using A = DialogAnswer;
    using K = MessageKind;
    const int enter = Qt::Key_Return;
    QTest::newRow("Enter on one button") << K::Error << Keys{} << 1 << enter << A::Ok;
    QTest::newRow("Space chooses") << K::Notice << Keys{} << 1 << int(Qt::Key_Space) << A::Ok;
    QTest::newRow("keypad Enter") << K::ErrorWithHelp << Keys{Qt::Key_Right} << 2
                                  << int(Qt::Key_Enter) << A::Help;
    QTest::newRow("Esc gives Closed")
        << K::ErrorWithHelp << Keys{Qt::Key_Right} << 2 << int(Qt::Key_Escape) << A::Closed;
    QTest::newRow("Left from 1 wraps to 3")
        << K::Question << Keys{Qt::Key_Left} << 3 << enter << A::Cancel;
    QTest::newRow("Right from 3 wraps to 1")
        << K::Question << Keys{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << 1 << enter << A::Yes;
    QTest::newRow("Left on one button stays")
        << K::CommandError << Keys{Qt::Key_Left} << 1 << enter << A::Ok;
    QTest::newRow("Tab, Up, Down and letters do nothing")
        << K::Question << Keys{Qt::Key_Right, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_A} << 2
        << enter << A::No;
    QTest::newRow("help of a question")
        << K::QuestionWithHelp << Keys{Qt::Key_Left} << 3 << enter << A::Help;
    QTest::newRow("restart") << K::RestartQuestion << Keys{} << 1 << enter << A::Restart;
    QTest::newRow("continue as it is")
        << K::RestartQuestion << Keys{Qt::Key_Right} << 2 << enter << A::Continue;
    QTest::newRow("cancel the restart")
        << K::RestartQuestion << Keys{Qt::Key_Left} << 3 << enter << A::Cancel;
}

void TestMessageDialog::keyboard() {
    QFETCH(MessageKind, kind);
    QFETCH(Keys, moves);
    QFETCH(int, selected);
    QFETCH(int, finalKey);
    QFETCH(DialogAnswer, result);

    MessageDialog dialog;
    WhenModal(
        [&](QWidget* modal) {
            QCOMPARE(modal, &dialog);
            for (int key : moves)
                QTest::keyClick(&dialog, Qt::Key(key));
            QCOMPARE(dialog.Selected(), selected);
            QCOMPARE(dialog.SelectionFrame()->x(), dialog.Button(selected)->x() - 1);
        },
        Press(Qt::Key(finalKey)));
    QCOMPARE(dialog.Ask(Request(kind)), result);
    QVERIFY(!dialog.isVisible());
}

void TestMessageDialog::clickChoosesButton() {
    MessageDialog dialog;
    WhenModal([](QWidget*) {},
              [&](QWidget*) { QTest::mouseClick(dialog.Button(3), Qt::LeftButton); });
    QCOMPARE(dialog.Ask(Request(MessageKind::Question)), DialogAnswer::Cancel);
}

// The pointer's selection counts for the keyboard, and the button's hint
// reaches the main window's status line.
void TestMessageDialog::hoverSelectsAndShowsHint() {
    QMainWindow window;
    window.statusBar();
    MessageDialog dialog(&window);
    WhenModal(
        [&](QWidget*) {
            QTest::mouseMove(dialog.Button(2));
            QTRY_COMPARE(dialog.Selected(), 2);
            QCOMPARE(dialog.SelectionFrame()->geometry(),
                     dialog.Button(2)->geometry().adjusted(-1, -1, 1, 1));
            QTRY_COMPARE(window.statusBar()->currentMessage(), QStringLiteral("Нет"));
        },
        Press(Qt::Key_Return));
    QCOMPARE(dialog.Ask(Request(MessageKind::Question)), DialogAnswer::No);
}

void TestMessageDialog::releaseOutsideOnlyRestoresLook() {
    MessageDialog dialog;
    bool stayedOpen = false;
    WhenModal(
        [&](QWidget*) {
            DialogButton* panel = dialog.Button(2);
            const QPoint home = panel->pos();
            QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(panel->IsPressedLook());
            QCOMPARE(panel->pos(), home + QPoint(1, 1));
            QVERIFY(!dialog.SelectionFrame()->isVisible());
            // The panel holds the mouse: the release reaches it far outside.
            QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(-40, -30));
            QVERIFY(!panel->IsPressedLook());
            QCOMPARE(panel->pos(), home);
            QVERIFY(dialog.SelectionFrame()->isVisible());
            QCOMPARE(dialog.Selected(), 2);
            stayedOpen = dialog.isVisible();
        },
        Press(Qt::Key_Escape));
    QCOMPARE(dialog.Ask(Request(MessageKind::Question)), DialogAnswer::Closed);
    QVERIFY(stayedOpen);
}

void TestMessageDialog::closeBoxGivesClosed() {
    MessageDialog dialog;
    WhenModal([&](QWidget*) { QTest::keyClick(&dialog, Qt::Key_Right); },
              [&](QWidget*) { dialog.close(); });
    QCOMPARE(dialog.Ask(Request(MessageKind::ErrorWithHelp)), DialogAnswer::Closed);
}

// The main window's one dialog serves every call, and each call starts with
// button 1 framed and all buttons raised, even after the last call closed
// by keyboard while a button was held down.
void TestMessageDialog::reusedDialogStartsClean() {
    MainWindow form;
    MessageDialog* shared = form.Messages();
    WhenModal(
        [&](QWidget* modal) {
            QCOMPARE(modal, shared);
            QTest::keyClick(shared, Qt::Key_Left);
            QTest::mousePress(shared->Button(3), Qt::LeftButton, {}, QPoint(5, 5));
        },
        Press(Qt::Key_Return));
    QCOMPARE(form.ShowMessageDialog(Request(MessageKind::Question, QStringLiteral("Вопрос"),
                                            QStringLiteral("Первый"))),
             DialogAnswer::Cancel);

    WhenModal(
        [&](QWidget* modal) {
            QCOMPARE(modal, shared);
            QCOMPARE(shared->Selected(), 1);
            QCOMPARE(shared->ButtonCount(), 2);
            QVERIFY(!shared->Button(1)->IsPressedLook());
            QVERIFY(!shared->Button(3)->isVisible());
            QVERIFY(shared->SelectionFrame()->isVisible());
            QCOMPARE(shared->SelectionFrame()->x(), shared->Button(1)->x() - 1);
            QCOMPARE(shared->windowTitle(), QStringLiteral("Ошибка"));
        },
        Press(Qt::Key_Return));
    QCOMPARE(form.ShowMessageDialog(Request(MessageKind::ErrorWithHelp, QStringLiteral("Ошибка"),
                                            QStringLiteral("Второй"))),
             DialogAnswer::Ok);
    QTest::mouseRelease(shared->Button(3), Qt::LeftButton, {}, QPoint(5, 5));
}

// A running program may report while a question is open; the question keeps
// its texts, buttons and result.
void TestMessageDialog::secondCallLeavesOpenDialogIntact() {
    MainWindow form;
    MessageDialog* shared = form.Messages();
    DialogAnswer inner = DialogAnswer::Closed;
    WhenModal(
        [&](QWidget*) {
            QTest::keyClick(shared, Qt::Key_Right);
            WhenModal(
                [&](QWidget* second) {
                    QVERIFY(second != shared);
                    QCOMPARE(second->windowTitle(), QStringLiteral("Машина Поста"));
                },
                Press(Qt::Key_Return), shared);
            inner =
                form.ShowMessageDialog(Request(MessageKind::Notice, QStringLiteral("Машина Поста"),
                                               QStringLiteral("Программа завершена!")));
            QCOMPARE(shared->windowTitle(), QStringLiteral("Интерпретатор машины Поста"));
            QCOMPARE(shared->MessageLabel()->text(), QStringLiteral(" Сохранить машину Поста?"));
            QCOMPARE(shared->Button(3)->Caption(), QStringLiteral("Отмена"));
            QCOMPARE(shared->Selected(), 2);
            QTRY_VERIFY(shared->isActiveWindow());
        },
        Press(Qt::Key_Return));
    QCOMPARE(form.ShowMessageDialog(Request(MessageKind::Question,
                                            QStringLiteral("Интерпретатор машины Поста"),
                                            QStringLiteral("<Сохранить машину Поста?"))),
             DialogAnswer::No);
    QCOMPARE(inner, DialogAnswer::Ok);
    QVERIFY(!shared->IsBusy());
}

// The test helper armed for a window that never comes stops polling by its
// deadline and says so, rather than answer a window of a later test.
void TestMessageDialog::answerArmedInVainStops() {
    auto armed = [] { return qApp->findChildren<QTimer*>(QStringLiteral("WhenModal")).size(); };
    const qsizetype before = armed();
    QTest::ignoreMessage(QtWarningMsg, "WhenModal: no modal window came within 50 ms");
    WhenModal([](QWidget*) {}, Press(Qt::Key_Escape), nullptr, std::chrono::milliseconds(50));
    QCOMPARE(armed(), before + 1);
    QTRY_COMPARE(armed(), before);
}

QTEST_MAIN(TestMessageDialog)
#include "test_message_dialog.moc"

// The message dialog: layout from the caller's widths and captions, the
// alignment markers, choosing by keyboard and mouse, closing without a
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

class TestMessageDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void markers_data();
    void markers();
    void keyboard_data();
    void keyboard();
    void clickChoosesButton();
    void hoverSelectsAndShowsHint();
    void releaseOutsideOnlyRestoresLook();
    void closeBoxGivesZero();
    void reusedDialogStartsClean();
    void secondCallLeavesOpenDialogIntact();
    void answerArmedInVainStops();
};

void TestMessageDialog::layout_data() {
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<Lefts>("lefts");

    QTest::newRow("notice 250") << "Ок" << 250 << 100 << QStringList{"Ок"} << Lefts{75};
    QTest::newRow("end of program 200") << "Ок" << 200 << 100 << QStringList{"Ок"} << Lefts{50};
    QTest::newRow("error with help")
        << "Ок|Помощь" << 250 << 100 << QStringList{"Ок", "Помощь"} << Lefts{12, 137};
    QTest::newRow("question") << "Да|Нет|Отмена" << 315 << 90 << QStringList{"Да", "Нет", "Отмена"}
                              << Lefts{13, 112, 211};
    QTest::newRow("restart question")
        << "Заново|Продолжить так|Отмена" << 400 << 110
        << QStringList{"Заново", "Продолжить так", "Отмена"} << Lefts{25, 145, 265};
    QTest::newRow("odd widths truncate")
        << "a|b" << 251 << 101 << QStringList{"a", "b"} << Lefts{12, 138};
    QTest::newRow("empty string: one empty button")
        << "" << 250 << 100 << QStringList{""} << Lefts{75};
    QTest::newRow("empty captions between bars")
        << "||" << 315 << 90 << QStringList{"", "", ""} << Lefts{13, 112, 211};
    QTest::newRow("fourth caption dropped")
        << "a|b|c|d" << 315 << 90 << QStringList{"a", "b", "c"} << Lefts{13, 112, 211};
}

// The arithmetic, and the real dialog placed by it.
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

    MessageDialog dialog;
    bool checked = false;
    WhenModal(
        [&](QWidget*) {
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
    QCOMPARE(dialog.Execute(QStringLiteral("Заголовок"), QStringLiteral("Текст"), buttons, width,
                            buttonWidth),
             0);
    QVERIFY(checked);
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
    QCOMPARE(dialog.Execute(QStringLiteral("Ошибка"), message, QStringLiteral("Ок"), 250, 100), 1);
}

void TestMessageDialog::keyboard_data() {
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<Keys>("moves");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("finalKey");
    QTest::addColumn<int>("result");

    const QString abc = QStringLiteral("Да|Нет|Отмена");
    const QString two = QStringLiteral("Ок|Помощь");
    QTest::newRow("Enter on one button") << "Ок" << Keys{} << 1 << int(Qt::Key_Return) << 1;
    QTest::newRow("Space chooses") << "Ок" << Keys{} << 1 << int(Qt::Key_Space) << 1;
    QTest::newRow("keypad Enter") << two << Keys{Qt::Key_Right} << 2 << int(Qt::Key_Enter) << 2;
    QTest::newRow("Esc gives 0") << two << Keys{Qt::Key_Right} << 2 << int(Qt::Key_Escape) << 0;
    QTest::newRow("Left from 1 wraps to 3")
        << abc << Keys{Qt::Key_Left} << 3 << int(Qt::Key_Return) << 3;
    QTest::newRow("Right from 3 wraps to 1")
        << abc << Keys{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << 1 << int(Qt::Key_Return)
        << 1;
    QTest::newRow("Left on one button stays")
        << "Ок" << Keys{Qt::Key_Left} << 1 << int(Qt::Key_Return) << 1;
    QTest::newRow("Tab, Up, Down and letters do nothing")
        << abc << Keys{Qt::Key_Right, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_A} << 2
        << int(Qt::Key_Return) << 2;
}

void TestMessageDialog::keyboard() {
    QFETCH(QString, buttons);
    QFETCH(Keys, moves);
    QFETCH(int, selected);
    QFETCH(int, finalKey);
    QFETCH(int, result);

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
    QCOMPARE(dialog.Execute(QStringLiteral("Вопрос"), QStringLiteral("Текст"), buttons, 315, 90),
             result);
    QVERIFY(!dialog.isVisible());
}

void TestMessageDialog::clickChoosesButton() {
    MessageDialog dialog;
    WhenModal([](QWidget*) {},
              [&](QWidget*) { QTest::mouseClick(dialog.Button(3), Qt::LeftButton); });
    QCOMPARE(dialog.Execute(QStringLiteral("Вопрос"), QStringLiteral("Текст"),
                            QStringLiteral("Да|Нет|Отмена"), 315, 90),
             3);
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
    QCOMPARE(dialog.Execute(QStringLiteral("Вопрос"), QStringLiteral("Текст"),
                            QStringLiteral("Да|Нет|Отмена"), 315, 90),
             2);
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
    QCOMPARE(dialog.Execute(QStringLiteral("Вопрос"), QStringLiteral("Текст"),
                            QStringLiteral("Да|Нет|Отмена"), 315, 90),
             0);
    QVERIFY(stayedOpen);
}

void TestMessageDialog::closeBoxGivesZero() {
    MessageDialog dialog;
    WhenModal([&](QWidget*) { QTest::keyClick(&dialog, Qt::Key_Right); },
              [&](QWidget*) { dialog.close(); });
    QCOMPARE(dialog.Execute(QStringLiteral("Ошибка"), QStringLiteral("Текст"),
                            QStringLiteral("Ок|Помощь"), 250, 100),
             0);
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
    QCOMPARE(int(form.ShowMessageDialog(QStringLiteral("Вопрос"), QStringLiteral("Первый"),
                                        QStringLiteral("Да|Нет|Отмена"), 315, 90)),
             3);

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
    QCOMPARE(int(form.ShowMessageDialog(QStringLiteral("Ошибка"), QStringLiteral("Второй"),
                                        QStringLiteral("Ок|Помощь"), 250, 100)),
             1);
    QTest::mouseRelease(shared->Button(3), Qt::LeftButton, {}, QPoint(5, 5));
}

// A running program may report while a question is open; the question keeps
// its texts, buttons and result.
void TestMessageDialog::secondCallLeavesOpenDialogIntact() {
    MainWindow form;
    MessageDialog* shared = form.Messages();
    int inner = -1;
    WhenModal(
        [&](QWidget*) {
            QTest::keyClick(shared, Qt::Key_Right);
            WhenModal(
                [&](QWidget* second) {
                    QVERIFY(second != shared);
                    QCOMPARE(second->windowTitle(), QStringLiteral("Машина Поста"));
                },
                Press(Qt::Key_Return), shared);
            inner = int(form.ShowMessageDialog(QStringLiteral("Машина Поста"),
                                               QStringLiteral("Программа завершена!"),
                                               QStringLiteral("Ок"), 200, 100));
            QCOMPARE(shared->windowTitle(), QStringLiteral("Интерпретатор машины Поста"));
            QCOMPARE(shared->MessageLabel()->text(), QStringLiteral(" Сохранить машину Поста?"));
            QCOMPARE(shared->Button(3)->Caption(), QStringLiteral("Отмена"));
            QCOMPARE(shared->Selected(), 2);
            QTRY_VERIFY(shared->isActiveWindow());
        },
        Press(Qt::Key_Return));
    QCOMPARE(int(form.ShowMessageDialog(QStringLiteral("Интерпретатор машины Поста"),
                                        QStringLiteral("<Сохранить машину Поста?"),
                                        QStringLiteral("Да|Нет|Отмена"), 315, 90)),
             2);
    QCOMPARE(inner, 1);
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

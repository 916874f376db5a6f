// Documents and the interpreter switch through the real window: file
// dialogs and questions answered as a user would, the title, the modified
// indicator per machine, and the alphabet panel remembered across switches.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalAnswer.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"
#include "window/main/CommandBars.h"
#include "window/main/Desktop.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"
#include "window/main/ViewToggles.h"
#include "window/tape/SymbolPopup.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"

namespace {

// Answers the next file dialog with `path`, or cancels it when empty.
void AnswerFileDialog(const QString& path) {
    WhenModal(
        [path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(path);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        },
        [](QWidget* modal) { modal->close(); });
}

// Answers the next message dialog with the button `n` (1 to 3).
void AnswerMessage(int n, QString* caption = nullptr) {
    WhenModal(
        [n, caption](QWidget* modal) {
            if (caption) {
                *caption = modal->windowTitle();
            }
            for (int i = 1; i < n; ++i) {
                QTest::keyClick(modal, Qt::Key_Right);
            }
        },
        Press(Qt::Key_Return));
}

struct Shown {
    MainWindow form;
    Shown() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

}  // namespace

class TestWindowDocuments : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveAndOpenThroughTheDialogs();
    void closingAsksPostFirstAndEscapeStops();
    void documentFromTheCommandLine_data();
    void documentFromTheCommandLine();
    void openDialogInRussianStartsWithThePattern();
    void alphabetPanelRememberedAcrossSwitches();
    void modifiedFlagsStayWithTheirMachine();
    void chosenSymbolShowsOnItsButton();

private:
    QTemporaryDir dir_;
};

void TestWindowDocuments::saveAndOpenThroughTheDialogs() {
    const QString path = dir_.filePath(QStringLiteral("ученик.pst"));
    {
        Shown s;
        s.form.Bench().Post().tape.SetPostCell(4, true);
        AnswerFileDialog(path);
        s.form.Bars().Menu().saveAction->trigger();
        QCOMPARE(s.form.windowTitle(), QStringLiteral("Zebrin42 [машина Поста] - ученик.pst"));
        QCOMPARE(s.form.StatusPanel(4)->Text(), QString());
    }
    Shown s;
    s.form.Bench().Post().tape.SetPostCell(-9, true);
    AnswerFileDialog(path);
    AnswerMessage(2);  // "Нет": do not save the work at hand
    s.form.Bars().Menu().openAction->trigger();
    QTRY_VERIFY(s.form.Bench().Post().tape.GetPostCell(4));
    QVERIFY(!s.form.Bench().Post().tape.GetPostCell(-9));
    QCOMPARE(s.form.windowTitle(), QStringLiteral("Zebrin42 [машина Поста] - ученик.pst"));
    QCOMPARE(s.form.StatusPanel(4)->Text(), QString());
    QCOMPARE(s.form.StatusPanel(2)->Text(), QStringLiteral("min: 4"));

    // New on the unmodified document asks nothing.
    s.form.Bars().Menu().newAction->trigger();
    QCOMPARE(s.form.windowTitle(), QStringLiteral("Zebrin42 [машина Поста] - Без имени"));
    QVERIFY(s.form.Bench().Post().tape.IsEmpty());
}

void TestWindowDocuments::closingAsksPostFirstAndEscapeStops() {
    Shown s;
    s.form.Bench().Post().tape.SetPostCell(1, true);
    s.form.Bench().Turing().SetModified(true);
    QString caption;
    WhenModal([&caption](QWidget* modal) { caption = modal->windowTitle(); },
              Press(Qt::Key_Escape));
    QVERIFY(!s.form.close());
    QCOMPARE(caption, QStringLiteral("Интерпретатор машины Поста"));
    QVERIFY(s.form.isVisible());

    // "Нет" twice: the window closes, the Turing question came second.
    AnswerMessage(2);
    WhenModal([&caption](QWidget* modal) { caption = modal->windowTitle(); },
              [](QWidget* modal) {
                  QTest::keyClick(modal, Qt::Key_Right);
                  QTest::keyClick(modal, Qt::Key_Return);
              });
    QVERIFY(s.form.close());
    QCOMPARE(caption, QStringLiteral("Интерпретатор машины Тьюринга"));
}

void TestWindowDocuments::documentFromTheCommandLine_data() {
    QTest::addColumn<QString>("written");  // "post", "turing" or "" for no file at all
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("turing document with a .pst name") << "turing"
                                                      << "задача.pst"
                                                      << "Zebrin42 [машина Тьюринга] - задача.pst";
    QTest::newRow("post document without a suffix") << "post"
                                                    << "post-doc"
                                                    << "Zebrin42 [машина Поста] - post-doc";
    QTest::newRow("missing .tur file") << ""
                                       << "нет.tur"
                                       << "Zebrin42 [машина Тьюринга] - Без имени";
}

// The first bytes choose the machine; a file that cannot be read gets the
// same message as through File > Open and leaves an empty untitled machine.
void TestWindowDocuments::documentFromTheCommandLine() {
    QFETCH(QString, written);
    QFETCH(QString, name);
    const QString path = dir_.filePath(name);
    if (!written.isEmpty()) {
        ScriptedUi ui;
        Workbench writer(ui);
        writer.SetKind(written == u"post" ? MachineKind::Post : MachineKind::Turing);
        writer.Current().tape.SetCarriagePos(7);
        QVERIFY(written == u"post" ? WritePostFile(writer, path) : WriteTuringFile(writer, path));
    }
    Shown s;
    QString caption;
    if (written.isEmpty())
        AnswerMessage(1, &caption);
    s.form.OpenDocument(path);
    QTEST(s.form.windowTitle(), "title");
    if (written.isEmpty()) {
        QCOMPARE(caption, QStringLiteral("Интерпретатор машины Тьюринга"));
    } else {
        QCOMPARE(s.form.Bench().Current().tape.CarriagePos(), 7);
        QVERIFY(!s.form.Bench().Current().Modified());
    }
}

// Qt's own texts in Russian, the name field starting with the machine's
// pattern, and that pattern confirmed filtering rather than opening a file
// named "*.pst".
void TestWindowDocuments::openDialogInRussianStartsWithThePattern() {
    QVERIFY(Desktop::LoadQtTranslation(*qobject_cast<QApplication*>(QCoreApplication::instance())));
    Shown s;
    QString name;
    QString cancel;
    bool stillOpen = false;
    WhenModal(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            cancel =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
            QMetaObject::invokeMethod(dialog, "accept");
            stillOpen = dialog->isVisible();
        },
        [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    s.form.Bars().Menu().openAction->trigger();
    QCOMPARE(name, QStringLiteral("*.pst"));
    QCOMPARE(cancel, QStringLiteral("Отмена"));
    QVERIFY(stillOpen);
    QVERIFY(!s.form.Bench().Post().document.hasFileName);
}

void TestWindowDocuments::alphabetPanelRememberedAcrossSwitches() {
    Shown s;
    MainMenu& menu = s.form.Bars().Menu();
    menu.turingMachineAction->trigger();
    QVERIFY(s.form.Alphabet()->isVisible());
    QVERIFY(s.form.Alphabet()->y() > s.form.Tape()->y());
    menu.viewAlphabetAction->trigger();
    QVERIFY(!s.form.Alphabet()->isVisible());
    menu.postMachineAction->trigger();
    menu.turingMachineAction->trigger();
    QVERIFY(!s.form.Alphabet()->isVisible());
    menu.viewAlphabetAction->trigger();
    menu.postMachineAction->trigger();
    QVERIFY(!s.form.Alphabet()->isVisible());
    menu.turingMachineAction->trigger();
    QVERIFY(s.form.Alphabet()->isVisible());
    // Re-selecting the Turing machine leaves the panel as it is.
    menu.turingMachineAction->trigger();
    QVERIFY(s.form.Alphabet()->isVisible());
}

void TestWindowDocuments::modifiedFlagsStayWithTheirMachine() {
    Shown s;
    MainMenu& menu = s.form.Bars().Menu();
    s.form.Bench().Post().tape.SetPostCell(2, true);
    s.form.Bench().Post().SetDocument(QStringLiteral("/home/ученик/задачи/сложение.pst"), true);
    menu.turingMachineAction->trigger();
    QCOMPARE(s.form.StatusPanel(4)->Text(), QString());
    QCOMPARE(s.form.windowTitle(), QStringLiteral("Zebrin42 [машина Тьюринга] - Без имени"));
    menu.postMachineAction->trigger();
    QCOMPARE(s.form.StatusPanel(4)->Text(), QStringLiteral("Изменен"));
    QCOMPARE(s.form.windowTitle(), QStringLiteral("Zebrin42 [машина Поста] - сложение.pst"));
    QVERIFY(s.form.Bench().Post().Modified());
    QVERIFY(!s.form.Bench().Turing().Modified());
}

void TestWindowDocuments::chosenSymbolShowsOnItsButton() {
    Shown s;
    s.form.Bars().Menu().turingMachineAction->trigger();
    TuringMachine& turing = s.form.Bench().Turing();
    turing.EditAlphabetText(QStringLiteral("xy"));
    turing.RebuildAlphabet();
    s.form.Bars().Menu().changeSymbolAction->trigger();
    SymbolPopup* list = s.form.Tape()->SymbolList();
    QTRY_VERIFY(list->isVisible());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_Down);
    QTest::keyClick(focus, Qt::Key_Down);
    QTest::keyClick(focus, Qt::Key_Return);
    QTRY_COMPARE(turing.currentTapeSymbol, QStringLiteral("x"));
    QCOMPARE(turing.tape.GetTuringCell(turing.tape.CarriagePos()), QChar(u'x'));
}

QTEST_MAIN(TestWindowDocuments)
#include "test_window_documents.moc"

// Help topics opened by context number, the links between topics, the
// file-reading failures' help, and the About box with its two links.

#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "ModalAnswer.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/turing/TuringCommand.h"
#include "core/workbench/Workbench.h"
#include "window/dialogs/AboutDialog.h"
#include "window/dialogs/HelpWindow.h"
#include "window/main/MainWindow.h"

// Stands in for the desktop's mail program and browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void Open(const QUrl& url) { urls << url; }
};

class TestHelpAndAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensTopic_data();
    void opensTopic();
    void everyTopicLinkLeadsToATopic();
    void readFailureHelpNamesItsMessage_data();
    void readFailureHelpNamesItsMessage();
    void aboutBoxLinksAndKeys();
    void commandWithoutSymbolIsToldAsStored();
};

void TestHelpAndAbout::opensTopic_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("title");

    QTest::newRow("contents") << 10 << 10 << "Справка Zebrin42";
    QTest::newRow("tape") << 30 << 30 << "Информационная лента";
    QTest::newRow("status bar") << 250 << 250 << "Строка состояния";
    QTest::newRow("loop") << 52 << 52 << "Программа зациклилась";
    const char* post[] = {"Не указана команда!",
                          "Не указан номер отсылки!",
                          "Неверно указан номер отсылки!",
                          "Команды с таким номером не существует!",
                          "Нельзя ставить метку, где она уже есть!",
                          "Нельзя стереть метку, где ее нет!",
                          "Ошибка чтения файла машины Поста",
                          "Ошибка записи файла машины Поста"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("%d", 131 + i) << 131 + i << 131 + i << QString::fromUtf8(post[i]);
    const char* turing[] = {"Символа нет в алфавите",
                            "Не указана команда",
                            "Неверная запись команды",
                            "Состояние отсутствует",
                            "Ошибка чтения файла машины Тьюринга",
                            "Ошибка записи файла машины Тьюринга"};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("%d", 171 + i) << 171 + i << 171 + i << QString::fromUtf8(turing[i]);
    QTest::newRow("unknown number shows contents") << 99 << 10 << "Справка Zebrin42";
    QTest::newRow("zero shows contents") << 0 << 10 << "Справка Zebrin42";
    QTest::newRow("negative shows contents") << -131 << 10 << "Справка Zebrin42";
}

void TestHelpAndAbout::opensTopic() {
    QFETCH(int, context);
    QFETCH(int, shown);
    QFETCH(QString, title);

    MainWindow form;
    form.show();
    form.ShowHelpTopic(context);
    // Returns at once: no modal loop, the pointer is back to normal.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QGuiApplication::overrideCursor());
    HelpWindow* help = form.Help();
    QVERIFY(help->isVisible());
    QCOMPARE(help->CurrentTopic(), shown);
    QCOMPARE(help->Browser()->documentTitle(), title);
    QVERIFY(help->Browser()->toPlainText().size() > title.size() + 40);

    // A second request reuses the same window at the new topic.
    form.ShowHelpTopic(HelpWindow::ContentsTopic);
    QCOMPARE(form.Help(), help);
    QCOMPARE(help->CurrentTopic(), 10);
}

// Every link in every topic opens a topic; the contents reach every error
// topic the program can ask for.
void TestHelpAndAbout::everyTopicLinkLeadsToATopic() {
    HelpWindow help;
    QSet<int> pending{10}, seen;
    while (!pending.isEmpty()) {
        const int topic = *pending.begin();
        pending.erase(pending.begin());
        seen.insert(topic);
        help.ShowTopic(topic);
        QCOMPARE(help.CurrentTopic(), topic);
        const QTextDocument* document = help.Browser()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (href.isEmpty())
                    continue;
                const QString name = QUrl(href).fileName();
                QVERIFY2(name.endsWith(QLatin1String(".html")), qPrintable(href));
                bool ok = false;
                const int target = name.chopped(5).toInt(&ok);
                QVERIFY2(ok && HelpWindow::HasTopic(target), qPrintable(href));
                if (!seen.contains(target))
                    pending.insert(target);
            }
        }
    }
    for (int context : {30, 131, 132, 133, 134, 135, 136, 137, 138, 171, 172, 173, 174, 175, 176})
        QVERIFY2(seen.contains(context), qPrintable(QString::number(context)));
}

void TestHelpAndAbout::readFailureHelpNamesItsMessage_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QByteArray>("image");  // null: no file at all
    for (const bool post : {true, false}) {
        const char* machine = post ? "post" : "turing";
        QTest::addRow("%s, missing file", machine) << post << QByteArray();
        QTest::addRow("%s, not a document", machine) << post << QByteArray("plain text");
    }
}

// The "Помощь" of a failed read opens a topic that names the very message
// the user just saw.
void TestHelpAndAbout::readFailureHelpNamesItsMessage() {
    QFETCH(bool, post);
    QFETCH(QByteArray, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(post ? "task.pst" : "task.tur");
    if (!image.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(image), image.size());
    }
    ScriptedUi ui;
    ui.ExpectDialog(DialogAnswer::Help);
    Workbench bench(ui);
    bench.SetKind(post ? MachineKind::Post : MachineKind::Turing);
    QVERIFY(!(post ? ReadPostFile(bench, path) : ReadTuringFile(bench, path)));
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.helpTopics.size(), 1);

    HelpWindow help;
    help.ShowTopic(ui.helpTopics[0]);
    QCOMPARE(help.CurrentTopic(), ui.helpTopics[0]);
    const QString message = ui.dialogs[0].message.trimmed();
    QVERIFY2(help.Browser()->toPlainText().contains(message), qPrintable(message));
}

void TestHelpAndAbout::aboutBoxLinksAndKeys() {
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &desktop, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "Open");

    MainWindow form;
    AboutDialog* about = form.AboutBox();
    bool stayedOpenOnEsc = false;
    WhenModal(
        [&](QWidget* modal) {
            QCOMPARE(modal, about);
            QCOMPARE(about->windowTitle(), QStringLiteral("О программе"));
            QCOMPARE(about->size(), QSize(276, 167));
            QTest::keyClick(about, Qt::Key_Escape);
            stayedOpenOnEsc = about->isVisible();
            QTest::mouseClick(about->MailLink(), Qt::LeftButton);
            QTest::mouseClick(about->PageLink(), Qt::LeftButton);
            QCOMPARE(about->MailLink()->toolTip(),
                     QStringLiteral("Кликни сюда чтобы написать мне письмо"));
        },
        Press(Qt::Key_Return));  // the default button, "OK"
    form.ShowAboutBox();

    QVERIFY(stayedOpenOnEsc);
    QVERIFY(!about->isVisible());
    QCOMPARE(desktop.urls.size(), 2);
    QCOMPARE(desktop.urls[0].scheme(), QStringLiteral("mailto"));
    QCOMPARE(desktop.urls[0], about->MailUrl());
    QCOMPARE(desktop.urls[1].scheme(), QStringLiteral("https"));
    QCOMPARE(desktop.urls[1], about->PageUrl());
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// The Turing help says what a command typed without its symbol becomes,
// as the table stores it.
void TestHelpAndAbout::commandWithoutSymbolIsToldAsStored() {
    QFile page(QStringLiteral(":/help/40.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    const QRegularExpression told(QStringLiteral("<tt>&gt;3</tt>[^<]*<tt>([^<]*)</tt>"));
    const QRegularExpressionMatch match = told.match(html);
    QVERIFY(match.hasMatch());
    QString stored = match.captured(1);
    stored.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    QCOMPARE(stored, NormaliseTuringCommand(u">3", u"1").value_or(QString()));
    QVERIFY(!html.contains(QStringLiteral("не меняется, его можно не писать")));
}

QTEST_MAIN(TestHelpAndAbout)
#include "test_help_and_about.moc"

// Help topics opened by context number in either language, the links
// between topics, the English copy of every page, the file-reading
// failures' help, and the About box with its two links.

#include <QDesktopServices>
#include <QDir>
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
#include "core/text/Language.h"
#include "core/turing/TuringCommand.h"
#include "core/workbench/Workbench.h"
#include "window/dialogs/AboutDialog.h"
#include "window/dialogs/HelpWindow.h"
#include "window/main/MainWindow.h"

// Sets the interface's language for one test and puts Russian back after it,
// whether the test passes or not.
class LanguageScope {
public:
    explicit LanguageScope(UiLanguage language) { Language::SetCurrent(language); }
    ~LanguageScope() { Language::SetCurrent(UiLanguage::Russian); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

static QString ReadPage(const QString& path) {
    QFile page(path);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

// The targets of a page's links as written in it.
static QSet<QString> LinksOf(const QString& html) {
    QSet<QString> links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& match : href.globalMatch(html))
        links.insert(match.captured(1));
    return links;
}

// The page names in a help folder of the resources.
static QStringList PagesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

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
    void everyPageHasAnEnglishCopy();
    void englishPageMirrorsRussian_data();
    void englishPageMirrorsRussian();
    void linkInEnglishPageStaysEnglish();
    void readFailureHelpNamesItsMessage_data();
    void readFailureHelpNamesItsMessage();
    void aboutBoxLinksAndKeys();
    void commandWithoutSymbolIsToldAsStored_data();
    void commandWithoutSymbolIsToldAsStored();
};

void TestHelpAndAbout::opensTopic_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("context");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("title");

    QTest::newRow("contents") << false << 10 << 10 << "Справка Zebrin42";
    QTest::newRow("tape") << false << 30 << 30 << "Информационная лента";
    QTest::newRow("status bar") << false << 250 << 250 << "Строка состояния";
    QTest::newRow("loop") << false << 52 << 52 << "Программа зациклилась";
    // The English error topics are titled with the very texts the English
    // window's messages show.
    const char* post[][2] = {
        {"Не указана команда!", "No command given!"},
        {"Не указан номер отсылки!", "No jump number given!"},
        {"Неверно указан номер отсылки!", "Wrong jump number!"},
        {"Команды с таким номером не существует!", "There is no command with this number!"},
        {"Нельзя ставить метку, где она уже есть!", "A mark cannot be set where there is one!"},
        {"Нельзя стереть метку, где ее нет!", "A mark cannot be erased where there is none!"},
        {"Ошибка чтения файла машины Поста", "Post machine file read error"},
        {"Ошибка записи файла машины Поста", "Post machine file write error"}};
    const char* turing[][2] = {
        {"Символа нет в алфавите", "The symbol is not in the alphabet"},
        {"Не указана команда", "No command given"},
        {"Неверная запись команды", "Wrong command notation"},
        {"Состояние отсутствует", "The state is missing"},
        {"Ошибка чтения файла машины Тьюринга", "Turing machine file read error"},
        {"Ошибка записи файла машины Тьюринга", "Turing machine file write error"}};
    for (const bool english : {false, true}) {
        const char* language = english ? "en" : "ru";
        for (int i = 0; i < 8; ++i)
            QTest::addRow("%s %d", language, 131 + i)
                << english << 131 + i << 131 + i << QString::fromUtf8(post[i][english]);
        for (int i = 0; i < 6; ++i)
            QTest::addRow("%s %d", language, 171 + i)
                << english << 171 + i << 171 + i << QString::fromUtf8(turing[i][english]);
    }
    QTest::newRow("unknown number shows contents") << false << 99 << 10 << "Справка Zebrin42";
    QTest::newRow("zero shows contents") << false << 0 << 10 << "Справка Zebrin42";
    QTest::newRow("negative shows contents") << false << -131 << 10 << "Справка Zebrin42";
    QTest::newRow("en contents") << true << 10 << 10 << "Zebrin42 Help";
    QTest::newRow("en tape") << true << 30 << 30 << "Tape";
    QTest::newRow("en status bar") << true << 250 << 250 << "Status bar";
    QTest::newRow("en loop") << true << 52 << 52 << "The program is looping";
    QTest::newRow("en unknown number shows contents") << true << 99 << 10 << "Zebrin42 Help";
}

void TestHelpAndAbout::opensTopic() {
    QFETCH(bool, english);
    QFETCH(int, context);
    QFETCH(int, shown);
    QFETCH(QString, title);
    const LanguageScope language(english ? UiLanguage::English : UiLanguage::Russian);
    const QString folder = english ? QStringLiteral("/help/en/") : QStringLiteral("/help/");

    MainWindow form;
    form.show();
    form.ShowHelpTopic(context);
    // Returns at once: no modal loop, the pointer is back to normal.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QGuiApplication::overrideCursor());
    HelpWindow* help = form.Help();
    QVERIFY(help->isVisible());
    QCOMPARE(help->CurrentTopic(), shown);
    QCOMPARE(help->Browser()->source().path(), folder + QString::number(shown) + ".html");
    QCOMPARE(help->Browser()->documentTitle(), title);
    QVERIFY(help->Browser()->toPlainText().size() > title.size() + 40);

    // A second request reuses the same window at the new topic.
    form.ShowHelpTopic(HelpWindow::ContentsTopic);
    QCOMPARE(form.Help(), help);
    QCOMPARE(help->CurrentTopic(), 10);
    QCOMPARE(help->Browser()->source().path(), folder + "10.html");
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

void TestHelpAndAbout::everyPageHasAnEnglishCopy() {
    const QStringList russian = PagesIn(QStringLiteral(":/help"));
    QVERIFY(russian.size() > 20);
    QCOMPARE(PagesIn(QStringLiteral(":/help/en")), russian);
}

void TestHelpAndAbout::englishPageMirrorsRussian_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : PagesIn(QStringLiteral(":/help")))
        QTest::newRow(qPrintable(name)) << name;
}

// An English page links to the same topics as its Russian page, its links
// resolve inside the English folder, and no Russian is left in it.
void TestHelpAndAbout::englishPageMirrorsRussian() {
    QFETCH(QString, name);
    const QString russian = ReadPage(QStringLiteral(":/help/") + name);
    const QString english = ReadPage(QStringLiteral(":/help/en/") + name);
    QVERIFY(!english.isEmpty());
    const QSet<QString> links = LinksOf(english);
    QCOMPARE(links, LinksOf(russian));
    for (const QString& link : links) {
        const QUrl target = QUrl(QStringLiteral("qrc:/help/en/") + name).resolved(QUrl(link));
        QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()), qPrintable(link));
    }
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}+"));
    const QRegularExpressionMatch left = cyrillic.match(english);
    QVERIFY2(!left.hasMatch(), qPrintable(left.captured()));
}

// A link clicked on an English page opens the English page it names, and
// going back returns to the English page it left.
void TestHelpAndAbout::linkInEnglishPageStaysEnglish() {
    const LanguageScope language(UiLanguage::English);
    HelpWindow help;
    help.ShowTopic(HelpWindow::ContentsTopic);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTextBrowser* browser = help.Browser();
    QTextCursor link(browser->document());
    for (QTextBlock block = browser->document()->begin(); block.isValid() && link.atStart();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() == QLatin1String("20.html")) {
                link.setPosition(it.fragment().position() + 2);
                break;
            }
        }
    }
    QVERIFY(!link.atStart());
    const QPoint place = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, place);
    QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/help/en/20.html")));
    QCOMPARE(help.CurrentTopic(), 20);
    QCOMPARE(browser->documentTitle(), QStringLiteral("Post machine"));
    browser->backward();
    QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/help/en/10.html")));
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
    // The message's first line (the second names the cause).
    const QString message = ui.dialogs[0].message.section(u'\n', 0, 0).trimmed();
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

void TestHelpAndAbout::commandWithoutSymbolIsToldAsStored_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("oldClaim");
    QTest::newRow("ru") << ":/help/40.html"
                        << "не меняется, его можно не писать";
    QTest::newRow("en") << ":/help/en/40.html"
                        << "need not be written";
}

// The Turing help says what a command typed without its symbol becomes,
// as the table stores it.
void TestHelpAndAbout::commandWithoutSymbolIsToldAsStored() {
    QFETCH(QString, page);
    QFETCH(QString, oldClaim);
    const QString html = ReadPage(page);
    const QRegularExpression told(QStringLiteral("<tt>&gt;3</tt>[^<]*<tt>([^<]*)</tt>"));
    const QRegularExpressionMatch match = told.match(html);
    QVERIFY(match.hasMatch());
    QString stored = match.captured(1);
    stored.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    QCOMPARE(stored, NormaliseTuringCommand(u">3", u"1").value_or(QString()));
    QVERIFY(!html.contains(oldClaim));
}

QTEST_MAIN(TestHelpAndAbout)
#include "test_help_and_about.moc"

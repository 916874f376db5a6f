// The English translation is whole: lupdate run afresh over the sources
// finds no text the kept translation lacks and none it holds unfinished;
// no Russian text in the sources escapes the translation calls (but for the
// few that are data, not interface); and installed, it turns the window's
// and the runner's Russian into English, while Russian stays the sources'
// own bytes.

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "RunnerFixture.h"
#include "core/checking/CasesFile.h"
#include "core/machine/StatusLine.h"
#include "core/post/PostTable.h"
#include "core/text/Language.h"

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<Message> ReadTs(const QString& path) {
    QFile file(path);
    QList<Message> messages;
    if (!file.open(QIODevice::ReadOnly)) {
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, false});
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.back().unfinished =
                xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

// The Russian texts that are data, not interface, kept as they are in both
// languages: a new document's statement and comments (written to its file)
// and the Turing table's blank row label (kept in the table).
const QStringList kData = {QStringLiteral("\"Условие задачи:\""),
                           QStringLiteral("\"Условие задачи: \""),
                           QStringLiteral("\"Комментарий:\""), QStringLiteral("\"Комментарии:\""),
                           QStringLiteral("\"Пробел\"")};

// Each string literal holding Cyrillic outside comments that is neither an
// argument of Tr / QT_TRANSLATE_NOOP (after the context) nor data: "file:line".
QStringList UntranslatedIn(const QString& path, const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    static const QRegularExpression call(
        QStringLiteral("(Tr|QT_TRANSLATE_NOOP)\\(\\s*\"[^\"]*\"\\s*,\\s*$|Scramble\\($"));
    QStringList found;
    QString code;             // what came before, comments left out
    bool translated = false;  // the last literal was an argument of a call
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.mid(i, 2) == u"//") {
            i = text.indexOf(u'\n', i);
            if (i < 0) {
                break;
            }
            code += u'\n';
            continue;
        }
        if (text.mid(i, 2) == u"/*") {
            i = text.indexOf(QStringLiteral("*/"), i);
            if (i < 0) {
                break;
            }
            ++i;
            continue;
        }
        if (text[i] == u'\'') {
            const qsizetype end = text.indexOf(u'\'', i + (text.mid(i + 1, 1) == u"\\" ? 3 : 2));
            code += text.mid(i, end - i + 1);
            i = end;
            continue;
        }
        if (text[i] != u'"') {
            code += text[i];
            if (!text[i].isSpace()) {
                translated = false;
            }
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && text[end] != u'"') {
            end += text[end] == u'\\' ? 2 : 1;
        }
        const QString literal = text.mid(i, end - i + 1);
        // A literal continuing the one before (adjacent literals join) is
        // as translated as it.
        const bool argument = translated || call.match(code.trimmed() + u' ').hasMatch() ||
                              call.match(code).hasMatch();
        if (literal.contains(cyrillic) && !argument && !kData.contains(literal)) {
            found << QStringLiteral("%1:%2: %3")
                         .arg(path)
                         .arg(text.left(i).count(u'\n') + 1)
                         .arg(literal.left(60));
        }
        translated = argument;
        code += literal;
        i = end;
    }
    return found;
}

}  // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translationIsWholeAndCurrent();
    void noRussianTextEscapesTranslation();
    void englishReplacesRussian();
    void languageChosen_data();
    void languageChosen();
    void casesProblemsInEachLanguage_data();
    void casesProblemsInEachLanguage();
    void runnerSpeaksTheChosenLanguage_data();
    void runnerSpeaksTheChosenLanguage();
};

void TestTranslation::translationIsWholeAndCurrent() {
    const QString kept = QStringLiteral(ZEBRIN_SOURCE_DIR "/translations/zebrin42_en.ts");
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QVERIFY(QFile::copy(kept, fresh));
    QProcess lupdate;
    lupdate.start(
        QStringLiteral(ZEBRIN_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("-tr-function-alias"),
         QStringLiteral("translate+=Tr"), QStringLiteral("-locations"), QStringLiteral("none"),
         QStringLiteral(ZEBRIN_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QStringList missing;
    QStringList obsolete;
    const QList<Message> keptMessages = ReadTs(kept);
    QSet<QString> keptKeys;
    for (const Message& m : keptMessages) {
        keptKeys.insert(m.context + u'|' + m.source);
    }
    for (const Message& m : ReadTs(fresh)) {
        const QString key = m.context + u'|' + m.source;
        if (!keptKeys.contains(key)) {
            missing << key;
        } else if (m.unfinished || m.translation.isEmpty()) {
            missing << key + QStringLiteral(" (unfinished)");
        }
        keptKeys.remove(key);
    }
    obsolete = keptKeys.values();
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("not translated: ") + missing.join(u'\n')));
    QVERIFY2(obsolete.isEmpty(),
             qPrintable(QStringLiteral("no longer in the sources: ") + obsolete.join(u'\n')));
}

void TestTranslation::noRussianTextEscapesTranslation() {
    QStringList found;
    QDirIterator files(QStringLiteral(ZEBRIN_SOURCE_DIR "/src"),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        // The workbook's column headings are the report's keys.
        if (path.endsWith(QStringLiteral("runner/ClassWorkbook.cpp"))) {
            continue;
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        found << UntranslatedIn(path.mid(path.indexOf(QStringLiteral("/src/")) + 1),
                                QString::fromUtf8(file.readAll()));
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// Installed, the translation speaks English in the core's texts too (a
// status panel, a Post command, an error's status text); taken out again,
// the texts are the sources' Russian.
void TestTranslation::englishReplacesRussian() {
    const auto texts = [] {
        return QStringList{StatusLine::StartText(StatusLine::Step), PostTable::CommandName(1),
                           Tr("StepOutcome", "  -  ошибка:  программа зациклилась")};
    };
    QVERIFY(Language::Install(UiLanguage::English, QStringLiteral(ZEBRIN_QM_FILE)));
    QVERIFY(Language::English());
    const QStringList english = texts();
    QVERIFY(Language::Install(UiLanguage::Russian));
    QVERIFY(!Language::English());
    QCOMPARE(english, (QStringList{"step:", "Left", "  -  error:  the program is looping"}));
    QCOMPARE(texts(), (QStringList{"шаг:", "Влево", "  -  ошибка:  программа зациклилась"}));
}

void TestTranslation::languageChosen_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");  // "ru", "en", or "error"
    QTest::newRow("English locale") << QStringList{} << "en_US"
                                    << "en";
    QTest::newRow("Russian locale") << QStringList{} << "ru_RU"
                                    << "ru";
    QTest::newRow("C locale") << QStringList{} << "C"
                              << "ru";
    QTest::newRow("German locale") << QStringList{} << "de_DE"
                                   << "ru";
    QTest::newRow("--lang en over Russian") << QStringList{"--lang", "en"} << "ru_RU"
                                            << "en";
    QTest::newRow("--lang=ru over English") << QStringList{"--lang=ru"} << "en_US"
                                            << "ru";
    QTest::newRow("after --") << QStringList{"--", "--lang", "en"} << "ru_RU"
                              << "ru";
    QTest::newRow("unknown") << QStringList{"--lang", "fr"} << "en_US"
                             << "error";
    QTest::newRow("missing") << QStringList{"--lang"} << "en_US"
                             << "error";
}

void TestTranslation::languageChosen() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    QCOMPARE(Language::ForLocale(QLocale(locale)) == UiLanguage::English, locale == u"en_US");
    QString error;
    const UiLanguage language = Language::Choose(arguments, error);
    if (chosen == u"error") {
        QVERIFY(!error.isEmpty());
        return;
    }
    QVERIFY(error.isEmpty());
    // The system's locale is the tests' own (C): only --lang and an
    // explicit locale are checked here.
    if (arguments.isEmpty() || arguments.front() == u"--") {
        QCOMPARE(Language::ForLocale(QLocale(locale)) == UiLanguage::English, chosen == u"en");
    } else {
        QCOMPARE(language == UiLanguage::English, chosen == u"en");
    }
}

// What is wrong with a cases file is a value: the runner words it in its
// English, the window in Russian with no English inside (but the options'
// names, which the file holds).
void TestTranslation::casesProblemsInEachLanguage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("not a case") << "1 => 1\n11 -> 1"
                                << "line 2: expected INPUT => EXPECTED"
                                << "строка 2: ожидается ВХОД => ОЖИДАЕМОЕ";
    QTest::newRow("no cases") << "# nothing"
                              << "no cases: expected lines INPUT => EXPECTED"
                              << "нет тестов: ожидаются строки ВХОД => ОЖИДАЕМОЕ";
    QTest::newRow("option without value") << "--start"
                                          << "line 1: --start wants a value"
                                          << "строка 1: у --start нет значения";
    QTest::newRow("given twice") << "--machine post\n--machine post"
                                 << "line 2: --machine is given twice"
                                 << "строка 2: --machine указан дважды";
    QTest::newRow("unknown option")
        << "--speed 3"
        << "line 1: unknown option --speed: expected --start, --carriage, --weight, --machine, "
           "--max-rows, --max-states or --alphabet"
        << "строка 1: неизвестный параметр --speed: можно --start, --carriage, --weight, "
           "--machine, --max-rows, --max-states или --alphabet";
}

void TestTranslation::casesProblemsInEachLanguage() {
    QFETCH(QString, text);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    const CasesFile file = ParseCases(text);
    QCOMPARE(file.error, english);
    QCOMPARE(file.problem.English(), english);
    QCOMPARE(file.problem.Russian(), russian);
}

// The runner's own lines stay English; the machine's texts in them (here an
// error's message) follow --lang or the locale.
void TestTranslation::runnerSpeaksTheChosenLanguage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");  // LANG and LC_ALL of the run
    QTest::addColumn<QString>("expected");
    QTest::newRow("C") << QStringList{} << "C.UTF-8"
                       << "Не указана команда!";
    QTest::newRow("English locale") << QStringList{} << "en_US.UTF-8"
                                    << "No command given!";
    QTest::newRow("--lang en") << QStringList{"--lang", "en"} << "C.UTF-8"
                               << "No command given!";
    QTest::newRow("--lang ru over English") << QStringList{"--lang=ru"} << "en_US.UTF-8"
                                            << "Не указана команда!";
}

void TestTranslation::runnerSpeaksTheChosenLanguage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("empty-row.pst"));
    WritePost(document, QStringLiteral("0:1"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    const Finished run =
        RunProgram(QStringLiteral(ZEBRIN_RUN_EXE), arguments << document, environment);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.join(u'\n').contains(expected), qPrintable(run.out.join(u'\n')));
    QVERIFY2(run.out.join(u'\n').contains(QStringLiteral("empty-row.pst: error")),
             qPrintable(run.out.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslation)
#include "test_translation.moc"

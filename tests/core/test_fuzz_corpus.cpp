// The fuzz targets' promises on every normal test run, without clang: every
// seed (made anew by the core's writers) and every input a fuzzer ever found
// that crashed, leaked or hung (tests/corpus/<target>/) goes through the
// same check the fuzz target runs (fuzz/FuzzChecks.h).

#include <QDir>
#include <QtTest>

#include "FuzzChecks.h"
#include "SeedInputs.h"

class TestFuzzCorpus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seedDocumentsAreWritten();
    void corpusFoldersNameTargets();
    void inputsKeepThePromises_data();
    void inputsKeepThePromises();
};

void TestFuzzCorpus::seedDocumentsAreWritten() {
    int files = 0;
    int textLayers = 0;
    for (const FuzzSeeds::Seed& seed : FuzzSeeds::Seeds()) {
        QVERIFY2(FuzzChecks::FindTarget(seed.target), qPrintable(seed.target));
        if (seed.target.endsWith(QStringLiteral("_file"))) {
            QVERIFY2(!seed.bytes.isEmpty(), qPrintable(seed.name));
            ++(seed.bytes.startsWith(FuzzChecks::kFilePrefix) ? files : textLayers);
        }
    }
    QCOMPARE(files, 6);
    QCOMPARE(textLayers, 6);
}

void TestFuzzCorpus::corpusFoldersNameTargets() {
    const QDir corpus(QStringLiteral(ZEBRIN_CORPUS_DIR));
    for (const QString& folder : corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QVERIFY2(FuzzChecks::FindTarget(folder), qPrintable(folder));
    }
}

void TestFuzzCorpus::inputsKeepThePromises_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("input");
    for (const FuzzSeeds::Seed& seed : FuzzSeeds::Seeds()) {
        const QString row = QStringLiteral("seed %1/%2").arg(seed.target, seed.name);
        QTest::newRow(qPrintable(row)) << seed.target << seed.bytes;
    }
    const QDir corpus(QStringLiteral(ZEBRIN_CORPUS_DIR));
    for (const FuzzChecks::Target& target : FuzzChecks::Targets()) {
        const QDir folder(corpus.filePath(QLatin1String(target.name)));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString row = QStringLiteral("found %1/%2").arg(target.name, name);
            QTest::newRow(qPrintable(row)) << QString::fromLatin1(target.name) << file.readAll();
        }
    }
}

void TestFuzzCorpus::inputsKeepThePromises() {
    QFETCH(QString, target);
    QFETCH(QByteArray, input);
    const FuzzChecks::Target* check = FuzzChecks::FindTarget(target);
    QVERIFY(check);
    const QString failure = check->check(input);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "test_fuzz_corpus.moc"

#pragma once
// What the tests of zebrin42-run share: running a program as a child
// process and reading what it printed, and writing the documents and files
// the runs take.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <functional>

#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

struct Finished {
    int exitCode = -1;
    QStringList out;
    QString err;
};

inline Finished RunProgram(const QString& program, const QStringList& arguments,
                           const QProcessEnvironment& environment,
                           const std::function<void()>& inChild = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (inChild) {
        process.setChildProcessModifier(inChild);
    }
    process.start(program, arguments);
    Finished f;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return f;
    }
    f.exitCode = process.exitCode();
    f.out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    f.err = QString::fromUtf8(process.readAllStandardError());
    return f;
}

inline Finished RunRunner(const QStringList& arguments, const std::function<void()>& inChild = {}) {
    return RunProgram(QStringLiteral(ZEBRIN_RUN_EXE), arguments,
                      QProcessEnvironment::systemEnvironment(), inChild);
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rows "code:jump" separated by "|".
inline void WritePost(const QString& path, const QString& program,
                      const QString& marks = QString()) {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    const QStringList rows = program.split(u'|');
    for (int i = 0; i < rows.size(); ++i) {
        table.SetCode(i + 1, rows[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, rows[i].section(u':', 1));
    }
    for (const QString& m : marks.split(u' ', Qt::SkipEmptyParts)) {
        bench.Post().tape.SetPostCell(m.toInt(), true);
    }
    QVERIFY(WritePostFile(bench, path));
}

// A Turing table over `alphabet`: cells "state,row=command" separated by
// "|" (state 1 is Q0's column, rows from 1, the blank row last).
inline void WriteTuring(const QString& path, const QString& alphabet, const QString& cells) {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(alphabet);
    turing.RebuildAlphabet();
    for (const QString& cell : cells.split(u'|', Qt::SkipEmptyParts)) {
        const QString place = cell.section(u'=', 0, 0);
        turing.table.SetCell(place.section(u',', 0, 0).toInt(), place.section(u',', 1).toInt(),
                             cell.section(u'=', 1));
    }
    QVERIFY(WriteTuringFile(bench, path));
}

// Binary increment: the carriage starts on the lowest digit. On 0 write 1
// and stop, on 1 write 0 and carry left, on the blank write 1 and stop.
inline void WriteBinaryIncrement(const QString& path) {
    WriteTuring(path, QStringLiteral("01"), QStringLiteral("1,1=1!0|1,2=0<0|1,3=1!0"));
}

inline QJsonObject Json(const QString& line) {
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

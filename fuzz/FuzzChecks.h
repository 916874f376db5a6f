#pragma once
// The promises the fuzz targets hold the core to, as plain functions of one
// input's bytes. Each builds a fresh Workbench with a ScriptedUi, drives the
// real core code with the input and returns an empty text when every promise
// held, or what broke. The libFuzzer targets (fuzz/FuzzMain.cpp) abort on a
// broken promise; the corpus test (tests/core/test_fuzz_corpus.cpp) feeds
// every seed and every input a fuzzer ever found through the same functions
// on every normal test run.
//
// The checks touch only the core, the batch runner and scratch files in one
// temporary folder of their own.

#include <QByteArray>
#include <QList>
#include <QString>

namespace FuzzChecks {

using Check = QString (*)(const QByteArray& input);

struct Target {
    const char* name;  // also the folder of its corpora
    Check check;
};

// The file a document input stands for. An input that starts like a
// document file ("Zebrin42[") is the file itself; any other input is the
// text layer, masked here and put behind the right magic. Masking hides the
// numbers and line breaks from the fuzzer's mutations; unmasked, they act
// on the document's lines directly.
inline const QByteArray kFilePrefix = QByteArrayLiteral("Zebrin42[");
QByteArray DocumentImage(const QByteArray& magic, const QByteArray& input);

// post_file: the input as a .pst file (see DocumentImage). A refused file
// leaves the machine as it was and shows one read-error dialog; an accepted
// one writes, reads back to the same lines, writes again to the same bytes,
// and runs a few ticks.
QString PostDocument(const QByteArray& input);
// turing_file: the same for a .tur file.
QString TuringDocument(const QByteArray& input);
// turing_command: the first line is the alphabet editor's text, the rest a
// cell; the cell check and the interpreter's reading agree with each other
// and with the table's cell check.
QString TuringCommandText(const QByteArray& input);
// post_jump: the bytes as a jump field; both readings agree, and a
// conditional jump with that field runs to the row it names or to the error
// the readings predict.
QString PostJumpField(const QByteArray& input);
// alphabet: each line is one edit of the Turing table (a new alphabet text
// and its rebuild, an added symbol, a column command, or a damaged table
// loaded as a document brings it); after each the table keeps its
// invariants and every row's commands travel with its symbol.
QString AlphabetRebuild(const QByteArray& input);

const QList<Target>& Targets();
const Target* FindTarget(const QString& name);

}  // namespace FuzzChecks

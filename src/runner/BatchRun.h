#pragma once
// One headless run of one document, exactly as the window would run it: the
// document's own reader, a fresh start through the run controller, and the
// interpreter's ticks one after another, with a scripted Ui answering each
// dialog with its first button. Used by zebrin42-run and its benchmark.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/checking/CaseRun.h"
#include "core/documents/DocumentFile.h"
#include "core/machine/MachineKind.h"

class Workbench;

struct RunSpec {
    QString file;  // as given: bytes that are not UTF-8 kept (DocumentFile::NameFromNative)
    std::optional<QString> tape;  // tape text in UTF-8 notation, see ParseTapeText
    std::optional<int> start;     // cell of the tape text's first character
    std::optional<int> carriage;
    qint64 maxSteps = 1000000;
    bool trace = false;
    // Where trace lines go as they are made; without it they are kept in
    // RunOutcome::trace.
    std::function<void(const QString&)> traceLine;
    QString saveTo;  // write the machine after the run, when not empty
};

// The run's end (RunResult) and what the runner adds: a document that could
// not be read (`message` then says why in plain English) or a bad option.
struct RunOutcome : RunResult {
    enum class Result { Stopped, Error, Limit, Unreadable, Usage };
    Result result = Result::Usage;
    QString machine;     // "post", "turing", or empty when unknown
    QString usageError;  // for Result::Usage
    QStringList trace;   // "step | message" per tick when asked for
    bool saveFailed = false;

    static QString ResultName(Result result);
    // The machine by `machine`; Post when unknown.
    MachineKind Kind() const;
};

RunOutcome RunDocument(const RunSpec& spec);

// Reads `file` into `bench` as RunDocument does: as the machine its first
// bytes name (by its extension when they name none), which becomes current.
// `out.machine` names the machine the first bytes name; a failed read
// makes `out` Unreadable, with why in plain words, and returns false.
bool LoadDocument(Workbench& bench, const QString& file, RunOutcome& out);

// Why a file could not be used, in plain English ("no such file", "not a
// regular file", ...). `machine` ("post" or "turing") names the reader that
// found a document damaged.
QString ReadFailureText(DocumentFile::ReadStatus status, const QString& machine);

// The used part of the tape in the notation of tape texts: Post "1"/"0",
// Turing symbols with "_" for the blank.
QString UsedPartNotation(const RunOutcome& outcome);

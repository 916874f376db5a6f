#pragma once
// Headless runs of one document, exactly as the window would run it: the
// document's own reader, a fresh start through the run controller for each
// run, and the interpreter's ticks one after another, with a scripted Ui
// answering each dialog with its first button. A document is read once
// (DocumentCheck) and every case runs on that machine from its own tape.
// Used by zebrin42-run, its benchmark and the fuzz checks.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/checking/CaseBench.h"
#include "core/checking/CaseRun.h"
#include "core/checking/CasesFile.h"
#include "core/documents/DocumentFile.h"
#include "core/machine/MachineKind.h"

class Workbench;

struct RunSpec {
    QString file;  // as given: bytes that are not UTF-8 kept (DocumentFile::NameFromNative)
    std::optional<QString> tape;  // tape text in UTF-8 notation, see PlaceTape
    std::optional<int> start;     // cell of the tape text's first character
    std::optional<int> carriage;
    qint64 maxSteps = 1000000;
    std::optional<double> seconds;  // the wall-clock limit of one run
    bool trace = false;             // --trace: the caller sets traceTick
    // Where a run's ticks go as they are made, when set.
    std::function<void(const TraceTick&)> traceTick;
    QString saveTo;  // write the machine after the run, when not empty
};

// The run's end (RunResult) and what the runner adds: a document that could
// not be read or broke a requirement of the task (`message` then says why
// in plain words), a case the document cannot hold (an Error), or a bad
// option.
struct RunOutcome : RunResult {
    enum class Result { Stopped, Error, Limit, Timeout, Loop, Unreadable, Rejected, Usage };
    Result result = Result::Usage;
    QString machine;     // "post", "turing", or empty when unknown
    QString usageError;  // for Result::Usage
    bool ran = false;    // the machine ran: the tape, carriage and steps are its
    QString saveError;   // why the save failed, in plain words; empty when it did not
    DocumentFile::ReadStatus readStatus = DocumentFile::ReadStatus::Ok;  // Unreadable: why

    static QString ResultName(Result result);
    // The machine by `machine`; Post when unknown.
    MachineKind Kind() const;
};

// One document, read once: whether it could be read and meets the task's
// requirements, and its runs, each on its own tape.
class DocumentCheck {
public:
    DocumentCheck(const QString& file, const TaskRequirements& task);

    // Unreadable, Rejected, or Stopped for a document that can run;
    // `Refusal().message` says why it cannot.
    const RunOutcome& Refusal() const { return refusal_; }
    bool CanRun() const { return refusal_.result == RunOutcome::Result::Stopped; }
    Workbench& Bench() { return bench_.Bench(); }

    // Runs the document on `runCase`'s tape, or on the tape `spec` asks for
    // without a case. A case the machine cannot hold is an Error run;
    // a --tape it cannot hold is a Usage outcome.
    RunOutcome Run(const RunSpec& spec, const RunCase* runCase);

private:
    CaseBench bench_;
    RunOutcome refusal_;
};

RunOutcome RunDocument(const RunSpec& spec);

// Reads `file` into `bench` as the window would: as the machine its first
// bytes name (by its extension when they name none), which becomes current.
// `out.machine` names the machine the first bytes name; a failed read
// makes `out` Unreadable, with why in plain words, and returns false.
bool LoadDocument(Workbench& bench, const QString& file, RunOutcome& out);

// Why a file could not be used, in plain English ("no such file", "not a
// regular file", ...). `machine` ("post" or "turing") names the reader that
// found a document damaged.
QString ReadFailureText(DocumentFile::ReadStatus status, const QString& machine);

// What in `bench`'s current program breaks the task's requirements, in
// the teacher's words ("не та машина"); empty when nothing does.
QString BrokenRequirement(Workbench& bench, const TaskRequirements& task);

// The used part of the tape in the notation of tape texts: Post "1"/"0",
// Turing symbols with "_" for the blank.
QString UsedPartNotation(const RunOutcome& outcome);

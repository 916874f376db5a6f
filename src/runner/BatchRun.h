#pragma once
// One headless run of one document, exactly as the window would run it: the
// document's own reader, a fresh start through the run controller, and the
// interpreter's ticks one after another, with a scripted Ui answering each
// dialog with its first button. Used by zebrin42-run and its benchmark.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/documents/DocumentFile.h"

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

struct RunOutcome {
    enum class Result { Stopped, Error, Limit, Unreadable, Usage };
    Result result = Result::Usage;
    QString machine;  // "post", "turing", or empty when unknown
    qint64 steps = 0;
    QString message;  // the last dialog's text; for Unreadable, why in plain English
    QString status;   // the message panel at the end
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    bool emptyTape = true;
    QString tape;        // cells usedMin..usedMax: "1"/"0", or symbols with " " for the blank
    QString usageError;  // for Result::Usage
    QStringList trace;   // "step | message" per tick when asked for
    bool saveFailed = false;

    static QString ResultName(Result result);
};

RunOutcome RunDocument(const RunSpec& spec);

// Why a file could not be used, in plain English ("no such file", "not a
// regular file", ...). `machine` ("post" or "turing") names the reader that
// found a document damaged.
QString ReadFailureText(DocumentFile::ReadStatus status, const QString& machine);

// The used part of the tape in the notation of tape texts: Post "1"/"0",
// Turing symbols with "_" for the blank.
QString UsedPartNotation(const RunOutcome& outcome);

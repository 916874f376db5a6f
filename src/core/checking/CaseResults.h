#pragma once
// What a case check has come to so far, held compactly beside its CaseList,
// so that the window's table and the paper can show millions of cases at a
// few dozen bytes each: per case its verdict, steps, cells, and where the tape
// obtained lies. A tape equal to the case's expected one (every passed case)
// is not stored again, the same tape in a row is stored once, and each error
// message once for all the cases that met it. An outcome is made whole
// (CaseOutcome) only when it is asked for.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "core/checking/CaseList.h"
#include "core/checking/CaseRun.h"

class CaseResults {
public:
    CaseResults() = default;
    explicit CaseResults(CaseList cases);

    const CaseList& Cases() const { return cases_; }
    qsizetype size() const { return entries_.size(); }
    // How many cases have an outcome, and how many of those passed.
    qsizetype Done() const { return done_; }
    qsizetype Passed() const { return passed_; }

    void Set(qsizetype index, const CaseOutcome& outcome);
    bool Has(qsizetype index) const { return entries_[index].verdict != kNone; }
    // The case's verdict, when it has an outcome.
    std::optional<CaseOutcome::Verdict> VerdictOf(qsizetype index) const;
    std::optional<CaseOutcome> At(qsizetype index) const;
    // What the case's run measured, when it has an outcome.
    qint64 Steps(qsizetype index) const { return entries_[index].steps; }
    int InputLength(qsizetype index) const { return entries_[index].inputLength; }

private:
    static constexpr quint8 kNone = 0xff;
    static constexpr qint32 kNoText = -1;
    struct Entry {
        qint64 steps = 0;
        qsizetype tapeFrom = 0;  // in tapes_, unless tapeLength is kExpected
        qint32 tapeLength = 0;
        qint32 carriage = 0;
        qint32 firstCell = 0;
        qint32 inputLength = 0;
        qint32 message = kNoText;  // in messages_
        quint8 verdict = kNone;
    };
    static constexpr qint32 kExpected = -1;  // the tape is the case's expected one

    CaseList cases_;
    QVector<Entry> entries_;
    QString tapes_;
    qsizetype lastTapeFrom_ = -1;
    qint32 lastTapeLength_ = 0;
    QStringList messages_;
    QHash<QString, qint32> messageIndex_;
    qsizetype done_ = 0;
    qsizetype passed_ = 0;
};

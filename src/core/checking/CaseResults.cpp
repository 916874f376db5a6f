#include "core/checking/CaseResults.h"

CaseResults::CaseResults(CaseList cases) : cases_(std::move(cases)), entries_(cases_.size()) {}

void CaseResults::Set(qsizetype index, const CaseOutcome& outcome) {
    Entry& entry = entries_[index];
    if (entry.verdict == kNone) {
        ++done_;
    } else if (entry.verdict == quint8(CaseOutcome::Verdict::Passed)) {
        --passed_;
    }
    if (outcome.verdict == CaseOutcome::Verdict::Passed) {
        ++passed_;
    }
    entry.verdict = quint8(outcome.verdict);
    entry.steps = outcome.steps;
    entry.carriage = outcome.carriage;
    entry.firstCell = outcome.firstCell;
    entry.inputLength = outcome.inputLength;
    const QStringView tape(outcome.tape);
    if (tape == cases_.Expected(index)) {
        entry.tapeLength = kExpected;
    } else {
        if (lastTapeFrom_ < 0 ||
            QStringView(tapes_).sliced(lastTapeFrom_, lastTapeLength_) != tape) {
            lastTapeFrom_ = tapes_.size();
            lastTapeLength_ = qint32(tape.size());
            tapes_ += tape;
        }
        entry.tapeFrom = lastTapeFrom_;
        entry.tapeLength = lastTapeLength_;
    }
    entry.message = kNoText;
    if (!outcome.message.isEmpty()) {
        auto known = messageIndex_.constFind(outcome.message);
        if (known == messageIndex_.cend()) {
            known = messageIndex_.insert(outcome.message, qint32(messages_.size()));
            messages_.append(outcome.message);
        }
        entry.message = *known;
    }
}

std::optional<CaseOutcome::Verdict> CaseResults::VerdictOf(qsizetype index) const {
    const quint8 verdict = entries_[index].verdict;
    if (verdict == kNone) {
        return std::nullopt;
    }
    return CaseOutcome::Verdict(verdict);
}

std::optional<CaseOutcome> CaseResults::At(qsizetype index) const {
    const Entry& entry = entries_[index];
    if (entry.verdict == kNone) {
        return std::nullopt;
    }
    CaseOutcome outcome;
    outcome.verdict = CaseOutcome::Verdict(entry.verdict);
    outcome.steps = entry.steps;
    outcome.carriage = entry.carriage;
    outcome.firstCell = entry.firstCell;
    outcome.inputLength = entry.inputLength;
    outcome.tape = entry.tapeLength == kExpected
                       ? cases_.Expected(index).toString()
                       : QStringView(tapes_).sliced(entry.tapeFrom, entry.tapeLength).toString();
    if (entry.message != kNoText) {
        outcome.message = messages_[entry.message];
    }
    return outcome;
}

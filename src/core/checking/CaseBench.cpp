#include "core/checking/CaseBench.h"

#include <algorithm>

CaseBench::CaseBench() = default;

CaseBench::CaseBench(MachineKind kind, const MachineContents& program) : CaseBench() {
    bench_.SetKind(kind);
    bench_.Current().PutBack(program);
}

std::optional<TapeSetupError> CaseBench::Place(const RunCase& runCase) {
    return PlaceTape(bench_, runCase.input, runCase.start, runCase.carriage);
}

RunResult CaseBench::Run(const RunLimits& limits,
                         const std::function<void(const TraceTick&)>& trace) {
    return RunToEnd(bench_, ui_, limits, trace);
}

CaseOutcome CaseBench::Check(const RunCase& runCase, const RunLimits& limits) {
    CaseOutcome out;
    if (const std::optional<TapeSetupError> error = Place(runCase)) {
        out.verdict = CaseOutcome::Verdict::BadCase;
        out.message = error->Russian();
        return out;
    }
    const MachineKind kind = Kind();
    const RunResult run = Run(limits);
    out.tape = UsedPartNotation(kind, run.tape);
    out.firstCell = run.emptyTape ? run.carriage : std::max(run.usedMin, FirstTapeCell(kind));
    out.carriage = run.carriage;
    out.steps = run.steps;
    out.inputLength = run.inputLength;
    switch (run.end) {
        case RunResult::End::Stopped:
            out.verdict = CasePassed(runCase, kind, true, run.tape) ? CaseOutcome::Verdict::Passed
                                                                    : CaseOutcome::Verdict::Failed;
            break;
        case RunResult::End::Error:
        case RunResult::End::Loop:
            out.verdict = CaseOutcome::Verdict::Error;
            out.message = run.message.trimmed();
            break;
        case RunResult::End::Limit:
        case RunResult::End::Timeout:
            out.verdict = CaseOutcome::Verdict::Limit;
            break;
    }
    return out;
}

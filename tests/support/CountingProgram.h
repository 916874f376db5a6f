#pragma once
// A Turing binary counter, least digit first from cell 2 (cell 1 stays blank
// as the left end): it counts for ever, never repeating a configuration and
// never leaving the tape within a test's or a benchmark's run.

#include "core/turing/TuringMachine.h"

inline void CountingProgram(TuringMachine& turing) {
    turing.EditAlphabetText(QStringLiteral("01"));
    turing.RebuildAlphabet();
    const auto row = [&turing](QChar symbol) { return *turing.RowOfSymbol(symbol); };
    turing.table.SetCell(1, row(u'1'), QStringLiteral("0>0"));
    turing.table.SetCell(1, row(u'0'), QStringLiteral("1<1"));
    turing.table.SetCell(1, row(u' '), QStringLiteral("1<1"));
    turing.table.SetCell(2, row(u'0'), QStringLiteral("0<1"));
    turing.table.SetCell(2, row(u'1'), QStringLiteral("1<1"));
    turing.table.SetCell(2, row(u' '), QStringLiteral("_>0"));
    turing.tape.SetCarriagePos(2);
}

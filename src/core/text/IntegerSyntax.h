#pragma once
// The one integer syntax of the system, used for every number read from a
// table cell, the go-to box or a document: an optional "+" or "-" followed by
// decimal digits within the 32-bit signed range, or "$" followed by hexadecimal
// digits whose value fits in 32 bits, read as two's complement. No blanks are
// skipped; callers trim where their rule says so.

#include <QString>
#include <optional>

std::optional<qint32> ParseInteger(QStringView text);

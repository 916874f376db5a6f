#pragma once
// Which of the two machines is current: "Pst" (Post) or "Tur" (Turing).

#include <QString>

enum class MachineKind { Pst, Tur };

inline QString MachineKindText(MachineKind kind) {
    return kind == MachineKind::Pst ? QStringLiteral("Pst") : QStringLiteral("Tur");
}

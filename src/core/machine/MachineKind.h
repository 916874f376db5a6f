#pragma once
// Which of the two machines is current: "Pst" (Post) or "Tur" (Turing).

#include <QString>

enum class MachineKind { Post, Turing };

inline QString MachineKindText(MachineKind kind) {
    return kind == MachineKind::Post ? QStringLiteral("Pst") : QStringLiteral("Tur");
}

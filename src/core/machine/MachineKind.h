#pragma once
// The two machines.

enum class MachineKind { Post, Turing };

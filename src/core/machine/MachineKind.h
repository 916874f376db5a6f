#pragma once
// The two machines, and PerMachine: a pair of values, one for each machine,
// picked by the machine's kind. Where the two machines differ only in a
// value (a text, a number, an object each machine has one of), the pair is
// written once and indexed, instead of a branch on the kind at every use.

#include <array>
#include <cstddef>
#include <utility>

enum class MachineKind { Post, Turing };

// Both machines, in the order they are asked about and listed.
inline constexpr MachineKind kMachineKinds[] = {MachineKind::Post, MachineKind::Turing};

template <typename T>
class PerMachine {
public:
    PerMachine() = default;
    PerMachine(T post, T turing) : values_{std::move(post), std::move(turing)} {}

    T& operator[](MachineKind kind) { return values_[Index(kind)]; }
    const T& operator[](MachineKind kind) const { return values_[Index(kind)]; }

    // The values in the order of kMachineKinds.
    auto begin() { return values_.begin(); }
    auto end() { return values_.end(); }
    auto begin() const { return values_.begin(); }
    auto end() const { return values_.end(); }

private:
    static constexpr std::size_t Index(MachineKind kind) { return std::size_t(kind); }

    // Value-initialised only where the pair is (`PerMachine<T*> pair{}`).
    std::array<T, 2> values_;
};

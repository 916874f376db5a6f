#pragma once
// Pictures drawn in code for one device pixel ratio, kept for every ratio a
// widget is painted at: a paint only looks its set up, and a scaled screen
// gets pictures drawn for it instead of scaled-up ones. A set may also
// depend on a variant (the colour set, a zoom step), kept apart the same way.

#include <QtGlobal>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

template <typename Set>
class PerRatio {
public:
    explicit PerRatio(std::function<Set(qreal ratio)> draw) : draw_(std::move(draw)) {}

    const Set& For(qreal ratio, int variant = 0) const {
        const std::pair<qreal, int> key(ratio, variant);
        for (const auto& [drawnFor, set] : sets_) {
            if (drawnFor == key) {
                return *set;
            }
        }
        sets_.emplace_back(key, std::make_unique<Set>(draw_(ratio)));
        return *sets_.back().second;
    }

private:
    std::function<Set(qreal)> draw_;
    mutable std::vector<std::pair<std::pair<qreal, int>, std::unique_ptr<Set>>> sets_;
};

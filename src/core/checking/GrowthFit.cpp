#include "core/checking/GrowthFit.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/tape/TapeStore.h"
#include "core/text/Language.h"

namespace {

constexpr GrowthModel kModels[] = {GrowthModel::Linear, GrowthModel::LinearLog,
                                   GrowthModel::Quadratic, GrowthModel::Cubic,
                                   GrowthModel::Exponential};

// Each model's words, in the order of GrowthModel: the runner's key and
// the window's name.
struct ModelWords {
    const char* key;
    const char* name;
};
constexpr ModelWords kWords[] = {{"n", QT_TRANSLATE_NOOP("GrowthFit", "примерно n")},
                                 {"n log n", QT_TRANSLATE_NOOP("GrowthFit", "примерно n·log n")},
                                 {"n^2", QT_TRANSLATE_NOOP("GrowthFit", "примерно n²")},
                                 {"n^3", QT_TRANSLATE_NOOP("GrowthFit", "примерно n³")},
                                 {"2^n", QT_TRANSLATE_NOOP("GrowthFit", "примерно 2^n")}};

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

}  // namespace

double GrowthModelLog(GrowthModel model, double n) {
    // Below the lengths the fit takes, f is 0 (or undefined) where the
    // logarithm is: the curve there is 0 steps, never NaN.
    if (!(n > 0)) {
        return kMinusInfinity;
    }
    const double logN = std::log(n);
    switch (model) {
        case GrowthModel::Linear:
            return logN;
        case GrowthModel::LinearLog:
            return n > 1 ? logN + std::log(std::log2(n)) : kMinusInfinity;
        case GrowthModel::Quadratic:
            return 2 * logN;
        case GrowthModel::Cubic:
            return 3 * logN;
        case GrowthModel::Exponential:
            return n * std::log(2.0);
    }
    return kMinusInfinity;
}

void GrowthPoints::Add(const GrowthPoint& point) {
    const auto known = index_.constFind({point.length, point.steps});
    if (known != index_.cend()) {
        ++counts_[*known];
        return;
    }
    index_.insert({point.length, point.steps}, points_.size());
    points_.append(point);
    counts_.append(1);
}

GrowthFit FitGrowth(const QVector<GrowthPoint>& points) {
    GrowthPoints merged;
    for (const GrowthPoint& point : points) {
        merged.Add(point);
    }
    return FitGrowth(merged);
}

GrowthFit FitGrowth(const GrowthPoints& points) {
    GrowthFit fit;
    // Each distinct point once, weighted by the runs that measured it.
    QVector<std::pair<GrowthPoint, double>> used;
    QSet<int> lengths;
    double runs = 0;
    for (qsizetype i = 0; i < points.Distinct().size(); ++i) {
        const GrowthPoint& point = points.Distinct()[i];
        if (point.length >= 2 && point.steps >= 1) {
            used.append({point, double(points.Count(i))});
            lengths.insert(point.length);
            runs += double(points.Count(i));
        }
    }
    fit.fitted = int(std::min<double>(runs, std::numeric_limits<int>::max()));
    fit.lengths = int(lengths.size());
    if (fit.lengths < GrowthFit::kMinLengths) {
        return fit;
    }
    double best = std::numeric_limits<double>::infinity();
    for (GrowthModel model : kModels) {
        double sum = 0;
        for (const auto& [point, weight] : used) {
            sum += weight * (std::log(double(point.steps)) - GrowthModelLog(model, point.length));
        }
        const double logConstant = sum / runs;
        double residual = 0;
        for (const auto& [point, weight] : used) {
            const double r =
                std::log(double(point.steps)) - logConstant - GrowthModelLog(model, point.length);
            residual += weight * r * r;
        }
        // A faster model must fit better by more than rounding to win.
        if (!fit.model || residual < best - 1e-9 * std::max(1.0, best)) {
            best = residual;
            fit.model = model;
            fit.logConstant = logConstant;
        }
    }
    return fit;
}

double GrowthFit::Constant() const {
    return model ? std::exp(logConstant) : 0;
}

double GrowthFit::StepsAt(double n) const {
    return model ? std::exp(logConstant + GrowthModelLog(*model, n)) : 0;
}

QString GrowthFit::Name() const {
    return model ? Tr("GrowthFit", kWords[int(*model)].name) : QString();
}

QString GrowthFit::Key() const {
    return model ? QString::fromUtf8(kWords[int(*model)].key) : QString();
}

QString GrowthFit::Note() const {
    if (model) {
        return {};
    }
    if (fitted == 0) {
        return Tr("GrowthFit",
                  "Кривая не подобрана: нет пройденных тестов со входом от двух клеток и хотя бы "
                  "одним шагом.");
    }
    return Tr("GrowthFit",
              "Кривая не подобрана: разных длин входа (от двух клеток) у пройденных тестов — "
              "%1, а нужно не меньше %2.")
        .arg(lengths)
        .arg(kMinLengths);
}

int InputLength(const TapeStore& tape) {
    if (tape.IsEmpty()) {
        return 0;
    }
    const int low = std::max(tape.UsedMin(), tape.FirstCell());
    const int high = std::min(tape.UsedMax(), tape.LastCell());
    return std::max(0, high - low + 1);
}

std::optional<GrowthPattern> FindGrowthPattern(MachineKind kind, const QString& input) {
    auto used = [kind](QChar c) {
        return kind == MachineKind::Post ? c == u'1' : c != u'_' && c != u' ';
    };
    qsizetype first = 0;
    while (first < input.size() && !used(input[first])) {
        ++first;
    }
    if (first == input.size()) {
        return std::nullopt;
    }
    qsizetype last = input.size() - 1;
    while (!used(input[last])) {
        --last;
    }
    const QString part = input.mid(first, last - first + 1);
    // The stretch that covers the most cells with whole units; the first
    // found (the shortest unit, the leftmost stretch) on a tie. A run of
    // `run` cells equal to the cell `unit` further on is a stretch of
    // run + unit cells with that period.
    qsizetype bestStart = 0;
    qsizetype bestUnit = part.size();
    qsizetype bestCover = 0;
    for (qsizetype unit = 1; unit <= GrowthPattern::kMaxUnit && 2 * unit <= part.size(); ++unit) {
        qsizetype run = 0;
        for (qsizetype i = 0; i + unit < part.size(); ++i) {
            run = part[i] == part[i + unit] ? run + 1 : 0;
            const qsizetype whole = (run + unit) / unit * unit;
            if (run > 0 && whole >= 2 * unit && whole > bestCover) {
                bestCover = whole;
                bestStart = i - run + 1;
                bestUnit = unit;
            }
        }
    }
    GrowthPattern pattern;
    pattern.prefix = input.left(first + bestStart);
    pattern.unit = part.mid(bestStart, bestUnit);
    pattern.suffix = input.mid(first + bestStart);
    return pattern;
}

QVector<int> GrowthRepeats() {
    QVector<int> repeats = {1, 2, 3, 4};
    while (repeats.back() <= 2 * TapeStore::TapeLimit) {
        repeats.append((repeats.back() * 3 + 1) / 2);
    }
    return repeats;
}

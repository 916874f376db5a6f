#pragma once
// How a program's steps grow with the length of its input, for the case
// check's «Рост» tab and zebrin42-run --growth alike: the models c·n,
// c·n·log n, c·n², c·n³ and c·2^n, each fitted to the measured points by
// least squares on the logarithms (log steps = log c + log f(n), log c the
// mean of log steps − log f(n)), the one with the least squared residual
// named once the points cover at least four distinct lengths. Also the
// length of an input as a run's tape measures it, and the longer inputs a
// case's input grows into by repeating its pattern.

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>
#include <optional>

#include "core/machine/MachineKind.h"

class TapeStore;

// One run: the length of its input and the steps it took.
struct GrowthPoint {
    int length = 0;
    qint64 steps = 0;
};

// In the order a tie is settled in: the slower growth first.
enum class GrowthModel { Linear, LinearLog, Quadratic, Cubic, Exponential };

struct GrowthFit {
    // Distinct lengths needed before a model is named.
    static constexpr int kMinLengths = 4;

    std::optional<GrowthModel> model;  // the best model, when one is named
    double logConstant = 0;            // ln c of the named model
    int lengths = 0;                   // distinct lengths among the points fitted
    int fitted = 0;                    // the points fitted: length 2 or more, 1 step or more

    // c; 0 when it is too small for a double.
    double Constant() const;
    // c·f(n) of the named model, in steps; +inf past a double's range, 0
    // without a model.
    double StepsAt(double n) const;
    // «примерно n²»; empty without a model.
    QString Name() const;
    // "n^2" for the runner's outputs; empty without a model.
    QString Key() const;
    // Why no model is named, in the window's words; empty when one is.
    QString Note() const;
};

// The runs measured, the same point merged with a count: a check of
// millions of cases that took the same steps on inputs of the same length
// keeps one point, and the fit weighs it by its count.
class GrowthPoints {
public:
    void Add(const GrowthPoint& point);
    const QVector<GrowthPoint>& Distinct() const { return points_; }
    qint64 Count(qsizetype index) const { return counts_[index]; }
    bool isEmpty() const { return points_.isEmpty(); }

private:
    QVector<GrowthPoint> points_;
    QVector<qint64> counts_;
    QHash<QPair<int, qint64>, qsizetype> index_;
};

// Fits every model to `points`. Points shorter than two cells (where log n
// is 0) or of no steps carry no growth and are left out of the fit.
GrowthFit FitGrowth(const GrowthPoints& points);
GrowthFit FitGrowth(const QVector<GrowthPoint>& points);

// ln f(n) of `model`, for n of 2 or more; log n is the binary logarithm.
double GrowthModelLog(GrowthModel model, double n);

// The length of the input on `tape` before a run: the cells from the lowest
// to the highest used one (marked on the Post tape, not blank on the
// Turing tape), 0 on an empty tape.
int InputLength(const TapeStore& tape);

// A case's input split around its repeating pattern: the longest stretch of
// its used part that is one unit (of up to kMaxUnit cells) repeated, or,
// where nothing repeats, the whole used part as the unit. Longer inputs are
// the unit repeated more times where the stretch begins.
struct GrowthPattern {
    static constexpr int kMaxUnit = 8;

    QString prefix;  // the input before the stretch
    QString unit;
    QString suffix;  // the stretch and the rest of the input

    // The input with `extra` more units (0: the input itself).
    QString Grown(int extra) const { return prefix + unit.repeated(extra) + suffix; }
};

// The pattern of `input` (tape notation) on a `kind` machine; none when the
// input uses no cell.
std::optional<GrowthPattern> FindGrowthPattern(MachineKind kind, const QString& input);

// How many more units each longer input gets, in order: a few one by one,
// then about half as many again each time, up to the tape's length.
QVector<int> GrowthRepeats();

#include "window/dialogs/GrowthPanel.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QSet>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "core/checking/CaseBench.h"
#include "core/text/Language.h"

namespace {

// The runs one press of «Больше входов» makes at most, and the cases whose
// patterns it grows: enough points for the curve, a few seconds of work.
constexpr int kMaxMoreRuns = 160;
constexpr int kMaxSources = 8;
// Points of the fitted curve drawn across the lengths measured.
constexpr int kCurveSamples = 80;

QString Number(double value) {
    return QLocale(QLocale::Russian).toString(value, 'g', 3);
}

}  // namespace

GrowthPanel::GrowthPanel(MachineKind kind, const MachineContents& program, qint64 maxSteps,
                         QWidget* parent)
    : QWidget(parent), kind_(kind), program_(program), maxSteps_(maxSteps) {
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    caseSeries_ = new QScatterSeries;
    caseSeries_->setName(Tr("GrowthPanel", "Тесты"));
    caseSeries_->setMarkerSize(9);
    moreSeries_ = new QScatterSeries;
    moreSeries_->setName(Tr("GrowthPanel", "Больше входов"));
    moreSeries_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    moreSeries_->setMarkerSize(7);
    curve_ = new QLineSeries;
    // One point at the curve's end, carrying the model's name as its label.
    curveLabel_ = new QScatterSeries;
    curveLabel_->setMarkerSize(1);
    curveLabel_->setPointLabelsVisible(true);
    curveLabel_->setPointLabelsClipping(false);
    lengthAxis_ = new QValueAxis;
    lengthAxis_->setTitleText(Tr("GrowthPanel", "Длина входа, клеток"));
    lengthAxis_->setLabelFormat(QStringLiteral("%.0f"));
    stepsAxis_ = new QValueAxis;
    stepsAxis_->setTitleText(Tr("GrowthPanel", "Шагов"));
    stepsAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(lengthAxis_, Qt::AlignBottom);
    chart_->addAxis(stepsAxis_, Qt::AlignLeft);
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{curve_, caseSeries_, moreSeries_, curveLabel_}) {
        chart_->addSeries(series);
        series->attachAxis(lengthAxis_);
        series->attachAxis(stepsAxis_);
    }
    curveLabel_->setColor(curve_->color());
    curveLabel_->setPointLabelsColor(curve_->color());
    for (QLegendMarker* marker : chart_->legend()->markers(curveLabel_)) {
        marker->setVisible(false);
    }

    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    more_ = new QPushButton(Tr("GrowthPanel", "Больше входов"), this);
    more_->setToolTip(
        Tr("GrowthPanel",
           "Выполнить программу на более длинных входах, повторив узор входов пройденных тестов, "
           "пока хватает ленты и предела шагов"));
    more_->setEnabled(false);
    connect(more_, &QPushButton::clicked, this, &GrowthPanel::RunMore);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note_, 1);
    bottom->addWidget(more_);
    column->addLayout(bottom);
    Redraw();
}

GrowthPanel::~GrowthPanel() {
    stop_ = true;
    if (worker_) {
        worker_->wait();
    }
}

void GrowthPanel::AddPassedCases(const CaseResults& results, qsizetype from, qsizetype to) {
    bool added = false;
    for (qsizetype i = from; i < to; ++i) {
        if (results.VerdictOf(i) != CaseOutcome::Verdict::Passed) {
            continue;
        }
        if (passed_.size() < kMaxSources) {
            passed_.append(results.Cases()[i]);
        }
        casePoints_.Add(GrowthPoint{results.InputLength(i), results.Steps(i)});
        added = true;
    }
    if (added) {
        Redraw();
    }
}

void GrowthPanel::CheckFinished() {
    checkFinished_ = true;
    Redraw();
}

void GrowthPanel::Stop() {
    stop_ = true;
}

void GrowthPanel::RunMore() {
    if (worker_ || passed_.isEmpty()) {
        return;
    }
    morePoints_.clear();
    stop_ = false;
    // The worker reads only its own copies; each point comes back through
    // this panel's event queue (dropped if the panel is gone).
    worker_ = QThread::create([this, kind = kind_, program = program_, sources = passed_,
                               limits = RunLimits{maxSteps_, std::nullopt, &stop_}] {
        CaseBench bench(kind, program);
        QSet<QString> tried;
        int runs = 0;
        for (const RunCase& source : sources) {
            const std::optional<GrowthPattern> pattern = FindGrowthPattern(kind, source.input);
            if (!pattern) {
                continue;
            }
            for (int extra : GrowthRepeats()) {
                if (stop_ || runs >= kMaxMoreRuns) {
                    break;
                }
                RunCase grown = source;
                grown.input = pattern->Grown(extra);
                const QString key = QStringLiteral("%1|%2|%3")
                                        .arg(grown.input)
                                        .arg(grown.start.value_or(INT_MIN))
                                        .arg(grown.carriage.value_or(INT_MIN));
                if (tried.contains(key)) {
                    continue;
                }
                tried.insert(key);
                // Past the tape's end every longer input is too.
                if (bench.Place(grown)) {
                    break;
                }
                const RunResult run = bench.Run(limits);
                ++runs;
                if (run.end == RunResult::End::Stopped) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, length = run.inputLength, steps = run.steps] {
                            MoreDone(length, steps);
                        },
                        Qt::QueuedConnection);
                } else if (run.end == RunResult::End::Limit || run.end == RunResult::End::Timeout) {
                    break;  // a longer input takes longer still
                }
            }
        }
        QMetaObject::invokeMethod(
            this, [this, runs] { MoreFinished(runs); }, Qt::QueuedConnection);
    });
    worker_->setParent(this);
    worker_->start();
    more_->setEnabled(false);
    more_->setText(Tr("GrowthPanel", "Выполняется..."));
    Q_EMIT BusyChanged(true);
}

void GrowthPanel::MoreDone(int length, qint64 steps) {
    morePoints_.append(GrowthPoint{length, steps});
    Redraw();
}

void GrowthPanel::MoreFinished(int runs) {
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    // Run to the limits once, the button has nothing more to add; stopped
    // early, it may run again.
    grown_ = !stop_;
    more_->setText(Tr("GrowthPanel", "Больше входов"));
    Redraw();
    note_->setText(note_->text() + Tr("GrowthPanel",
                                      "\nБольше входов: выполнено запусков — %1, "
                                      "остановились — %2%3.")
                                       .arg(runs)
                                       .arg(morePoints_.size())
                                       .arg(stop_ ? Tr("GrowthPanel", " (прервано)") : QString()));
    Q_EMIT BusyChanged(false);
}

void GrowthPanel::Redraw() {
    GrowthPoints all = casePoints_;
    for (const GrowthPoint& p : morePoints_) {
        all.Add(p);
    }
    fit_ = FitGrowth(all);
    auto plot = [](QScatterSeries* series, const QVector<GrowthPoint>& points) {
        QList<QPointF> xy;
        for (const GrowthPoint& p : points) {
            xy.append(QPointF(p.length, double(p.steps)));
        }
        series->replace(xy);
    };
    plot(caseSeries_, casePoints_.Distinct());
    plot(moreSeries_, morePoints_);

    int maxLength = 1;
    double maxSteps = 1;
    int minLength = std::numeric_limits<int>::max();
    for (const GrowthPoint& p : all.Distinct()) {
        maxLength = std::max(maxLength, p.length);
        minLength = std::min(minLength, p.length);
        maxSteps = std::max(maxSteps, double(p.steps));
    }
    lengthAxis_->setRange(0, maxLength + std::max(1, maxLength / 10));
    stepsAxis_->setRange(0, maxSteps * 1.1);
    // Round ticks; the range may only grow, so every point stays in view.
    lengthAxis_->applyNiceNumbers();
    stepsAxis_->applyNiceNumbers();
    const double top = stepsAxis_->max();

    QList<QPointF> curve;
    if (fit_.model) {
        // Across the lengths fitted, up to where the curve leaves the chart.
        const double from = std::max(2, minLength);
        const double span = std::max(0.0, maxLength - from);
        for (int i = 0; i <= kCurveSamples; ++i) {
            const double n = from + span * i / kCurveSamples;
            const double steps = fit_.StepsAt(n);
            if (!std::isfinite(steps) || steps > top) {
                break;
            }
            curve.append(QPointF(n, steps));
        }
    }
    curve_->replace(curve);
    curve_->setName(fit_.Name());
    curveLabel_->setPointLabelsFormat(fit_.Name());
    curveLabel_->replace(curve.isEmpty() ? QList<QPointF>() : QList<QPointF>{curve.back()});
    curve_->setVisible(!curve.isEmpty());
    curveLabel_->setVisible(!curve.isEmpty());
    for (QLegendMarker* marker : chart_->legend()->markers(curve_)) {
        marker->setVisible(!curve.isEmpty());
    }
    for (QLegendMarker* marker : chart_->legend()->markers(curveLabel_)) {
        marker->setVisible(false);
    }

    if (fit_.model) {
        note_->setText(Tr("GrowthPanel", "Рост шагов: %1, c ≈ %2 (разных длин входа: %3).")
                           .arg(fit_.Name(), Number(fit_.Constant()))
                           .arg(fit_.lengths));
    } else {
        note_->setText(fit_.Note());
    }
    more_->setEnabled(checkFinished_ && !worker_ && !grown_ && !passed_.isEmpty());
}

#pragma once
// The case check's «Рост» tab: a chart of the steps each passed case took
// against the length of its input, the curve of the best growth model
// (GrowthFit) with its name beside it, or a note why none is named. Its
// «Больше входов» runs the program, in a thread of its own, on longer
// inputs grown from the passed cases' patterns (up to the tape's end and
// the step limit) and adds their points; Stop() and the panel's end stop
// those runs between one run and the next.

#include <QVector>
#include <QWidget>
#include <atomic>

#include "core/checking/CaseResults.h"
#include "core/checking/GrowthFit.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QThread;
class QValueAxis;

class GrowthPanel : public QWidget {
    Q_OBJECT
public:
    GrowthPanel(MachineKind kind, const MachineContents& program, qint64 maxSteps,
                QWidget* parent = nullptr);
    ~GrowthPanel() override;

    // The cases from `from` to before `to` of a check that has come that
    // far: those that passed add what their runs measured, and the chart is
    // drawn once for them all.
    void AddPassedCases(const CaseResults& results, qsizetype from, qsizetype to);
    // The check is over: «Больше входов» may run.
    void CheckFinished();
    // Stops the runs of «Больше входов» after the one under way.
    void Stop();
    bool Busy() const { return worker_ != nullptr; }

    const GrowthFit& Fit() const { return fit_; }
    // The passed cases' points, each distinct one once.
    QVector<GrowthPoint> CasePoints() const { return casePoints_.Distinct(); }
    QVector<GrowthPoint> MorePoints() const { return morePoints_; }
    QChart* Chart() const { return chart_; }
    QLabel* Note() const { return note_; }
    QPushButton* MoreButton() const { return more_; }

Q_SIGNALS:
    void BusyChanged(bool busy);

private:
    void RunMore();
    void MoreDone(int length, qint64 steps);
    void MoreFinished(int runs);
    void Redraw();

    MachineKind kind_;
    MachineContents program_;
    qint64 maxSteps_;
    QVector<RunCase> passed_;  // the first few passed cases: the sources of longer inputs
    GrowthPoints casePoints_;
    QVector<GrowthPoint> morePoints_;
    GrowthFit fit_;
    bool checkFinished_ = false;
    bool grown_ = false;
    std::atomic<bool> stop_{false};
    QThread* worker_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QScatterSeries* caseSeries_ = nullptr;
    QScatterSeries* moreSeries_ = nullptr;
    QLineSeries* curve_ = nullptr;
    QScatterSeries* curveLabel_ = nullptr;
    QValueAxis* lengthAxis_ = nullptr;
    QValueAxis* stepsAxis_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* more_ = nullptr;
};

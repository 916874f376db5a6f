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

#include "core/checking/CaseRun.h"
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

    // A case that passed, with what its run measured.
    void AddPassedCase(const RunCase& runCase, const CaseOutcome& outcome);
    // The check is over: «Больше входов» may run.
    void CheckFinished();
    // Stops the runs of «Больше входов» after the one under way.
    void Stop();
    bool Busy() const { return worker_ != nullptr; }

    const GrowthFit& Fit() const { return fit_; }
    QVector<GrowthPoint> CasePoints() const { return casePoints_; }
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
    QVector<RunCase> passed_;
    QVector<GrowthPoint> casePoints_;
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

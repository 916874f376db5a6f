#pragma once
// The "Диаграмма" panel: the current machine's program drawn as a graph
// (DiagramCanvas) in a scroll area, following every edit. The graph is
// built again from the decoded program when the table changes (a program
// past the layout's limits is refused from its DiagramSize before anything
// is built), and laid out by Graphviz again only when its shape
// (ProgramDiagram::ShapeKey) changed, so a run that only trims texts never
// waits for a layout.
//
// A layout runs on a worker thread, so the window answers while a large
// program is laid out (up to a few seconds). The worker reads its own copy
// of the graph and writes only its result, which comes back through this
// panel's event queue; it never touches a widget. Until the result arrives
// the previous picture stays, with a note that a new one is being made.
// At most one layout runs and one waits (the newest edit's, replacing any
// older waiting one); each is numbered, and a result a newer edit has made
// stale is dropped. The panel's destruction waits for a running layout.
//
// During a run the current state or row and the arrow just taken are
// highlighted on the picture shown, from the run's position, a repaint per
// tick and nothing more; the rows and states with breakpoints are ringed.
// A click on a node puts the table's cursor on its state column or row;
// Ctrl+wheel zooms, and "По размеру" fits the picture to the panel again,
// never below a readable scale (a larger picture scrolls).

#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/diagram/ProgramDiagram.h"
#include "layout/DiagramLayout.h"

class DiagramCanvas;
class QThread;
class QLabel;
class QScrollArea;
class Workbench;

class DiagramPanel : public QWidget {
    Q_OBJECT
public:
    DiagramPanel(Workbench& bench, QWidget* parent = nullptr);
    ~DiagramPanel() override;

    DiagramCanvas* Canvas() const { return canvas_; }
    // Builds the picture of the current machine now and waits until it is
    // laid out and shown (for the export, and for whoever needs the
    // picture at once).
    void RebuildNow();
    // Builds the picture of the current machine: shown at once when only
    // texts changed, else laid out on the worker (what every edit does,
    // one event later).
    void Rebuild();
    // Waits for the layout running or waiting, if any, and shows its
    // picture.
    void WaitForLayout();
    // Whether a layout is running or waiting.
    bool LayingOut() const { return running_ != nullptr; }
    // How many layouts were made, stale ones included: a test sees that
    // texts alone lay nothing out again.
    int LayoutCount() const { return layouts_; }
    // The note above the picture (a layout running, or why there is no
    // picture); empty when there is none.
    QString Message() const;
    void FitToPanel();
    void ZoomBy(int steps);
    enum class Format { Svg, Png };
    // A name ending in ".svg" or ".png" (in any case) names its format;
    // any other is written as `otherwise`.
    static Format FormatOf(const QString& path, Format otherwise);
    // Writes the picture to `path` in FormatOf(path, otherwise), as
    // documents are written (DocumentFile::WriteBytes). Returns an empty
    // text, or why it failed, in Russian.
    QString Export(const QString& path, Format otherwise = Format::Svg);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A layout asked for: its number, the graph's shape, the graph (the
    // worker's own copy) and, once the worker is done, its geometry.
    struct Job {
        int number = 0;
        QByteArray shape;
        ProgramDiagram diagram;
        DiagramLayout::Geometry geometry;
    };

    void Schedule();
    void Refuse(const DiagramLayout::Failure& failure);
    void Ask(ProgramDiagram diagram, QByteArray shape);
    void Start(std::unique_ptr<Job> job);
    // The worker finished job `number`: shows it unless it is stale, and
    // starts the waiting job.
    void LayoutDone(int number);
    // Puts a picture on the canvas; `laidOut`: a new layout, fitted to the
    // panel when the panel fits.
    void Show(ProgramDiagram diagram, DiagramLayout::Geometry geometry, QByteArray shape,
              bool laidOut);
    // The note above the picture: that a new one is being made, or why
    // there is none.
    void ShowMessage();
    void FollowRun();
    // Rings the nodes of the rows and states with breakpoints.
    void RingBreakpoints();
    void SelectNode(int node);
    void ShowScale();

    Workbench& bench_;
    QLabel* message_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    DiagramCanvas* canvas_ = nullptr;
    QLabel* scaleLabel_ = nullptr;
    QTimer later_;
    QByteArray shape_;  // the shape of the picture shown
    // The worker and its job (read by the worker until it finishes), the
    // newest job waiting for it, and the number of the job whose result is
    // to be shown (0: none). `texts` is the newest graph of the running
    // job's shape, made after the job started: its result shows these.
    QThread* worker_ = nullptr;
    std::unique_ptr<Job> running_;
    std::unique_ptr<Job> waiting_;
    std::optional<ProgramDiagram> texts_;
    int wanted_ = 0;
    int jobs_ = 0;
    bool fit_ = true;
    bool dirty_ = true;
    int layouts_ = 0;
    int lastAt_ = -1;
    qint64 lastSteps_ = -1;
};

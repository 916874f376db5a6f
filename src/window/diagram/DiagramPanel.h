#pragma once
// The "Диаграмма" panel: the current machine's program drawn as a graph
// (DiagramCanvas) in a scroll area, following every edit at once. The graph
// is built again from the decoded program when the table changes, and laid
// out by Graphviz again only when its shape (ProgramDiagram::ShapeKey)
// changed, so a run that only trims texts never waits for a layout. During a
// run the current state or row and the arrow just taken are highlighted from
// the run's position, a repaint per tick and nothing more; the rows and
// states with breakpoints are ringed. A click on a node
// puts the table's cursor on its state column or row; Ctrl+wheel zooms, and
// "По размеру" fits the picture to the panel again, never below a readable
// scale (a larger picture scrolls).

#include <QByteArray>
#include <QTimer>
#include <QWidget>

class DiagramCanvas;
class QLabel;
class QScrollArea;
class Workbench;

class DiagramPanel : public QWidget {
    Q_OBJECT
public:
    DiagramPanel(Workbench& bench, QWidget* parent = nullptr);

    DiagramCanvas* Canvas() const { return canvas_; }
    // Builds the picture of the current machine now (and lays it out when
    // its shape changed).
    void RebuildNow();
    // How many layouts were made: a test sees that texts alone lay nothing
    // out again.
    int LayoutCount() const { return layouts_; }
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
    void Schedule();
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
    QByteArray shape_;
    bool fit_ = true;
    bool dirty_ = true;
    int layouts_ = 0;
    int lastAt_ = -1;
    qint64 lastSteps_ = -1;
};

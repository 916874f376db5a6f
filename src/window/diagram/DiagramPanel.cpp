#include "window/diagram/DiagramPanel.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "core/documents/DocumentFile.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"
#include "window/diagram/DiagramCanvas.h"

namespace {

constexpr double kMinScale = 0.1;
constexpr double kMaxScale = 4;
constexpr double kZoomStep = 1.25;
constexpr double kReadableScale = 0.75;
constexpr double kMaxFitScale = 1.5;

}  // namespace

DiagramPanel::DiagramPanel(Workbench& bench, QWidget* parent) : QWidget(parent), bench_(bench) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->hide();
    column->addWidget(message_);
    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Base);
    canvas_ = new DiagramCanvas(scroll_);
    canvas_->setToolTip(
        Tr("DiagramPanel", "Щелчок по вершине выделяет её в таблице; Ctrl+колесо — масштаб"));
    scroll_->setWidget(canvas_);
    column->addWidget(scroll_, 1);
    auto* bottom = new QHBoxLayout;
    auto* fit = new QPushButton(Tr("DiagramPanel", "По размеру"), this);
    fit->setToolTip(Tr("DiagramPanel", "Уместить диаграмму в панели"));
    bottom->addWidget(fit);
    scaleLabel_ = new QLabel(this);
    bottom->addWidget(scaleLabel_, 1);
    column->addLayout(bottom);

    later_.setSingleShot(true);
    later_.setInterval(0);
    connect(&later_, &QTimer::timeout, this, &DiagramPanel::RebuildNow);
    connect(fit, &QPushButton::clicked, this, &DiagramPanel::FitToPanel);
    connect(canvas_, &DiagramCanvas::NodeClicked, this, &DiagramPanel::SelectNode);
    connect(canvas_, &DiagramCanvas::ZoomRequested, this, &DiagramPanel::ZoomBy);
    connect(canvas_, &DiagramCanvas::NodeSelected, this, [this](int node) {
        const QPoint centre = canvas_->NodeCentre(node);
        scroll_->ensureVisible(centre.x(), centre.y(), 40, 40);
    });
    for (TextTable* table : {static_cast<TextTable*>(&bench.Post().table),
                             static_cast<TextTable*>(&bench.Turing().table)}) {
        connect(table, &TextTable::CellChanged, this, &DiagramPanel::Schedule);
        connect(table, &TextTable::LayoutChanged, this, &DiagramPanel::Schedule);
    }
    connect(&bench.Turing(), &TuringMachine::AlphabetTextChanged, this, &DiagramPanel::Schedule);
    connect(&bench, &Workbench::TitleChanged, this, &DiagramPanel::Schedule);
    connect(&bench.RunControl(), &RunController::RunViewChanged, this, &DiagramPanel::FollowRun);
    connect(&bench.RunControl(), &RunController::BreakpointsChanged, this,
            &DiagramPanel::RingBreakpoints);
}

void DiagramPanel::RingBreakpoints() {
    const ProgramDiagram& diagram = canvas_->Diagram();
    Machine& machine = bench_.MachineOf(diagram.machine);
    const Breakpoints& marks = bench_.RunControl().BreakpointsOf(machine);
    const TextTable& table = machine.ProgramTable();
    std::vector<bool> ringed(diagram.nodes.size());
    if (!marks.Empty()) {
        for (std::size_t i = 0; i < diagram.nodes.size(); ++i) {
            const DiagramNode& node = diagram.nodes[i];
            if (node.kind == DiagramNode::Kind::State) {
                ringed[i] = marks.AnyInColumn(table, node.tableCol);
            } else if (diagram.machine == MachineKind::Post && node.tableRow >= 1) {
                ringed[i] = marks.Marked(table, Breakpoints::Place::Row, 0, node.tableRow);
            }
        }
    }
    canvas_->SetRinged(std::move(ringed));
}

void DiagramPanel::Schedule() {
    dirty_ = true;
    if (isVisible()) {
        later_.start();
    }
}

void DiagramPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (dirty_) {
        RebuildNow();
    }
}

void DiagramPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_) {
        FitToPanel();
    }
}

void DiagramPanel::RebuildNow() {
    later_.stop();
    dirty_ = false;
    const MachineKind kind = bench_.Kind();
    ProgramDiagram diagram = kind == MachineKind::Post ? BuildPostDiagram(bench_.Post().table)
                                                       : BuildTuringDiagram(bench_.Turing());
    QByteArray shape = diagram.ShapeKey();
    // The key names the machine too, so a switch lays out again.
    if (shape == shape_ && canvas_->Geometry().Ok()) {
        // Only texts changed: the layout stays, the labels follow.
        DiagramLayout::Geometry geometry = canvas_->Geometry();
        geometry.noteLines = DiagramLayout::NoteLines(diagram);
        canvas_->SetPicture(std::move(diagram), std::move(geometry));
    } else {
        DiagramLayout::Geometry geometry = DiagramLayout::Layout(diagram);
        ++layouts_;
        message_->setVisible(!geometry.Ok());
        message_->setText(geometry.Ok() ? QString()
                                        : Tr("DiagramPanel", "Диаграмму нельзя построить: ") +
                                              geometry.failure.Russian());
        canvas_->SetPicture(std::move(diagram), std::move(geometry));
        shape_ = std::move(shape);
        if (fit_) {
            FitToPanel();
        }
    }
    lastAt_ = -1;
    RingBreakpoints();
    FollowRun();
}

void DiagramPanel::FollowRun() {
    if (!isVisible()) {
        return;
    }
    Machine& machine = bench_.Current();
    const RunController& run = bench_.RunControl();
    const ProgramDiagram& diagram = canvas_->Diagram();
    if (!run.Active(machine) || diagram.machine != machine.Kind()) {
        lastAt_ = -1;
        canvas_->SetHighlight(-1, -1);
        return;
    }
    const RunPosition& position = run.Position(machine);
    auto nodeOf = [&diagram](int at) {
        return diagram.machine == MachineKind::Post ? diagram.NodeOfRow(at)
                                                    : diagram.NodeOfState(at);
    };
    const int node = nodeOf(position.at);
    int edge = canvas_->HighlightedEdge();
    if (position.steps != lastSteps_) {
        edge = -1;
        // One tick on: the arrow from where the run stood to where it is.
        if (lastAt_ >= 0 && position.steps == lastSteps_ + 1) {
            const int from = nodeOf(lastAt_);
            for (std::size_t i = 0; i < diagram.edges.size(); ++i) {
                if (diagram.edges[i].from == from && diagram.edges[i].to == node) {
                    edge = int(i);
                    break;
                }
            }
        }
    }
    lastAt_ = position.at;
    lastSteps_ = position.steps;
    canvas_->SetHighlight(node, edge);
    if (node >= 0) {
        // The running node stays in view when the picture is larger.
        const QPoint centre = canvas_->NodeCentre(node);
        scroll_->ensureVisible(centre.x(), centre.y(), 40, 40);
    }
}

void DiagramPanel::SelectNode(int node) {
    const DiagramNode& picked = canvas_->Diagram().nodes[std::size_t(node)];
    if (canvas_->Diagram().machine != bench_.Kind()) {
        return;
    }
    if (bench_.Kind() == MachineKind::Post) {
        if (picked.tableRow >= 1) {
            bench_.Post().table.SetCursor(PostTable::ColCommand, picked.tableRow);
        }
    } else if (picked.tableCol >= 1) {
        TuringTable& table = bench_.Turing().table;
        table.SetCursor(picked.tableCol, std::max(table.Row(), 1));
    }
}

void DiagramPanel::FitToPanel() {
    fit_ = true;
    const QSizeF picture = canvas_->PictureSize();
    if (picture.isEmpty()) {
        return;
    }
    const QSize room = scroll_->viewport()->size() - QSize(4, 4);
    const double across = room.width() / picture.width();
    const double down = room.height() / picture.height();
    // A picture taller or wider than the panel keeps a readable size and
    // scrolls instead of shrinking to fit.
    const double scale = std::clamp(std::min(across, down), kReadableScale, kMaxFitScale);
    canvas_->SetScale(scale);
    ShowScale();
}

void DiagramPanel::ZoomBy(int steps) {
    fit_ = false;
    double scale = canvas_->Scale();
    for (int i = 0; i < std::abs(steps); ++i) {
        scale = steps > 0 ? scale * kZoomStep : scale / kZoomStep;
    }
    canvas_->SetScale(std::clamp(scale, kMinScale, kMaxScale));
    ShowScale();
}

void DiagramPanel::ShowScale() {
    scaleLabel_->setText(Tr("DiagramPanel", "Масштаб: %1%").arg(qRound(canvas_->Scale() * 100)));
}

DiagramPanel::Format DiagramPanel::FormatOf(const QString& path, Format otherwise) {
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return Format::Png;
    }
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return Format::Svg;
    }
    return otherwise;
}

QString DiagramPanel::Export(const QString& path, Format otherwise) {
    RebuildNow();
    if (!canvas_->Geometry().Ok()) {
        return Tr("DiagramPanel", "диаграмму нельзя построить: ") +
               canvas_->Geometry().failure.Russian();
    }
    QByteArray bytes;
    if (FormatOf(path, otherwise) == Format::Png) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        canvas_->Render(2).save(&buffer, "PNG");
    } else {
        const DiagramLayout::Svg svg = DiagramLayout::RenderSvg(canvas_->Diagram());
        if (!svg.error.isEmpty()) {
            return Tr("DiagramPanel", "диаграмму нельзя построить: ") + svg.failure.Russian();
        }
        bytes = svg.bytes;
    }
    if (!DocumentFile::WriteBytes(path, bytes).isEmpty()) {
        return Tr("DiagramPanel", "ошибка записи файла: ") + path;
    }
    return {};
}

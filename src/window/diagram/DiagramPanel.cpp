#include "window/diagram/DiagramPanel.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QThread>
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
    connect(&later_, &QTimer::timeout, this, &DiagramPanel::Rebuild);
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
        Rebuild();
    }
}

void DiagramPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_) {
        FitToPanel();
    }
}

DiagramPanel::~DiagramPanel() {
    // The worker reads its job and posts to this panel until it ends.
    if (worker_ != nullptr) {
        worker_->wait();
        delete worker_;
    }
}

void DiagramPanel::RebuildNow() {
    Rebuild();
    WaitForLayout();
}

void DiagramPanel::WaitForLayout() {
    while (running_ != nullptr) {
        worker_->wait();
        LayoutDone(running_->number);
    }
}

void DiagramPanel::Rebuild() {
    later_.stop();
    dirty_ = false;
    const MachineKind kind = bench_.Kind();
    // A program too large to draw is refused from its counts: building
    // its graph alone would hold the window.
    const DiagramLayout::Failure tooLarge =
        DiagramLayout::SizeCheck(kind == MachineKind::Post ? PostDiagramSize(bench_.Post().table)
                                                           : TuringDiagramSize(bench_.Turing()));
    if (tooLarge.kind != DiagramLayout::Failure::Kind::None) {
        Refuse(tooLarge);
        return;
    }
    ProgramDiagram diagram = kind == MachineKind::Post ? BuildPostDiagram(bench_.Post().table)
                                                       : BuildTuringDiagram(bench_.Turing());
    QByteArray shape = diagram.ShapeKey();
    // The key names the machine too, so a switch lays out again.
    if (shape == shape_ && canvas_->Geometry().Ok()) {
        // Only texts changed since the picture shown: the layout stays, the
        // labels follow, and a layout asked for since is no longer wanted.
        wanted_ = 0;
        waiting_.reset();
        texts_.reset();
        DiagramLayout::Geometry geometry = canvas_->Geometry();
        geometry.noteLines = DiagramLayout::NoteLines(diagram);
        Show(std::move(diagram), std::move(geometry), std::move(shape), false);
    } else if (running_ != nullptr && running_->shape == shape) {
        // The running layout is of this shape: its result carries these texts.
        wanted_ = running_->number;
        waiting_.reset();
        texts_ = std::move(diagram);
        ShowMessage();
    } else {
        Ask(std::move(diagram), std::move(shape));
    }
}

void DiagramPanel::Refuse(const DiagramLayout::Failure& failure) {
    wanted_ = 0;
    waiting_.reset();
    texts_.reset();
    ProgramDiagram nothing;
    nothing.machine = bench_.Kind();
    DiagramLayout::Geometry geometry;
    geometry.failure = failure;
    geometry.error = failure.English();
    Show(std::move(nothing), std::move(geometry), QByteArray(), true);
}

void DiagramPanel::Ask(ProgramDiagram diagram, QByteArray shape) {
    auto job = std::make_unique<Job>();
    job->number = ++jobs_;
    job->shape = std::move(shape);
    job->diagram = std::move(diagram);
    wanted_ = job->number;
    texts_.reset();
    // One layout runs at a time; the newest edit's job waits for it, in
    // the place of any older one.
    if (running_ == nullptr) {
        Start(std::move(job));
    } else {
        waiting_ = std::move(job);
    }
    ShowMessage();
}

void DiagramPanel::Start(std::unique_ptr<Job> job) {
    running_ = std::move(job);
    Job* const work = running_.get();
    const int number = work->number;
    // The job stays where it is until LayoutDone has waited for the
    // worker; only the worker writes its geometry meanwhile.
    worker_ = QThread::create([this, work, number] {
        work->geometry = DiagramLayout::Layout(work->diagram);
        QMetaObject::invokeMethod(
            this, [this, number] { LayoutDone(number); }, Qt::QueuedConnection);
    });
    worker_->start();
}

void DiagramPanel::LayoutDone(int number) {
    // WaitForLayout may have taken this job's result already.
    if (running_ == nullptr || running_->number != number) {
        return;
    }
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    const std::unique_ptr<Job> done = std::move(running_);
    ++layouts_;
    if (waiting_ != nullptr) {
        Start(std::move(waiting_));
    }
    if (done->number != wanted_) {
        return;  // a newer edit made it stale
    }
    wanted_ = 0;
    ProgramDiagram diagram = texts_ ? std::move(*texts_) : std::move(done->diagram);
    texts_.reset();
    DiagramLayout::Geometry geometry = std::move(done->geometry);
    if (geometry.Ok()) {
        geometry.noteLines = DiagramLayout::NoteLines(diagram);
    }
    Show(std::move(diagram), std::move(geometry), std::move(done->shape), true);
}

void DiagramPanel::Show(ProgramDiagram diagram, DiagramLayout::Geometry geometry, QByteArray shape,
                        bool laidOut) {
    canvas_->SetPicture(std::move(diagram), std::move(geometry));
    shape_ = std::move(shape);
    if (laidOut && fit_) {
        FitToPanel();
    }
    ShowMessage();
    lastAt_ = -1;
    RingBreakpoints();
    FollowRun();
}

QString DiagramPanel::Message() const {
    return message_->text();
}

void DiagramPanel::ShowMessage() {
    const DiagramLayout::Geometry& shown = canvas_->Geometry();
    QString text;
    if (wanted_ != 0) {
        text = Tr("DiagramPanel", "Диаграмма строится…");
    } else if (!shown.Ok()) {
        text = Tr("DiagramPanel", "Диаграмму нельзя построить: ") + shown.failure.Russian();
    }
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
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

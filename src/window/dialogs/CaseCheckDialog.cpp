#include "window/dialogs/CaseCheckDialog.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include "core/checking/CaseBench.h"
#include "core/text/Language.h"
#include "window/dialogs/CaseTableModel.h"
#include "window/dialogs/DocumentFileDialog.h"
#include "window/dialogs/GrowthPanel.h"
#include "window/dialogs/MessageDialog.h"
#include "window/dialogs/PaperCommands.h"

namespace {

// How often the dialog takes the worker's outcomes: often enough to look
// live, seldom enough that the window never spends its time on them.
constexpr int kBatchMilliseconds = 33;

}  // namespace

CaseCheckDialog::CaseCheckDialog(MachineKind kind, const MachineContents& program, CaseList cases,
                                 const QString& casesName, QWidget* parent)
    : QDialog(parent), kind_(kind), program_(program), results_(std::move(cases)) {
    setWindowTitle(Tr("CaseCheckDialog", "Проверка по тестам"));
    auto* column = new QVBoxLayout(this);
    casesName_ = casesName;
    column->addWidget(new QLabel(Tr("CaseCheckDialog", "Файл тестов: ") + casesName, this));
    progress_ = new QProgressBar(this);
    progress_->setRange(0, int(results_.size()));
    progress_->setValue(0);
    progress_->setFormat(Tr("CaseCheckDialog", "%v из %m"));
    column->addWidget(progress_);

    model_ = new CaseTableModel(kind_, results_, this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    // Every row is one line high: the view never measures millions of rows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setToolTip(Tr("CaseCheckDialog", "Двойной щелчок: поставить вход теста на ленту"));
    // The columns fit the first rows (Qt measures a thousand at most).
    table_->resizeColumnsToContents();
    const QFontMetrics metrics = table_->fontMetrics();
    const int tapeWidth =
        metrics.horizontalAdvance(QString(CaseTableModel::kTapeColumnChars, u'0'));
    for (int col : {CaseTableModel::Input, CaseTableModel::Expected, CaseTableModel::Obtained}) {
        table_->setColumnWidth(col, std::min(table_->columnWidth(col), tapeWidth));
    }
    // The verdicts are read whole; an error's longer text is elided, whole
    // in its tooltip.
    table_->setColumnWidth(
        CaseTableModel::Result,
        metrics.horizontalAdvance(Tr("CaseCheckDialog", "превышен предел шагов")) + 16);
    // Room for the largest count of steps the limit allows, and the title.
    table_->setColumnWidth(CaseTableModel::Steps,
                           std::max(table_->columnWidth(CaseTableModel::Steps),
                                    metrics.horizontalAdvance(QString::number(kMaxSteps)) + 16));
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { Choose(index.row(), false); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CaseCheckDialog::SelectionMoved);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(table_, Tr("CaseCheckDialog", "Результаты"));
    growth_ = new GrowthPanel(kind_, program_, kMaxSteps, this);
    tabs_->addTab(growth_, Tr("CaseCheckDialog", "Рост"));
    connect(growth_, &GrowthPanel::BusyChanged, this, &CaseCheckDialog::ShowButton);
    // Closed however, the dialog leaves no runs of «Больше входов» behind.
    connect(this, &QDialog::finished, growth_, &GrowthPanel::Stop);
    column->addWidget(tabs_, 1);

    auto* bottom = new QHBoxLayout;
    summary_ = new QLabel(this);
    bottom->addWidget(summary_, 1);
    print_ = new QPushButton(Tr("CaseCheckDialog", "Печать..."), this);
    connect(print_, &QPushButton::clicked, this, [this] {
        const CasesSheet sheet = Sheet();
        PaperCommands::Print(this, sheet.document,
                             [&sheet](PageWriter& out) { CasesPages::Paint(out, sheet); });
    });
    bottom->addWidget(print_);
    pdf_ = new QPushButton(Tr("CaseCheckDialog", "Экспорт в PDF..."), this);
    connect(pdf_, &QPushButton::clicked, this, &CaseCheckDialog::ExportPdf);
    bottom->addWidget(pdf_);
    showResult_ = new QPushButton(Tr("CaseCheckDialog", "Показать результат"), this);
    showResult_->setToolTip(Tr(
        "CaseCheckDialog", "Поставить на ленту то, с чем закончилось выполнение выбранного теста"));
    showResult_->setEnabled(false);
    connect(showResult_, &QPushButton::clicked, this,
            [this] { Choose(table_->currentIndex().row(), true); });
    bottom->addWidget(showResult_);
    button_ = new QPushButton(Tr("CaseCheckDialog", "Отмена"), this);
    connect(button_, &QPushButton::clicked, this, &CaseCheckDialog::CancelOrClose);
    bottom->addWidget(button_);
    column->addLayout(bottom);
    resize(720, 480);
    batchTimer_.setInterval(kBatchMilliseconds);
    connect(&batchTimer_, &QTimer::timeout, this, &CaseCheckDialog::TakeBatch);
}

CaseCheckDialog::~CaseCheckDialog() {
    stop_ = true;
    if (worker_) {
        worker_->wait();
    }
}

void CaseCheckDialog::Start() {
    if (worker_) {
        return;
    }
    // The worker reads only its own copies and leaves each outcome in the
    // batch; the dialog takes the batch on its timer. "Отмена" breaks off
    // the run under way too.
    worker_ = QThread::create([this, kind = kind_, program = program_, cases = results_.Cases()] {
        CaseBench bench(kind, program);
        const RunLimits limits{kMaxSteps, std::nullopt, &stop_};
        for (qsizetype i = 0; i < cases.size() && !stop_; ++i) {
            CaseOutcome outcome = bench.Check(cases[i], limits);
            if (stop_) {
                break;
            }
            const std::lock_guard<std::mutex> lock(batchMutex_);
            batch_.append(std::move(outcome));
        }
    });
    worker_->setParent(this);
    worker_->start();
    batchTimer_.start();
    if (results_.size() == 0) {
        ShowSummary();
    }
}

bool CaseCheckDialog::WorkerStopped() const {
    return !worker_ || worker_->isFinished();
}

void CaseCheckDialog::TakeBatch() {
    // Whether the worker is through is read before the batch is taken, so
    // nothing it left before stopping is missed.
    const bool through = WorkerStopped();
    QVector<CaseOutcome> taken;
    {
        const std::lock_guard<std::mutex> lock(batchMutex_);
        taken.swap(batch_);
    }
    if (through) {
        batchTimer_.stop();
    }
    if (cancelled_ || taken.isEmpty()) {
        return;
    }
    const qsizetype from = results_.Done();
    for (qsizetype i = 0; i < taken.size(); ++i) {
        results_.Set(from + i, taken[i]);
    }
    const qsizetype to = results_.Done();
    growth_->AddPassedCases(results_, from, to);
    model_->RowsDone(int(from), int(to));
    progress_->setValue(int(to));
    const int current = table_->currentIndex().row();
    if (current >= from && current < to) {
        SelectionMoved();
    }
    if (Finished()) {
        ShowSummary();
    }
}

CasesSheet CaseCheckDialog::Sheet() const {
    CasesSheet sheet;
    sheet.document = documentName_;
    sheet.casesName = casesName_;
    sheet.kind = kind_;
    sheet.results = results_;
    sheet.summary =
        summary_->text().isEmpty()
            ? Tr("CaseCheckDialog", "Проверено %1 из %2").arg(results_.Done()).arg(results_.size())
            : summary_->text();
    return sheet;
}

QString CaseCheckDialog::WritePdf(const QString& path) const {
    const CasesSheet sheet = Sheet();
    return PaperCommands::WritePdf(path, sheet.document,
                                   [&sheet](PageWriter& out) { CasesPages::Paint(out, sheet); });
}

void CaseCheckDialog::ExportPdf() {
    MessageDialog messages(this);
    ExportToFile(this, messages, Tr("CaseCheckDialog", "Экспорт в PDF"),
                 Tr("CaseCheckDialog", "Документ PDF|*.pdf"), QStringLiteral("pdf"),
                 Tr("CaseCheckDialog", "Таблица не записана: "),
                 [this](const QString& path) { return WritePdf(path); });
}

void CaseCheckDialog::ShowSummary() {
    summary_->setText(
        Tr("CaseCheckDialog", "Пройдено %1 из %2").arg(results_.Passed()).arg(results_.size()) +
        (cancelled_ ? Tr("CaseCheckDialog", " (проверка прервана)") : QString()));
    growth_->CheckFinished();
    ShowButton();
}

void CaseCheckDialog::ShowButton() {
    button_->setText(Finished() && !growth_->Busy() ? Tr("CaseCheckDialog", "Закрыть")
                                                    : Tr("CaseCheckDialog", "Отмена"));
}

void CaseCheckDialog::CancelOrClose() {
    if (growth_->Busy()) {
        growth_->Stop();
        return;
    }
    if (!Finished()) {
        stop_ = true;
        TakeBatch();  // what was checked before the press still counts
        cancelled_ = !Finished();
        ShowSummary();
        return;
    }
    reject();
}

void CaseCheckDialog::SelectionMoved() {
    const int row = table_->currentIndex().row();
    const std::optional<CaseOutcome::Verdict> verdict =
        row >= 0 && row < results_.size() ? results_.VerdictOf(row) : std::nullopt;
    showResult_->setEnabled(verdict && *verdict != CaseOutcome::Verdict::BadCase);
}

void CaseCheckDialog::Choose(int row, bool result) {
    if (row < 0 || row >= results_.size()) {
        return;
    }
    const std::optional<CaseOutcome> outcome = results_.At(row);
    if (result && !(outcome && outcome->HasTape())) {
        return;
    }
    chosen_ = CaseChoice{results_.Cases()[row], result ? outcome : std::nullopt};
    accept();
}

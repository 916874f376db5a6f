#include "window/dialogs/CaseCheckDialog.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include "core/checking/CaseBench.h"
#include "core/text/Language.h"
#include "window/dialogs/DocumentFileDialog.h"
#include "window/dialogs/GrowthPanel.h"
#include "window/dialogs/MessageDialog.h"
#include "window/dialogs/PaperCommands.h"

namespace {

enum Column {
    ColLine,
    ColInput,
    ColStart,
    ColExpected,
    ColResult,
    ColObtained,
    ColSteps,
    ColumnCount
};

// Tapes longer than this many characters are elided in their column, the
// whole text in the cell's tooltip, so the results stay in view.
constexpr int kTapeColumnChars = 12;

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (text.size() > kTapeColumnChars) {
        item->setToolTip(text);
    }
    return item;
}

}  // namespace

CaseCheckDialog::CaseCheckDialog(MachineKind kind, const MachineContents& program,
                                 QVector<RunCase> cases, const QString& casesName, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      program_(program),
      cases_(std::move(cases)),
      outcomes_(cases_.size()) {
    setWindowTitle(Tr("CaseCheckDialog", "Проверка по тестам"));
    auto* column = new QVBoxLayout(this);
    casesName_ = casesName;
    column->addWidget(new QLabel(Tr("CaseCheckDialog", "Файл тестов: ") + casesName, this));
    progress_ = new QProgressBar(this);
    progress_->setRange(0, int(cases_.size()));
    progress_->setValue(0);
    progress_->setFormat(Tr("CaseCheckDialog", "%v из %m"));
    column->addWidget(progress_);

    table_ = new QTableWidget(int(cases_.size()), ColumnCount, this);
    table_->setHorizontalHeaderLabels(CaseColumnTitles());
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setToolTip(Tr("CaseCheckDialog", "Двойной щелчок: поставить вход теста на ленту"));
    for (int row = 0; row < cases_.size(); ++row) {
        const QStringList texts = CaseRowTexts(kind_, cases_[row], std::nullopt);
        for (int col = 0; col < ColumnCount; ++col) {
            table_->setItem(row, col, Cell(texts[col]));
        }
    }
    table_->resizeColumnsToContents();
    const int tapeWidth = table_->fontMetrics().horizontalAdvance(QString(kTapeColumnChars, u'0'));
    for (int col : {ColInput, ColExpected, ColObtained}) {
        table_->setColumnWidth(col, std::min(table_->columnWidth(col), tapeWidth));
    }
    // The verdicts are read whole; an error's longer text is elided, whole
    // in its tooltip.
    table_->setColumnWidth(ColResult, table_->fontMetrics().horizontalAdvance(
                                          Tr("CaseCheckDialog", "превышен предел шагов")) +
                                          16);
    // Room for the largest count of steps the limit allows, and the title.
    table_->setColumnWidth(
        ColSteps,
        std::max(table_->columnWidth(ColSteps),
                 table_->fontMetrics().horizontalAdvance(QString::number(kMaxSteps)) + 16));
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { Choose(row, false); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, &CaseCheckDialog::SelectionMoved);
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
            [this] { Choose(table_->currentRow(), true); });
    bottom->addWidget(showResult_);
    button_ = new QPushButton(Tr("CaseCheckDialog", "Отмена"), this);
    connect(button_, &QPushButton::clicked, this, &CaseCheckDialog::CancelOrClose);
    bottom->addWidget(button_);
    column->addLayout(bottom);
    resize(720, 480);
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
    // The worker reads only its own copies; each finished case comes back
    // to this dialog through its event queue (dropped if the dialog is gone).
    worker_ = QThread::create([this, kind = kind_, program = program_, cases = cases_] {
        CaseBench bench(kind, program);
        for (int i = 0; i < cases.size() && !stop_; ++i) {
            const CaseOutcome outcome = bench.Check(cases[i], RunLimits{kMaxSteps, {}});
            QMetaObject::invokeMethod(
                this, [this, i, outcome] { CaseDone(i, outcome); }, Qt::QueuedConnection);
        }
    });
    worker_->setParent(this);
    worker_->start();
    if (cases_.isEmpty()) {
        ShowSummary();
    }
}

void CaseCheckDialog::CaseDone(int index, const CaseOutcome& outcome) {
    if (cancelled_) {
        return;
    }
    ++done_;
    if (outcome.verdict == CaseOutcome::Verdict::Passed) {
        ++passed_;
        growth_->AddPassedCase(cases_[index], outcome);
    }
    outcomes_[index] = outcome;
    QTableWidgetItem* result = table_->item(index, ColResult);
    result->setText(outcome.Text());
    result->setToolTip(outcome.Text());
    if (outcome.HasTape()) {
        QTableWidgetItem* obtained = table_->item(index, ColObtained);
        obtained->setText(outcome.tape);
        obtained->setToolTip(outcome.tape.size() > kTapeColumnChars ? outcome.tape : QString());
        table_->item(index, ColSteps)->setText(QString::number(outcome.steps));
    }
    const QColor shade = outcome.verdict == CaseOutcome::Verdict::Passed ? QColor(0xdf, 0xf5, 0xdf)
                                                                         : QColor(0xfa, 0xdc, 0xdc);
    for (int col = 0; col < ColumnCount; ++col) {
        table_->item(index, col)->setBackground(shade);
    }
    progress_->setValue(done_);
    if (index == table_->currentRow()) {
        SelectionMoved();
    }
    if (done_ == cases_.size()) {
        ShowSummary();
    }
}

CasesSheet CaseCheckDialog::Sheet() const {
    CasesSheet sheet;
    sheet.document = documentName_;
    sheet.casesName = casesName_;
    sheet.kind = kind_;
    sheet.cases = cases_;
    sheet.outcomes = outcomes_;
    sheet.summary = summary_->text().isEmpty()
                        ? Tr("CaseCheckDialog", "Проверено %1 из %2").arg(done_).arg(cases_.size())
                        : summary_->text();
    return sheet;
}

QString CaseCheckDialog::WritePdf(const QString& path) const {
    const CasesSheet sheet = Sheet();
    return PaperCommands::WritePdf(path, sheet.document,
                                   [&sheet](PageWriter& out) { CasesPages::Paint(out, sheet); });
}

void CaseCheckDialog::ExportPdf() {
    const QString caption = Tr("CaseCheckDialog", "Экспорт в PDF");
    DocumentFileDialog dialog(this,
                              {caption, Tr("CaseCheckDialog", "Документ PDF|*.pdf"),
                               QStringLiteral("pdf"), QStringLiteral("*.pdf")},
                              QFileDialog::AcceptSave);
    const QString path = dialog.Ask();
    const QString error = path.isEmpty() ? QString() : WritePdf(path);
    if (!error.isEmpty()) {
        QApplication::beep();
        MessageDialog(this).Ask({MessageKind::CommandError, caption,
                                 Tr("CaseCheckDialog", "Таблица не записана: ") + error});
    }
}

void CaseCheckDialog::ShowSummary() {
    summary_->setText(Tr("CaseCheckDialog", "Пройдено %1 из %2").arg(passed_).arg(cases_.size()) +
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
        cancelled_ = true;
        ShowSummary();
        return;
    }
    reject();
}

void CaseCheckDialog::SelectionMoved() {
    const int row = table_->currentRow();
    showResult_->setEnabled(row >= 0 && row < outcomes_.size() && outcomes_[row] &&
                            outcomes_[row]->HasTape());
}

void CaseCheckDialog::Choose(int row, bool result) {
    if (row < 0 || row >= cases_.size()) {
        return;
    }
    if (result && !(outcomes_[row] && outcomes_[row]->HasTape())) {
        return;
    }
    chosen_ = CaseChoice{cases_[row], result ? outcomes_[row] : std::nullopt};
    accept();
}

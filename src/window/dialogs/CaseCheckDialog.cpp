#include "window/dialogs/CaseCheckDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include "core/checking/CaseBench.h"

namespace {

enum Column { ColLine, ColInput, ColExpected, ColResult, ColObtained, ColSteps, ColumnCount };

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

CaseCheckDialog::CaseCheckDialog(MachineKind kind, const MachineContents& program,
                                 QVector<RunCase> cases, const QString& casesName, QWidget* parent)
    : QDialog(parent), kind_(kind), program_(program), cases_(std::move(cases)) {
    setWindowTitle(QStringLiteral("Проверка по тестам"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Файл тестов: ") + casesName, this));
    progress_ = new QProgressBar(this);
    progress_->setRange(0, int(cases_.size()));
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%v из %m"));
    column->addWidget(progress_);

    table_ = new QTableWidget(int(cases_.size()), ColumnCount, this);
    table_->setHorizontalHeaderLabels({QStringLiteral("Строка"), QStringLiteral("Вход"),
                                       QStringLiteral("Ожидается"), QStringLiteral("Результат"),
                                       QStringLiteral("Получено"), QStringLiteral("Шагов")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(ColResult, QHeaderView::Stretch);
    table_->setToolTip(QStringLiteral("Двойной щелчок: поставить вход теста на ленту"));
    for (int row = 0; row < cases_.size(); ++row) {
        const RunCase& c = cases_[row];
        table_->setItem(row, ColLine, Cell(QString::number(c.line)));
        table_->setItem(row, ColInput, Cell(c.input));
        table_->setItem(row, ColExpected, Cell(c.expected));
        table_->setItem(row, ColResult, Cell(QStringLiteral("…")));
        table_->setItem(row, ColObtained, Cell(QString()));
        table_->setItem(row, ColSteps, Cell(QString()));
    }
    table_->resizeColumnsToContents();
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Choose(row); });
    column->addWidget(table_, 1);

    auto* bottom = new QHBoxLayout;
    summary_ = new QLabel(this);
    bottom->addWidget(summary_, 1);
    button_ = new QPushButton(QStringLiteral("Отмена"), this);
    connect(button_, &QPushButton::clicked, this, &CaseCheckDialog::CancelOrClose);
    bottom->addWidget(button_);
    column->addLayout(bottom);
    resize(640, 400);
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
    }
    table_->item(index, ColResult)->setText(outcome.Text());
    if (outcome.verdict != CaseOutcome::Verdict::BadCase) {
        table_->item(index, ColObtained)->setText(outcome.tape);
        table_->item(index, ColSteps)->setText(QString::number(outcome.steps));
    }
    const QColor shade = outcome.verdict == CaseOutcome::Verdict::Passed ? QColor(0xdf, 0xf5, 0xdf)
                                                                         : QColor(0xfa, 0xdc, 0xdc);
    for (int col = 0; col < ColumnCount; ++col) {
        table_->item(index, col)->setBackground(shade);
    }
    progress_->setValue(done_);
    if (done_ == cases_.size()) {
        ShowSummary();
    }
}

void CaseCheckDialog::ShowSummary() {
    summary_->setText(QStringLiteral("Пройдено %1 из %2").arg(passed_).arg(cases_.size()) +
                      (cancelled_ ? QStringLiteral(" (проверка прервана)") : QString()));
    button_->setText(QStringLiteral("Закрыть"));
}

void CaseCheckDialog::CancelOrClose() {
    if (!Finished()) {
        stop_ = true;
        cancelled_ = true;
        ShowSummary();
        return;
    }
    reject();
}

void CaseCheckDialog::Choose(int row) {
    if (row < 0 || row >= cases_.size()) {
        return;
    }
    chosen_ = cases_[row];
    accept();
}

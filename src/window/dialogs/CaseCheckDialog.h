#pragma once
// "Проверить по тестам": runs every case of a cases file on a copy of the
// current machine's program in a thread of its own, so the window stays
// responsive at any size the limits allow: the worker leaves its outcomes
// in a batch the dialog takes about 30 times a second, the table is a
// model over the compact results (CaseTableModel), and "Отмена" stops the
// check within a millisecond, the case under way included. A progress bar
// counts the cases done. The table shows each case: its line, input, expected tape,
// result, the tape obtained and the steps. A double click on a case closes
// the dialog with that case chosen, for the window to put its input on the
// machine; "Показать результат" closes it with the tape the case's run
// ended with. «Печать...» and «Экспорт в PDF...» put the table on paper
// (CasesPages), as far as the check has come. Beside the table, the tab «Рост» (GrowthPanel) charts
// how the passed cases' steps grow with their inputs' length; "Отмена" stops its runs too.

#include <QDialog>
#include <QTimer>
#include <QVector>
#include <atomic>
#include <mutex>
#include <optional>
#include <utility>

#include "core/checking/CaseResults.h"
#include "core/text/Language.h"
#include "paper/CasesPages.h"

class GrowthPanel;
class QLabel;
class QProgressBar;
class QPushButton;
class CaseTableModel;
class QTableView;
class QTabWidget;
class QThread;

// What the dialog closed with: a case, and with `result` the run's end to
// show instead of the case's input.
struct CaseChoice {
    RunCase runCase;
    std::optional<CaseOutcome> result;
};

class CaseCheckDialog : public QDialog {
    Q_OBJECT
public:
    // The runner's step limit.
    static constexpr qint64 kMaxSteps = 1000000;

    CaseCheckDialog(MachineKind kind, const MachineContents& program, CaseList cases,
                    const QString& casesName, QWidget* parent = nullptr);
    ~CaseCheckDialog() override;

    // The document's name, for the title of the table on paper.
    void SetDocumentName(const QString& name) { documentName_ = name; }
    // Starts the check; the dialog is then shown with exec() or show().
    void Start();
    // The table on paper as a PDF file at `path`; why it was not written,
    // or nothing.
    QString WritePdf(const QString& path) const;
    bool Finished() const { return results_.Done() == results_.size() || cancelled_; }
    // Whether the worker has stopped (run through, or cancelled).
    bool WorkerStopped() const;
    const CaseResults& Results() const { return results_; }
    // The case chosen, when the dialog closed by one.
    std::optional<CaseChoice> Chosen() const { return chosen_; }
    QTableView* Table() const { return table_; }
    QPushButton* ShowResultButton() const { return showResult_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* PdfButton() const { return pdf_; }
    QTabWidget* Tabs() const { return tabs_; }
    GrowthPanel* Growth() const { return growth_; }

private:
    // Takes the outcomes the worker has left since the last time.
    void TakeBatch();
    void Choose(int row, bool result);
    void SelectionMoved();
    void CancelOrClose();
    void ShowSummary();
    CasesSheet Sheet() const;
    void ExportPdf();
    void ShowButton();

    MachineKind kind_;
    QString documentName_ = Tr("CaseCheckDialog", "Без имени");
    QString casesName_;
    MachineContents program_;
    CaseResults results_;
    bool cancelled_ = false;
    std::atomic<bool> stop_{false};
    // What the worker has checked and the dialog not yet taken, in order.
    std::mutex batchMutex_;
    QVector<CaseOutcome> batch_;
    QTimer batchTimer_;
    std::optional<CaseChoice> chosen_;
    QThread* worker_ = nullptr;
    QLabel* summary_ = nullptr;
    QProgressBar* progress_ = nullptr;
    CaseTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    GrowthPanel* growth_ = nullptr;
    QPushButton* button_ = nullptr;
    QPushButton* showResult_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* pdf_ = nullptr;
};

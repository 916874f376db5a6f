#include "runner/ClassCheck.h"

#include <dirent.h>
#include <sys/resource.h>
#include <QTemporaryFile>
#include <QThreadPool>
#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>

#include "core/checking/GrowthFit.h"
#include "core/checking/ProgramShape.h"
#include "core/post/PostMachine.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"
#include "runner/RunPrinter.h"
#include "runner/RunnerOptions.h"

namespace {

// Where a document's lines go: straight to standard output with one
// worker, or into a spool until the document's turn.
class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual void Write(const QByteArray& bytes) = 0;
};

class StandardOutput final : public OutputSink {
public:
    void Write(const QByteArray& bytes) override {
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    }
};

// Lines kept in memory up to a megabyte, then in a temporary file, so a long
// trace costs no memory. A spool that cannot get its file keeps its lines
// in memory rather than lose them.
class Spool final : public OutputSink {
public:
    void Write(const QByteArray& bytes) override {
        if (!file_ && memory_.size() + bytes.size() > kInMemory) {
            file_ = std::make_unique<QTemporaryFile>();
            if (file_->open()) {
                file_->write(memory_);
                memory_.clear();
            } else {
                file_.reset();
            }
        }
        if (file_) {
            file_->write(bytes);
        } else {
            memory_ += bytes;
        }
    }
    void CopyTo(FILE* stream) {
        if (file_) {
            file_->seek(0);
            char buffer[65536];
            for (qint64 n; (n = file_->read(buffer, sizeof buffer)) > 0;) {
                std::fwrite(buffer, 1, std::size_t(n), stream);
            }
            file_.reset();
        }
        std::fwrite(memory_.constData(), 1, std::size_t(memory_.size()), stream);
        memory_.clear();
    }

private:
    static constexpr qsizetype kInMemory = 1 << 20;
    QByteArray memory_;
    std::unique_ptr<QTemporaryFile> file_;
};

// What one document came to, handed from its worker to the printing turn.
struct DocumentResult {
    ClassReportRow row;
    std::optional<ProgramShape> shape;
    qint64 passedWeight = 0;
    qint64 weight = 0;
    int exitCode = 0;
    QStringList errors;  // lines for standard error, in order
};

QString PrintableFile(const ClassPlan& plan, int index) {
    return DocumentFile::PrintableName(plan.files[index]);
}

// The word of a case's cell in the report: a stopped run passed or failed
// its case, any other run ended as its result says.
QString CellResult(const RunOutcome& o, bool passed) {
    if (o.result == RunOutcome::Result::Stopped) {
        return passed ? QStringLiteral("passed") : QStringLiteral("failed");
    }
    return RunOutcome::ResultName(o.result);
}

// The weighted share of cases passed, 0 to 100; a file of weights 0 alone
// counts the cases alike.
double Score(const DocumentResult& result) {
    if (result.weight <= 0) {
        return result.row.failed == 0 && result.row.passed > 0 ? 100.0 : 0.0;
    }
    return 100.0 * double(result.passedWeight) / double(result.weight);
}

void Count(const ClassPlan& plan, const RunOutcome& o, const RunCase* runCase,
           DocumentResult& result) {
    ClassReportRow& row = result.row;
    const bool passed = RunPrinter::Passed(o, runCase);
    const int weight = runCase ? runCase->weight : 1;
    result.weight += weight;
    if (passed) {
        ++row.passed;
        result.passedWeight += weight;
    } else {
        ++row.failed;
        result.exitCode = std::max(result.exitCode, 1);
    }
    row.steps += o.ran ? o.steps : 0;
    if (!runCase) {
        row.result = RunOutcome::ResultName(o.result);
    } else if (plan.report) {
        row.cells.append(ClassReportCell{CellResult(o, passed), passed, o.steps});
    }
    if (!o.saveError.isEmpty()) {
        result.errors.append(QStringLiteral("zebrin42-run: could not write %1: %2")
                                 .arg(DocumentFile::PrintableName(plan.base.saveTo), o.saveError));
        result.exitCode = 2;
    }
}

DocumentResult CheckDocument(const ClassPlan& plan, int index, OutputSink& out) {
    const RunPrinter printer(plan.json);
    const QString name = PrintableFile(plan, index);
    DocumentResult result;
    ClassReportRow& row = result.row;
    DocumentCheck check(plan.files[index], plan.task);
    const RunOutcome& refusal = check.Refusal();
    row.file = name;
    row.machine = refusal.machine;
    if (!check.CanRun()) {
        row.reason = refusal.message;
        if (refusal.result == RunOutcome::Result::Unreadable) {
            result.errors.append(
                QStringLiteral("zebrin42-run: %1 cannot be read: %2").arg(name, refusal.message));
        }
    } else if (plan.similar) {
        Workbench& bench = check.Bench();
        result.shape = bench.Kind() == MachineKind::Post ? PostShape(bench.Post().table)
                                                         : TuringShape(bench.Turing());
    }
    GrowthPoints growth;
    auto runOne = [&](const RunCase* runCase) {
        RunSpec spec = plan.base;
        if (spec.trace) {
            spec.traceTick = [&out, &printer, &name, runCase](const TraceTick& tick) {
                out.Write(printer.Tick(name, runCase, tick));
            };
        }
        const RunOutcome o = check.Run(spec, runCase);
        if (o.result == RunOutcome::Result::Usage) {
            result.errors.append(QStringLiteral("zebrin42-run: %1: %2").arg(name, o.usageError));
            result.exitCode = 2;
            return;
        }
        out.Write(printer.Run(name, o, runCase));
        Count(plan, o, runCase, result);
        if (plan.growth && o.ran && RunPrinter::Passed(o, runCase)) {
            growth.Add(GrowthPoint{o.inputLength, o.steps});
        }
    };
    if (plan.withCases) {
        for (const RunCase& runCase : plan.cases) {
            runOne(&runCase);
        }
    } else {
        runOne(nullptr);
    }
    row.score = Score(result);
    if (plan.growth) {
        row.growth = FitGrowth(growth);
    }
    if (plan.withCases) {
        row.result = !check.CanRun() ? RunOutcome::ResultName(refusal.result)
                     : row.failed    ? QStringLiteral("failed")
                                     : QStringLiteral("passed");
    }
    return result;
}

// The files this process holds open now.
int OpenFiles() {
    DIR* folder = opendir("/proc/self/fd");
    if (!folder) {
        return 16;
    }
    int count = 0;
    while (readdir(folder)) {
        ++count;
    }
    closedir(folder);
    return count - 3;  // ".", ".." and the folder itself
}

// The groups of copied programs and the close pairs, by printable name;
// each document of a group gets the others in its row.
void FindCopies(const ClassPlan& plan, const std::vector<std::optional<ProgramShape>>& shapes,
                ClassResult& result, QVector<QStringList>& same, QVector<ClosePair>& close) {
    const SimilarPrograms similar = FindSimilar(shapes);
    for (const std::vector<int>& group : similar.same) {
        QStringList names;
        for (int i : group) {
            names.append(PrintableFile(plan, i));
        }
        for (int i : group) {
            QStringList others = names;
            others.removeOne(PrintableFile(plan, i));
            result.report.rows[i].similarTo = others;
        }
        same.append(names);
    }
    for (const SimilarPrograms::Close& pair : similar.close) {
        close.append(ClosePair{PrintableFile(plan, pair.first), PrintableFile(plan, pair.second),
                               pair.differing, pair.commands});
    }
}

// Prints what the check came to after the documents' own lines: the
// per-document totals, the copied programs and the summary.
void PrintClosing(const ClassPlan& plan, const std::vector<std::optional<ProgramShape>>& shapes,
                  ClassResult& result) {
    const RunPrinter printer(plan.json);
    StandardOutput out;
    qint64 passed = 0;
    qint64 failed = 0;
    for (const ClassReportRow& row : result.report.rows) {
        if (plan.withCases) {
            out.Write(printer.Totals(row));
        }
        passed += row.passed;
        failed += row.failed;
    }
    if (plan.similar) {
        QVector<QStringList> same;
        QVector<ClosePair> close;
        FindCopies(plan, shapes, result, same, close);
        out.Write(printer.Similar(same, close));
    }
    out.Write(printer.Summary(passed, failed));
}

}  // namespace

WorkerBudget BudgetWithinLimits(int wanted, qsizetype documents) {
    rlimit files{};
    const int want = int(std::clamp<qsizetype>(std::min<qsizetype>(wanted, documents), 1, 256));
    if (getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == RLIM_INFINITY) {
        return {want, 2 * want};
    }
    // Kept free for what the check opens besides its workers: the document
    // one worker reads, a save's temporary file, the report's files (written
    // once the workers are gone).
    constexpr qint64 kReserve = 3;
    const qint64 spare = qint64(files.rlim_cur) - OpenFiles() - kReserve;
    if (spare < 0) {
        return {};
    }
    // A worker holds the document it reads and its thread's wake-up file;
    // each document under way holds its spool.
    constexpr qint64 kPerWorker = 2;
    const int workers = int(std::clamp<qint64>(spare / (kPerWorker + 1), 1, want));
    if (workers <= 1) {
        return {1, 1};
    }
    const qint64 extra = spare - workers * (kPerWorker + 1);
    return {workers, workers + int(std::clamp<qint64>(extra, 0, workers))};
}

ClassResult CheckClass(const ClassPlan& plan, const WorkerBudget& budget) {
    ClassResult result;
    result.report.withCases = plan.withCases;
    result.report.withSimilar = plan.similar;
    result.report.withGrowth = plan.growth;
    if (plan.report) {
        for (const RunCase& c : plan.cases) {
            result.report.cases.append(ClassReportCase{c.line, c.input, c.expected, c.weight});
        }
    }
    const int count = int(plan.files.size());
    std::vector<std::optional<ProgramShape>> shapes;
    auto take = [&](DocumentResult&& done) {
        for (const QString& error : done.errors) {
            std::fflush(stdout);
            Print(stderr, error);
        }
        result.exitCode = std::max(result.exitCode, done.exitCode);
        result.report.rows.append(std::move(done.row));
        shapes.push_back(std::move(done.shape));
    };
    if (budget.workers <= 1 || count <= 1) {
        StandardOutput out;
        for (int i = 0; i < count; ++i) {
            take(CheckDocument(plan, i, out));
        }
    } else {
        struct Slot {
            Spool spool;
            DocumentResult result;
            bool done = false;
        };
        std::vector<std::unique_ptr<Slot>> documents(std::size_t(plan.files.size()));
        std::mutex mutex;
        std::condition_variable finished;
        QThreadPool pool;
        pool.setMaxThreadCount(budget.workers);
        int next = 0;
        auto submit = [&] {
            Slot* slot = (documents[std::size_t(next)] = std::make_unique<Slot>()).get();
            pool.start([&plan, &mutex, &finished, slot, index = next] {
                DocumentResult done = CheckDocument(plan, index, slot->spool);
                const std::lock_guard<std::mutex> lock(mutex);
                slot->result = std::move(done);
                slot->done = true;
                finished.notify_all();
            });
            ++next;
        };
        while (next < count && next < budget.underWay) {
            submit();
        }
        for (int i = 0; i < count; ++i) {
            Slot& slot = *documents[std::size_t(i)];
            {
                std::unique_lock<std::mutex> lock(mutex);
                finished.wait(lock, [&slot] { return slot.done; });
            }
            std::fflush(stdout);
            slot.spool.CopyTo(stdout);
            take(std::move(slot.result));
            documents[std::size_t(i)].reset();
            if (next < count) {
                submit();
            }
        }
        pool.waitForDone();
    }
    PrintClosing(plan, shapes, result);
    return result;
}
